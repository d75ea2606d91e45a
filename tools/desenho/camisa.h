#pragma once

// A player's shirt seen from the back, for the player stickers.

#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace desenho {

enum class Padrao { Liso, Listras, Aros, Faixa, Metades, Xadrez, Riscas, Chevron, Ombros, Ondas };
inline constexpr int kPadroes = 10;

struct Camisa {
    QColor corpo, detalhe, mangas;
    Padrao padrao = Padrao::Liso;
    QString nome;
    bool capitao = false; // an armband on the left sleeve
};

// Draws the shirt as large as fits in caixa, the name across the shoulders.
void camisa(QPainter& p, const QRectF& caixa, const Camisa& c);

} // namespace desenho
