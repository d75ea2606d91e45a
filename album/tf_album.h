#pragma once

#include "label.h"
#include "panel.h"
#include "picture.h"
#include "screen.h"

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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void mostraPagina(int pagina);
};

extern TfAlbum* fAlbum;
