#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"

#include <QPushButton>

#include <array>

// The sticker packet: deals the stickers earned by the last match into the current player's
// album.
class TfPacotinho : public Screen {
    Q_OBJECT

public:
    explicit TfPacotinho(QWidget* parent = nullptr);

    std::array<Panel*, 10> p;
    std::array<Picture*, 10> im;
    Label* lb01;
    // Says how many stickers the packet holds.
    Label* lbGanhou;
    QPushButton* BitBtn1;
    QPushButton* btAlbum;
    QPushButton* btFechar;

    // A packet was earned: the button deals it once.
    void novoPacote();
    void BitBtn1Click();
    void btAlbumClick();
    void FormDeactivate() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool distribuido = true;
};

extern TfPacotinho* fPacotinho;
