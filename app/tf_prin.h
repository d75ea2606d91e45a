#pragma once

#include "screen.h"

// The main menu; it also holds the goals of the running match.
class TfPrin : public Screen {
    Q_OBJECT

public:
    explicit TfPrin(QWidget* parent = nullptr);

    qint32 GolsPro = 0;
    qint32 GolsContra = 0;
};

extern TfPrin* fPrin;
