#pragma once

#include <QString>

// The fonts shipped inside the program. Call carregaFontes() once after the application object
// exists; the family getters load the fonts themselves when that was not done yet.
void carregaFontes();
// Bold, condensed display family for titles, scores and numbers (capitals only).
QString fonteDestaque();
// Readable family for running text, with regular and bold weights.
QString fonteTexto();

// The resource path of one screen picture, e.g. caminhoArte(arte::kBolaBranca).
QString caminhoArte(QStringView nome);
