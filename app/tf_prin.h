#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"
#include "shell/sons.h"

// The main menu: play, explanations, quit, the sound switch and the banner. It also holds the
// goals of the running match.
class TfPrin : public Screen {
    Q_OBJECT

public:
    explicit TfPrin(QWidget* parent = nullptr);

    qint32 GolsPro = 0;
    qint32 GolsContra = 0;

    Panel* pnTitulo;
    Picture* imTitulo;
    Label* Label4;
    Label* Label5;
    Label* Label6;
    Panel* pnOpcoes;
    Picture* Image1;
    Label* Label1;
    Picture* Image3;
    Label* Label3;
    Picture* Image2;
    Label* Label2;
    Picture* imComSom;
    Picture* imSemSom;
    Panel* pnPropaganda;
    Picture* imPropaganda;

    void FormActivate() override;
    void CarregaPropaganda();
    void AnimacaoAbertura();
    void Jogar();
    void Explicar();
    void FimDeJogo();
    void imPropagandaClick();
    som::Chave chaveSom() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void criaControles();
    void encaixaPaineis();
};

extern TfPrin* fPrin;
// The banner's link; nothing in the game sets it.
extern QString LinkPropaganda;

// The steps by which the opening animation grows the window back over a gap of the given
// height: n steps of gap div n pixels, n = gap div 40; the window then takes its full height.
QList<int> passosAbertura(int gap);
