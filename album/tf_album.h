#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"

#include <QPushButton>

#include <array>

// The album viewer: the current player's album, twelve stickers to a page.
class TfAlbum : public Screen {
    Q_OBJECT

public:
    explicit TfAlbum(QWidget* parent = nullptr);

    qint32 Pagina = 1;

    std::array<Panel*, 12> pn;
    std::array<Label*, 12> numeros;
    std::array<Picture*, 12> im;
    Panel* Panel1;
    Label* stPag;
    Panel* Panel2;
    Label* stRepet;
    Label* lbProgresso;
    Panel* Panel3;
    Label* StaticText5;
    QPushButton* BitBtn3;
    QPushButton* BitBtn1;
    QPushButton* BitBtn2;
    QPushButton* btFechar;

    void FormActivate() override;
    void FormDeactivate() override;
    void BitBtn1Click();
    void BitBtn2Click();
    qint32 ContaRepetidas();
    void NumeraPagina(int pagina);
    void CarregaPagina(int pagina);
    // "Ver": the page holding the last sticker the packet dealt in this run.
    void BitBtn3Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mostraPagina(int pagina);
    void viraPagina(int key);

    friend void AbreAlbum();
};

extern TfAlbum* fAlbum;

// Stickers 1 to this number can be won; the album's collector figures count only them.
inline constexpr int kFigurinhasGanhaveis = 138;

// The last sticker the packet dealt in this run, 0 when none.
extern int UltimaFigurinhaDistribuida;

// Of the winnable stickers, how many the current player does not own yet.
int ContaOcultas();

// The game's entries to the album: the page on screen is drawn again for the current player
// before the album is shown.
void AbreAlbum();
