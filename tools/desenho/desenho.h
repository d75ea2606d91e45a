#pragma once

// Drawing helpers shared by the build-time art generators.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace desenho {

// Must run before the QGuiApplication exists: the generators draw without a display.
void preparaSemTela();

// Name printed in front of failure messages.
void defineNomePrograma(const char* nome);
[[noreturn]] void falha(const QString& texto);

// Saves or fails; the format follows the file suffix (bmp, png, jpg).
void salva(const QImage& imagem, const QString& caminho, int qualidade = 92);
// A transparent ARGB canvas, or an opaque RGB one filled with fundo.
QImage telaTransparente(int largura, int altura);
QImage telaOpaca(int largura, int altura, const QColor& fundo);

QFont fonte(const QString& familia, qreal pixels, bool negrito = false);
QFont fonteDestaque(qreal pixels);
QFont fonteTexto(qreal pixels, bool negrito = false);

// Whether the text laid out in f fits the box whole: every line inside it, no word broken.
bool cabeNaCaixa(const QString& texto, const QFont& f, const QRectF& caixa, qreal entrelinha = 1.0);
// Draws text inside the box, shrinking the font (down to minimo pixels) until it fits; when even
// the smallest size does not fit, the last line is elided. entrelinha scales the line pitch
// (capitals-only display text can sit closer). Returns the size used.
qreal textoAjustado(QPainter& p, const QRectF& caixa, const QString& texto, QFont f, qreal minimo,
                    int alinhamento, qreal entrelinha = 1.0);
// Text with a dark outline so it reads on any background.
void textoContornado(QPainter& p, const QRectF& caixa, const QString& texto, const QFont& f,
                     const QColor& cor, const QColor& contorno, qreal espessura, int alinhamento);

QPainterPath estrela(QPointF centro, qreal raioExterno, qreal raioInterno, int pontas,
                     qreal anguloGraus = -90);

// A classic football (pentagon panels) filling the circle inscribed in caixa.
void bola(QPainter& p, const QRectF& caixa, const QColor& corpo, const QColor& gomos);
// A stylised golden cup with a globe on top.
void trofeu(QPainter& p, const QRectF& caixa, const QColor& metal);
void chuteira(QPainter& p, const QRectF& caixa, const QColor& cor);
void luva(QPainter& p, const QRectF& caixa, const QColor& cor);
// A pitch seen from above, with its lines.
void campo(QPainter& p, const QRectF& caixa, qreal linha);
// A stylised stadium seen from the side; variante picks the roof shape.
void estadio(QPainter& p, const QRectF& caixa, int variante, const QColor& destaque);

// Team flags by three-letter code.
bool temBandeira(const QString& codigo);
// Width over height of the flag as drawn.
qreal proporcaoBandeira(const QString& codigo);
// Draws the flag filling caixa (the caller keeps caixa at the flag's proportion).
void bandeira(QPainter& p, const QRectF& caixa, const QString& codigo);
// The team's name in Brazilian Portuguese.
QString nomeSelecao(const QString& codigo);
// The main colours of the team's flag, the largest area first (one to three).
QList<QColor> coresDaBandeira(const QString& codigo);
// Every team code with a flag, in alphabetical order.
QStringList codigosSelecoes();

} // namespace desenho
