#pragma once

#include "content/recursos/sons_nomes.h"

class QWidget;

// The program-wide sound switch: false at every start, never saved.
extern bool SomLigado;

namespace som {

// The switch of a screen that follows SomLigado: its two icons, one over the other, and the
// crowd loop it plays while the sound is on.
struct Chave {
    QWidget* comSom;
    QWidget* semSom;
    const char* laco;
    // False for a switch of its screen's own loop alone, which leaves SomLigado as it is.
    bool geral = true;

    // The screen's focus step: icons and sound brought in line with the switch.
    void sincroniza() const;
    // The sound-on icon was clicked.
    void desliga() const;
    // The sound-off icon was clicked.
    void liga() const;
};

// Each cue is one of the names in content/recursos/sons_nomes.h, played from the sons folder
// beside the program.
void tocaUmaVez(const char* cue);
void tocaEmLaco(const char* cue);
void tocaEEspera(const char* cue);
void para();
} // namespace som
