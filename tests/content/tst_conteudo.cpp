// What the build lays out in the game folder from the content sources: sticker and help
// pictures, the banner and the sounds.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {

const QString kJogo = QStringLiteral(DRIBOLEX_GAME_DIR "/");

QByteArray le(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bits per pixel of a BMP file, or 0 when it is not one.
int bitsBmp(const QByteArray& b)
{
    if (b.size() < 30 || !b.startsWith("BM"))
        return 0;
    return qFromLittleEndian<quint16>(b.constData() + 28);
}

struct Wav {
    int formato = 0, canais = 0, taxa = 0, bits = 0;
    QList<qint16> amostras; // first channel
    QString erro;
};

Wav leWav(const QByteArray& b)
{
    Wav w;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        w.erro = QStringLiteral("não é RIFF/WAVE");
        return w;
    }
    qsizetype pos = 12;
    bool temFmt = false;
    while (pos + 8 <= b.size()) {
        const QByteArray id = b.mid(pos, 4);
        const quint32 tamanho = qFromLittleEndian<quint32>(b.constData() + pos + 4);
        const qsizetype corpo = pos + 8;
        if (corpo + qsizetype(tamanho) > b.size()) {
            w.erro = QStringLiteral("bloco %1 cortado").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt ") {
            w.formato = qFromLittleEndian<quint16>(b.constData() + corpo);
            w.canais = qFromLittleEndian<quint16>(b.constData() + corpo + 2);
            w.taxa = int(qFromLittleEndian<quint32>(b.constData() + corpo + 4));
            w.bits = qFromLittleEndian<quint16>(b.constData() + corpo + 14);
            temFmt = true;
        } else if (id == "data" && temFmt && w.canais > 0) {
            for (qsizetype i = corpo; i + 2 * w.canais <= corpo + tamanho; i += 2 * w.canais)
                w.amostras << qFromLittleEndian<qint16>(b.constData() + i);
            return w;
        }
        pos = corpo + tamanho + (tamanho & 1);
    }
    w.erro = QStringLiteral("sem dados");
    return w;
}

} // namespace

class TstConteudo : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void stickersAre24BitCards()
    {
        for (int n = 1; n <= 139; ++n) {
            const QString nome =
                kJogo + QStringLiteral("PastaImg/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0'));
            const QByteArray bytes = le(nome);
            QCOMPARE(bitsBmp(bytes), 24);
            QCOMPARE(QImage::fromData(bytes).size(), QSize(320, 320));
        }
        QImageReader vazia(kJogo + QStringLiteral("PastaImg/imagem0.jpg"));
        QCOMPARE(vazia.format(), QByteArray("jpeg"));
        QCOMPARE(vazia.read().size(), QSize(320, 320));
    }

    void helpPagesAreLargeJpegs_data()
    {
        QTest::addColumn<QString>("pagina");
        for (const char* p :
             {"ImagemExp1", "ImagemExp2", "ImagemExp7", "ImagemExp8", "ImagemExp9", "ImagemExp11",
              "ImagemExp12", "ImagemExp13", "ImagemExp14", "ImagemPgt1"})
            QTest::newRow(p) << QString::fromLatin1(p);
    }

    void helpPagesAreLargeJpegs()
    {
        QFETCH(QString, pagina);
        QImageReader leitor(kJogo + QStringLiteral("PastaImgHelp/") + pagina +
                            QStringLiteral(".jpg"));
        QCOMPARE(leitor.format(), QByteArray("jpeg"));
        const QImage imagem = leitor.read();
        QCOMPARE(imagem.size(), QSize(1026, 962));
        // The page is mostly light paper with dark text on it, not a blank or black sheet.
        int claros = 0, escuros = 0;
        for (int y = 430; y < 930; y += 4)
            for (int x = 40; x < 990; x += 4) {
                claros += qGray(imagem.pixel(x, y)) > 200;
                escuros += qGray(imagem.pixel(x, y)) < 90;
            }
        QVERIFY(claros > escuros * 3);
        QVERIFY(escuros > 300);
    }

    void bannerIs24BitBmp()
    {
        const QByteArray bytes = le(kJogo + QStringLiteral("ImgPatroc/LogoTernavo.bmp"));
        QCOMPARE(bitsBmp(bytes), 24);
        QCOMPARE(QImage::fromData(bytes).size(), QSize(1216, 378));
    }

    void soundsArePleasantPcm_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<double>("minimo");
        QTest::addColumn<double>("maximo");
        QTest::addColumn<bool>("laco");
        QTest::newRow("estadio1") << QStringLiteral("estadio1.wav") << 6.0 << 10.0 << true;
        QTest::newRow("Estadio2") << QStringLiteral("Estadio2.wav") << 6.0 << 10.0 << true;
        QTest::newRow("Tempo") << QStringLiteral("Tempo.wav") << 1.95 << 2.05 << true;
        QTest::newRow("goleiro") << QStringLiteral("goleiro.wav") << 1.0 << 10.0 << true;
        QTest::newRow("apito") << QStringLiteral("apito.wav") << 0.6 << 1.0 << false;
        QTest::newRow("acerto") << QStringLiteral("acerto.wav") << 1.2 << 1.8 << false;
        QTest::newRow("errada1") << QStringLiteral("errada1.wav") << 0.6 << 1.0 << false;
        QTest::newRow("errada2") << QStringLiteral("errada2.wav") << 0.6 << 1.0 << false;
        QTest::newRow("Saida") << QStringLiteral("Saida.wav") << 0.8 << 1.2 << false;
        QTest::newRow("suspense") << QStringLiteral("suspense.wav") << 0.8 << 1.2 << false;
        QTest::newRow("certo4") << QStringLiteral("certo4.wav") << 1.7 << 2.3 << false;
    }

    void soundsArePleasantPcm()
    {
        QFETCH(QString, nome);
        QFETCH(double, minimo);
        QFETCH(double, maximo);
        QFETCH(bool, laco);
        const Wav w = leWav(le(kJogo + QStringLiteral("sons/") + nome));
        QVERIFY2(w.erro.isEmpty(), qPrintable(w.erro));
        QCOMPARE(w.formato, 1);
        QCOMPARE(w.bits, 16);
        QCOMPARE(w.taxa, 44100);
        QVERIFY(w.canais == 1 || w.canais == 2);
        const double segundos = double(w.amostras.size()) / w.taxa;
        QVERIFY2(segundos >= minimo && segundos <= maximo, qPrintable(QString::number(segundos)));

        int pico = 0;
        for (qint16 s : w.amostras)
            pico = std::max(pico, std::abs(int(s)));
        const double dbfs = 20 * std::log10(pico / 32768.0);
        QVERIFY2(dbfs <= -3.0, qPrintable(QString::number(dbfs)));
        QVERIFY2(dbfs >= -12.0, qPrintable(QString::number(dbfs))); // audible, not broken

        const int primeira = w.amostras.first(), ultima = w.amostras.last();
        if (laco) {
            // Played back to back, the step from the last sample to the first must look like
            // any step inside the sound, not like a click.
            QList<int> passos;
            for (qsizetype i = 1; i < w.amostras.size(); ++i)
                passos << std::abs(w.amostras[i] - w.amostras[i - 1]);
            std::sort(passos.begin(), passos.end());
            const int p99 = passos[passos.size() * 99 / 100];
            QVERIFY2(
                std::abs(ultima - primeira) <= std::max(p99, 64),
                qPrintable(
                    QStringLiteral("salto %1, p99 %2").arg(std::abs(ultima - primeira)).arg(p99)));
        } else {
            // Short cues fade in and out.
            QVERIFY(std::abs(primeira) < 330);
            QVERIFY(std::abs(ultima) < 330);
        }
    }
};

QTEST_GUILESS_MAIN(TstConteudo)
#include "tst_conteudo.moc"
