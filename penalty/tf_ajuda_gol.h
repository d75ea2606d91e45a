#pragma once

#include "common/label.h"
#include "common/picture.h"
#include "common/screen.h"

#include <QTimer>

#include <array>

// The penalty kick behind the technical aid: the player aims, picks a force and shoots while
// the keeper walks along the goal line. The match reads Chutes and FezGol once it closes.
class TfAjudaGol : public Screen {
    Q_OBJECT

public:
    explicit TfAjudaGol(QWidget* parent = nullptr);

    // Kick commands given in this turn.
    qint32 Chutes = 0;
    // The turn's kick beat the keeper.
    bool FezGol = false;

    QWidget* Shape1;
    Picture* imGol;
    Picture* imGoleiro;
    QWidget* Shape2;
    QWidget* Shape3;
    Picture* imJogador;
    Picture* imBola;
    std::array<QWidget*, 5> shForca;
    Picture* Image1;
    Picture* Image3;
    Picture* Image2;
    Picture* imSair;
    Label* lbAcerto;
    Label* lbErro;
    QTimer tGoleiro;
    QTimer tBola;

    void FormActivate() override;
    void FormKeyUp(int key);
    void imJogadorClick();
    void Image1Click();
    void Image3Click();
    void Image1DblClick();
    void Image3DblClick();
    void shForca1MouseDown(int tag);
    void Image2Click();
    void imSairClick();
    void tGoleiroTimer();
    void tBolaTimer();
    void PintaForca();
    void TerminaDefesa();
    void TerminaGol();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void criaControles();
    // Puts the ball under the kicker's aim.
    void alinhaBola();
    // Leaves the screen: slides it down, closes it and puts its top edge back.
    void sai();

    // The picture whose double click is still waiting for its button release.
    QObject* fimDeDuploClique = nullptr;
};

extern TfAjudaGol* fAjudaGol;

// State of the penalty unit, one set for the whole program, in screen pixels.
extern qint32 PosGoleiro;
extern bool GoleiroDireita;
extern qint32 PosBola;
extern qint32 TopoBolaInicial;
extern qint32 Forca;
