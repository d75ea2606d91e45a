#pragma once

#include "common/screen.h"

// An empty window, created at start-up and never shown.
class TfTrocas : public Screen {
    Q_OBJECT

public:
    explicit TfTrocas(QWidget* parent = nullptr);
};

extern TfTrocas* fTrocas;
