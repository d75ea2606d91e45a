#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/screen.h"

// The final scoreboard of a completed match; a click anywhere closes it.
class TfPlacar : public Screen {
    Q_OBJECT

public:
    explicit TfPlacar(QWidget* parent = nullptr);

    Panel* Panel1;
    Label* Label1;
    Label* lbPlacar;
    Label* lbGanhou;
    Label* Label2;

    void Panel1Click();
};

extern TfPlacar* fPlacar;
