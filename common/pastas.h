#pragma once

#include <QString>

// Where the game finds its files. Run from a game folder (the build's, or any copy), the program
// folder is the program's own and the working folder the current one. Installed, the content
// lies in a read-only folder found relative to the program, and both folders are the per-user
// game folder, seeded from that content.
struct PastasDoJogo {
    // Installed content, ending with a separator; empty when run from a game folder.
    QString conteudo;
    // The per-user game folder, ending with a separator; empty when run from a game folder.
    QString usuario;

    bool instalado() const { return !conteudo.isEmpty(); }
};

PastasDoJogo pastasDoJogo();
