#pragma once

#include <QString>

class QWidget;

// The program-wide sound switch: false at every start, never saved.
extern bool SomLigado;

// The game's cues, named by their path texts beside the program ("\sons\apito.wav").
namespace som {
inline const QString kEstadio1 = QStringLiteral("\\sons\\estadio1.wav");
inline const QString kEstadio2 = QStringLiteral("\\sons\\Estadio2.wav");
inline const QString kApito = QStringLiteral("\\sons\\apito.wav");
inline const QString kAcerto = QStringLiteral("\\sons\\acerto.wav");
inline const QString kErrada1 = QStringLiteral("\\sons\\errada1.wav");
inline const QString kErrada2 = QStringLiteral("\\sons\\errada2.wav");
inline const QString kSaida = QStringLiteral("\\sons\\Saida.wav");
inline const QString kTempo = QStringLiteral("\\sons\\Tempo.wav");
inline const QString kGoleiro = QStringLiteral("\\sons\\goleiro.wav");
inline const QString kSuspense = QStringLiteral("\\sons\\suspense.wav");
inline const QString kCerto4 = QStringLiteral("\\sons\\certo4.wav");

// The switch of a screen that follows SomLigado: its two icons, one over the other, and the
// crowd loop it plays while the sound is on.
struct Chave {
    QWidget* comSom;
    QWidget* semSom;
    QString laco;
    // False for a switch of its screen's own loop alone, which leaves SomLigado as it is.
    bool geral = true;

    // The screen's focus step: icons and sound brought in line with the switch.
    void sincroniza() const;
    // The sound-on icon was clicked.
    void desliga() const;
    // The sound-off icon was clicked.
    void liga() const;
};

void tocaUmaVez(const QString& cue);
void tocaEmLaco(const QString& cue);
void tocaEEspera(const QString& cue);
void para();
} // namespace som
