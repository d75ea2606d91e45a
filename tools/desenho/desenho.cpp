// Shared drawing helpers: fonts, fitted text, footballs, trophies, pitch and stadium motifs.

#include "desenho.h"

#include "content/recursos/recursos.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QLineF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QRegularExpression>
#include <QTextLayout>
#include <QtMath>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace desenho {

namespace {
const char* programa = "gerador";
}

void preparaSemTela()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Build machines often have no session: give Qt a private runtime folder instead of a
    // warning on every run.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const std::filesystem::path pasta =
            std::filesystem::temp_directory_path() / ("dribolex-xdg-" + std::to_string(getuid()));
        std::error_code erro;
        std::filesystem::create_directories(pasta, erro);
        std::filesystem::permissions(pasta, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::replace, erro);
        if (!erro)
            qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(pasta.string()));
    }
}

void defineNomePrograma(const char* nome)
{
    programa = nome;
}

void falha(const QString& texto)
{
    std::fprintf(stderr, "%s: %s\n", programa, texto.toLocal8Bit().constData());
    std::exit(1);
}

void salva(const QImage& imagem, const QString& caminho, int qualidade)
{
    const QString sufixo = QFileInfo(caminho).suffix().toLower();
    const QByteArray formato =
        sufixo == QLatin1String("jpg") ? "JPEG" : sufixo.toUpper().toLatin1();
    QImage saida = imagem;
    // BMP and JPEG files are 24-bit: flatten any alpha first.
    if (formato != "PNG")
        saida = imagem.convertToFormat(QImage::Format_RGB888);
    if (!saida.save(caminho, formato.constData(), formato == "JPEG" ? qualidade : -1))
        falha(QStringLiteral("não foi possível gravar %1").arg(caminho));
}

QImage telaTransparente(int largura, int altura)
{
    QImage imagem(largura, altura, QImage::Format_ARGB32_Premultiplied);
    imagem.fill(Qt::transparent);
    return imagem;
}

QImage telaOpaca(int largura, int altura, const QColor& fundo)
{
    QImage imagem(largura, altura, QImage::Format_RGB32);
    imagem.fill(fundo);
    return imagem;
}

QFont fonte(const QString& familia, qreal pixels, bool negrito)
{
    QFont f(familia);
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(negrito);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont fonteDestaque(qreal pixels)
{
    return fonte(::fonteDestaque(), pixels, true);
}

QFont fonteTexto(qreal pixels, bool negrito)
{
    return fonte(::fonteTexto(), pixels, negrito);
}

namespace {

// Lays text out in lines of the given width; returns the lines and the total height.
QStringList quebraLinhas(const QString& texto, const QFont& f, qreal largura, qreal* altura)
{
    QStringList linhas;
    const QFontMetricsF m(f);
    for (const QString& paragrafo : texto.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragrafo, f);
        QTextOption opcao;
        opcao.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(opcao);
        layout.beginLayout();
        for (QTextLine linha = layout.createLine(); linha.isValid(); linha = layout.createLine()) {
            linha.setLineWidth(largura);
            linhas << paragrafo.mid(linha.textStart(), linha.textLength()).trimmed();
        }
        layout.endLayout();
        if (paragrafo.isEmpty())
            linhas << QString();
    }
    *altura = linhas.size() * m.lineSpacing();
    return linhas;
}

bool cabeSemQuebrarPalavra(const QString& texto, const QFont& f, qreal largura)
{
    const QFontMetricsF m(f);
    for (const QString& palavra : texto.split(QRegularExpression(QStringLiteral("\\s+"))))
        if (m.horizontalAdvance(palavra) > largura)
            return false;
    return true;
}

} // namespace

bool cabeNaCaixa(const QString& texto, const QFont& f, const QRectF& caixa, qreal entrelinha)
{
    qreal altura = 0;
    quebraLinhas(texto, f, caixa.width(), &altura);
    return altura * entrelinha <= caixa.height() && cabeSemQuebrarPalavra(texto, f, caixa.width());
}

qreal textoAjustado(QPainter& p, const QRectF& caixa, const QString& texto, QFont f, qreal minimo,
                    int alinhamento, qreal entrelinha)
{
    qreal tamanho = f.pixelSize();
    for (;;) {
        f.setPixelSize(qRound(tamanho));
        if (cabeNaCaixa(texto, f, caixa, entrelinha) || tamanho <= minimo)
            break;
        tamanho = qMax(minimo, tamanho - 1);
    }
    qreal altura = 0;
    QStringList linhas = quebraLinhas(texto, f, caixa.width(), &altura);
    altura *= entrelinha;
    const QFontMetricsF m(f);
    const qreal passo = m.lineSpacing() * entrelinha;
    const int cabem = qMax(1, int(caixa.height() / passo));
    if (linhas.size() > cabem) {
        linhas = linhas.mid(0, cabem);
        linhas.last() =
            m.elidedText(linhas.last() + QStringLiteral(" …"), Qt::ElideRight, caixa.width());
        altura = cabem * passo;
    }
    p.save();
    p.setFont(f);
    qreal y = caixa.top();
    if (alinhamento & Qt::AlignVCenter)
        y += (caixa.height() - altura) / 2;
    else if (alinhamento & Qt::AlignBottom)
        y += caixa.height() - altura;
    for (const QString& linha : linhas) {
        const QRectF faixa(caixa.left(), y, caixa.width(), passo);
        p.drawText(faixa, (alinhamento & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, linha);
        y += passo;
    }
    p.restore();
    return tamanho;
}

void textoContornado(QPainter& p, const QRectF& caixa, const QString& texto, const QFont& f,
                     const QColor& cor, const QColor& contorno, qreal espessura, int alinhamento)
{
    const QFontMetricsF m(f);
    const QRectF medida = m.boundingRect(caixa, alinhamento, texto);
    qreal x = medida.left();
    const qreal y = medida.top() + m.ascent();
    QPainterPath caminho;
    caminho.addText(QPointF(x, y), f, texto);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(contorno, espessura * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(caminho);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPath(caminho);
    p.restore();
}

QPainterPath estrela(QPointF centro, qreal raioExterno, qreal raioInterno, int pontas,
                     qreal anguloGraus)
{
    QPainterPath caminho;
    for (int i = 0; i < pontas * 2; ++i) {
        const qreal raio = i % 2 == 0 ? raioExterno : raioInterno;
        const qreal a = qDegreesToRadians(anguloGraus + i * 180.0 / pontas);
        const QPointF ponto(centro.x() + raio * qCos(a), centro.y() + raio * qSin(a));
        if (i == 0)
            caminho.moveTo(ponto);
        else
            caminho.lineTo(ponto);
    }
    caminho.closeSubpath();
    return caminho;
}

namespace {

QPolygonF pentagono(QPointF centro, qreal raio, qreal anguloGraus)
{
    QPolygonF poligono;
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(anguloGraus + i * 72.0);
        poligono << QPointF(centro.x() + raio * qCos(a), centro.y() + raio * qSin(a));
    }
    return poligono;
}

} // namespace

void bola(QPainter& p, const QRectF& caixa, const QColor& corpo, const QColor& gomos)
{
    const qreal r = qMin(caixa.width(), caixa.height()) / 2;
    const QPointF c = caixa.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath circulo;
    circulo.addEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(corpo);
    p.drawPath(circulo);
    p.setClipPath(circulo);
    // Central pentagon, its five neighbours cut by the rim, and the seams between them.
    const qreal rc = r * 0.3;
    p.setBrush(gomos);
    p.drawPolygon(pentagono(c, rc, -90));
    QList<QPolygonF> vizinhos;
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(-90 + 36 + i * 72.0);
        const QPointF fora(c.x() + r * 0.86 * qCos(a), c.y() + r * 0.86 * qSin(a));
        vizinhos << pentagono(fora, rc * 0.82, qRadiansToDegrees(a) + 180);
        p.setPen(Qt::NoPen);
        p.drawPolygon(vizinhos.last());
    }
    const auto maisPerto = [](const QPolygonF& poligono, QPointF alvo) {
        QPointF melhor = poligono.first();
        for (const QPointF& v : poligono)
            if (QLineF(v, alvo).length() < QLineF(melhor, alvo).length())
                melhor = v;
        return melhor;
    };
    p.setPen(QPen(gomos, qMax(1.0, r * 0.05), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < 5; ++i) {
        // Seam from each corner of the centre to a fork that meets the two nearest neighbours.
        const qreal av = qDegreesToRadians(-90 + i * 72.0);
        const QPointF vertice(c.x() + rc * qCos(av), c.y() + rc * qSin(av));
        const QPointF garfo(c.x() + r * 0.58 * qCos(av), c.y() + r * 0.58 * qSin(av));
        p.drawLine(vertice, garfo);
        p.drawLine(garfo, maisPerto(vizinhos[i], garfo));
        p.drawLine(garfo, maisPerto(vizinhos[(i + 4) % 5], garfo));
    }
    // Light from the upper left, shade on the lower right.
    QRadialGradient luz(c - QPointF(r * 0.4, r * 0.45), r * 1.6);
    luz.setColorAt(0, QColor(255, 255, 255, 110));
    luz.setColorAt(0.35, QColor(255, 255, 255, 0));
    luz.setColorAt(0.75, QColor(0, 0, 0, 40));
    luz.setColorAt(1, QColor(0, 0, 0, 120));
    p.setPen(Qt::NoPen);
    p.setBrush(luz);
    p.drawPath(circulo);
    p.setClipping(false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 20, 20), qMax(1.0, r * 0.07)));
    p.drawEllipse(c, r - r * 0.035, r - r * 0.035);
    p.restore();
}

namespace {

QBrush metalico(const QRectF& caixa, const QColor& metal)
{
    QLinearGradient g(caixa.topLeft(), caixa.topRight());
    g.setColorAt(0, metal.darker(150));
    g.setColorAt(0.35, metal.lighter(140));
    g.setColorAt(0.55, metal);
    g.setColorAt(1, metal.darker(170));
    return g;
}

} // namespace

void trofeu(QPainter& p, const QRectF& caixa, const QColor& metal)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(caixa.topLeft());
    p.scale(caixa.width() / 100.0, caixa.height() / 160.0);
    const QRectF todo(0, 0, 100, 160);
    const QPen contorno(metal.darker(230), 2);
    // Base with two green bands.
    QPainterPath base;
    base.moveTo(22, 160);
    base.lineTo(78, 160);
    base.lineTo(70, 122);
    base.lineTo(30, 122);
    base.closeSubpath();
    p.setPen(contorno);
    p.setBrush(metalico(todo, metal));
    p.drawPath(base);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x8a, 0x3c));
    p.drawRect(QRectF(26, 140, 48, 6));
    p.drawRect(QRectF(29, 128, 42, 5));
    // Body rising in a spiral and opening towards the globe.
    QPainterPath corpo;
    corpo.moveTo(32, 122);
    corpo.cubicTo(36, 95, 22, 75, 20, 52);
    corpo.lineTo(80, 52);
    corpo.cubicTo(78, 75, 64, 95, 68, 122);
    corpo.closeSubpath();
    p.setPen(contorno);
    p.setBrush(metalico(todo, metal));
    p.drawPath(corpo);
    p.setPen(QPen(metal.darker(200), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(36, 112), QPointF(62, 70));
    p.drawLine(QPointF(62, 112), QPointF(38, 70));
    // Globe.
    QRadialGradient brilho(QPointF(42, 22), 34);
    brilho.setColorAt(0, metal.lighter(160));
    brilho.setColorAt(1, metal.darker(150));
    p.setPen(contorno);
    p.setBrush(brilho);
    p.drawEllipse(QPointF(50, 30), 28, 28);
    p.setPen(QPen(metal.darker(200), 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(50, 30), 12, 28);
    p.drawLine(QPointF(22, 30), QPointF(78, 30));
    p.drawArc(QRectF(24, 10, 52, 14), 0, 180 * 16);
    p.drawArc(QRectF(24, 36, 52, 14), 180 * 16, 180 * 16);
    p.restore();
}

void chuteira(QPainter& p, const QRectF& caixa, const QColor& cor)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(caixa.topLeft());
    p.scale(caixa.width() / 160.0, caixa.height() / 100.0);
    QPainterPath bota;
    bota.moveTo(20, 20);
    bota.cubicTo(30, 16, 42, 16, 50, 22);
    bota.cubicTo(60, 38, 80, 44, 110, 48);
    bota.cubicTo(140, 52, 156, 60, 154, 72);
    bota.lineTo(150, 80);
    bota.lineTo(14, 80);
    bota.cubicTo(8, 60, 10, 36, 20, 20);
    p.setPen(QPen(cor.darker(250), 2.5));
    QLinearGradient g(0, 15, 0, 80);
    g.setColorAt(0, cor.lighter(150));
    g.setColorAt(1, cor.darker(140));
    p.setBrush(g);
    p.drawPath(bota);
    // Sole, studs and laces.
    p.setBrush(QColor(40, 40, 40));
    p.drawRoundedRect(QRectF(12, 78, 142, 8), 4, 4);
    for (qreal x : {24.0, 48.0, 96.0, 118.0, 140.0})
        p.drawRect(QRectF(x - 4, 86, 8, 9));
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(56 + i * 11, 34 + i * 3), QPointF(64 + i * 11, 44 + i * 2));
    p.setPen(QPen(cor.darker(220), 4));
    p.drawLine(QPointF(30, 62), QPointF(120, 62));
    p.restore();
}

void luva(QPainter& p, const QRectF& caixa, const QColor& cor)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(caixa.topLeft());
    p.scale(caixa.width() / 100.0, caixa.height() / 130.0);
    const QPen contorno(cor.darker(260), 2.5);
    QLinearGradient g(0, 0, 100, 0);
    g.setColorAt(0, cor.lighter(140));
    g.setColorAt(1, cor.darker(130));
    p.setPen(contorno);
    p.setBrush(g);
    // Four fingers, the thumb, the palm and the wrist strap.
    const qreal dedos[4][2] = {{22, 22}, {38, 10}, {54, 8}, {70, 18}};
    for (const auto& d : dedos)
        p.drawRoundedRect(QRectF(d[0], d[1], 15, 60), 7.5, 7.5);
    QPainterPath polegar;
    polegar.addRoundedRect(QRectF(-30, -8, 44, 16), 8, 8);
    p.save();
    p.translate(18, 78);
    p.rotate(-40);
    p.drawPath(polegar);
    p.restore();
    p.drawRoundedRect(QRectF(20, 50, 66, 52), 14, 14);
    p.setBrush(QColor(30, 30, 30));
    p.drawRoundedRect(QRectF(24, 100, 60, 26), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(cor.lighter(170));
    p.drawRect(QRectF(28, 108, 52, 6));
    p.restore();
}

void campo(QPainter& p, const QRectF& caixa, qreal linha)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const int faixas = 10;
    for (int i = 0; i < faixas; ++i) {
        const QRectF faixa(caixa.left() + caixa.width() * i / faixas, caixa.top(),
                           caixa.width() / faixas + 0.5, caixa.height());
        p.fillRect(faixa, i % 2 ? QColor(0x2e, 0x8b, 0x3e) : QColor(0x35, 0x9a, 0x47));
    }
    const QRectF m = caixa.adjusted(linha * 3, linha * 3, -linha * 3, -linha * 3);
    p.setPen(QPen(QColor(255, 255, 255, 230), linha));
    p.setBrush(Qt::NoBrush);
    p.drawRect(m);
    p.drawLine(QPointF(m.center().x(), m.top()), QPointF(m.center().x(), m.bottom()));
    const qreal raio = m.height() * 0.18;
    p.drawEllipse(m.center(), raio, raio);
    const qreal areaL = m.width() * 0.16, areaA = m.height() * 0.56;
    p.drawRect(QRectF(m.left(), m.center().y() - areaA / 2, areaL, areaA));
    p.drawRect(QRectF(m.right() - areaL, m.center().y() - areaA / 2, areaL, areaA));
    const qreal pequenaL = m.width() * 0.06, pequenaA = m.height() * 0.26;
    p.drawRect(QRectF(m.left(), m.center().y() - pequenaA / 2, pequenaL, pequenaA));
    p.drawRect(QRectF(m.right() - pequenaL, m.center().y() - pequenaA / 2, pequenaL, pequenaA));
    p.setBrush(Qt::white);
    p.drawEllipse(m.center(), linha, linha);
    p.restore();
}

void estadio(QPainter& p, const QRectF& caixa, int variante, const QColor& destaque)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(caixa.topLeft());
    p.scale(caixa.width() / 200.0, caixa.height() / 120.0);
    const QPen contorno(QColor(20, 20, 30), 1.5);
    // Floodlight masts behind the stands.
    p.setPen(QPen(QColor(90, 90, 100), 2));
    for (qreal x : {18.0, 182.0}) {
        p.drawLine(QPointF(x, 104), QPointF(x, 12));
        p.setBrush(QColor(255, 250, 210));
        p.drawRect(QRectF(x - 8, 6, 16, 8));
    }
    // The playing surface in front.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x8b, 0x3e));
    p.drawEllipse(QRectF(30, 92, 140, 26));
    p.setPen(QPen(QColor(255, 255, 255, 200), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(60, 98, 80, 14));
    p.drawLine(QPointF(100, 98), QPointF(100, 112));
    p.setPen(contorno);
    QLinearGradient g(0, 20, 0, 100);
    g.setColorAt(0, destaque.lighter(130));
    g.setColorAt(1, destaque.darker(160));
    p.setBrush(g);
    switch (variante) {
    case 1: { // a tent
        QPainterPath tenda;
        tenda.moveTo(20, 98);
        tenda.lineTo(36, 34);
        tenda.quadTo(100, 18, 164, 34);
        tenda.lineTo(180, 98);
        tenda.closeSubpath();
        p.drawPath(tenda);
        p.setPen(QPen(destaque.darker(220), 3));
        for (int i = 0; i < 9; ++i) {
            const qreal x = 34 + i * 16.5;
            p.drawLine(QPointF(x, 96), QPointF(x + (100 - x) * 0.1, 34));
        }
        break;
    }
    case 2: { // containers
        const QColor cores[] = {QColor(0xc0, 0x39, 0x2b), QColor(0x29, 0x80, 0xb9),
                                QColor(0xf3, 0x9c, 0x12), QColor(0x7f, 0x8c, 0x8d)};
        for (int linha = 0; linha < 4; ++linha)
            for (int col = 0; col < 8; ++col) {
                p.setBrush(cores[(linha * 3 + col) % 4]);
                p.drawRect(QRectF(24 + col * 19, 34 + linha * 16, 18, 15));
            }
        break;
    }
    case 3: { // sails
        for (int i = 0; i < 5; ++i) {
            QPainterPath vela;
            const qreal x = 22 + i * 32;
            vela.moveTo(x, 98);
            vela.quadTo(x + 6, 40, x + 34, 26 + (i % 2) * 8);
            vela.quadTo(x + 30, 60, x + 40, 98);
            vela.closeSubpath();
            p.drawPath(vela);
        }
        break;
    }
    case 4: { // a woven cap
        p.drawChord(QRectF(22, 28, 156, 140), 0, 180 * 16);
        p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
        for (int i = 1; i < 6; ++i)
            p.drawArc(QRectF(22 + i * 12, 28 + i * 12, 156 - i * 24, 140 - i * 24), 0, 180 * 16);
        for (int i = 0; i < 12; ++i) {
            const qreal a = qDegreesToRadians(15.0 * i + 7.5);
            p.drawLine(QPointF(100 + 20 * qCos(a), 98 - 20 * qSin(a)),
                       QPointF(100 + 78 * qCos(a), 98 - 70 * qSin(a)));
        }
        break;
    }
    default: { // a bowl with a roof ring
        const qreal topo = variante == 0 ? 30 : 40;
        QPainterPath tigela;
        tigela.moveTo(22, 98);
        tigela.lineTo(30, topo + 8);
        tigela.quadTo(100, topo - 10, 170, topo + 8);
        tigela.lineTo(178, 98);
        tigela.closeSubpath();
        p.drawPath(tigela);
        p.setPen(QPen(destaque.darker(200), 1.5));
        for (int i = 1; i < 5; ++i) {
            const qreal y = topo + 8 + i * (90 - topo) / 5.0;
            p.drawLine(QPointF(26 + i * 0.6, y), QPointF(174 - i * 0.6, y));
        }
        if (variante == 5) { // an arch over the stand
            p.setPen(QPen(QColor(235, 235, 240), 4));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(44, topo - 24, 112, 60), 20 * 16, 140 * 16);
        } else if (variante == 6) { // a diamond facade
            p.setPen(QPen(QColor(255, 255, 255, 170), 1.2));
            for (int i = 0; i < 10; ++i) {
                const qreal x = 30 + i * 15;
                p.drawLine(QPointF(x, 96), QPointF(x + 15, topo + 12));
                p.drawLine(QPointF(x + 15, 96), QPointF(x, topo + 12));
            }
        }
        p.setPen(contorno);
        p.setBrush(QColor(240, 240, 245));
        p.drawRect(QRectF(28, topo + 2, 144, 6));
        break;
    }
    }
    p.restore();
}

} // namespace desenho
