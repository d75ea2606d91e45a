// The sounds the build lays out in the game folder, measured as a player would hear them: how
// loud, how much of them a laptop speaker can play, how long, and for the loops how they start,
// end and join. Every sound's figures are printed, in bounds or not.

#include "content/recursos/sons_nomes.h"
#include "tests/support/file_bytes.h"

#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

namespace {

const QString kSons = QStringLiteral(DRIBOLEX_GAME_DIR "/sons/");

// How long each sound may last, and whether it is played in a loop.
struct Duracao {
    const char* nome;
    double minimo, maximo;
    bool laco;
};

// The crowd loops play for minutes: shorter, their repeats would be heard.
const Duracao kDuracoes[] = {
    {som::kEstadio1, 20.0, 30.0, true}, {som::kEstadio2, 20.0, 30.0, true},
    {som::kTempo, 1.95, 2.05, true},    {som::kGoleiro, 1.0, 10.0, true},
    {som::kApito, 0.6, 1.0, false},     {som::kAcerto, 1.2, 1.8, false},
    {som::kErrada1, 0.6, 1.0, false},   {som::kErrada2, 0.6, 1.0, false},
    {som::kSaida, 0.8, 1.2, false},     {som::kSuspense, 0.8, 1.2, false},
    {som::kCerto4, 1.7, 2.3, false},
};

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

void fft(std::vector<std::complex<double>>& a)
{
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (std::size_t tamanho = 2; tamanho <= n; tamanho <<= 1) {
        const auto passo = std::polar(1.0, -2 * std::numbers::pi / double(tamanho));
        for (std::size_t i = 0; i < n; i += tamanho) {
            std::complex<double> w = 1;
            for (std::size_t k = 0; k < tamanho / 2; ++k) {
                const auto u = a[i + k], v = a[i + k + tamanho / 2] * w;
                a[i + k] = u + v;
                a[i + k + tamanho / 2] = u - v;
                w *= passo;
            }
        }
    }
}

// Share of the energy between the two frequencies, from the spectra of overlapping windows.
double parcelaNaFaixa(const QList<qint16>& s, int taxa, double de, double ate)
{
    constexpr std::size_t kJanela = 4096;
    double faixa = 0, total = 0;
    std::vector<std::complex<double>> bloco(kJanela);
    for (qsizetype inicio = 0; inicio + qsizetype(kJanela) <= s.size(); inicio += kJanela / 2) {
        for (std::size_t i = 0; i < kJanela; ++i) {
            const double hann = 0.5 - 0.5 * std::cos(2 * std::numbers::pi * double(i) / kJanela);
            bloco[i] = hann * s[inicio + qsizetype(i)];
        }
        fft(bloco);
        for (std::size_t k = 0; k <= kJanela / 2; ++k) {
            const double energia = std::norm(bloco[k]);
            const double f = double(k) * taxa / kJanela;
            total += energia;
            if (f >= de && f <= ate)
                faixa += energia;
        }
    }
    return total > 0 ? faixa / total : 0;
}

double dbfs(int pico)
{
    return 20 * std::log10(pico / 32768.0);
}

} // namespace

class TstSons : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void soundsFitSmallSpeakersAndLoopCleanly_data()
    {
        QTest::addColumn<QString>("nome");
        for (const char* nome : som::kTodos)
            QTest::newRow(nome) << QString::fromLatin1(nome);
    }

    void soundsFitSmallSpeakersAndLoopCleanly()
    {
        QFETCH(QString, nome);
        const auto duracao =
            std::find_if(std::begin(kDuracoes), std::end(kDuracoes),
                         [&](const Duracao& d) { return nome == QLatin1String(d.nome); });
        QVERIFY2(duracao != std::end(kDuracoes),
                 qPrintable(nome + QStringLiteral(": sem duração")));
        const double minimo = duracao->minimo, maximo = duracao->maximo;
        const bool laco = duracao->laco;
        const Wav w = leWav(readAll(kSons + nome));
        QVERIFY2(w.erro.isEmpty(), qPrintable(w.erro));
        QCOMPARE(w.formato, 1);
        QCOMPARE(w.bits, 16);
        QCOMPARE(w.taxa, 44100);
        QVERIFY(w.canais == 1 || w.canais == 2);
        QVERIFY(w.amostras.size() > 4096);

        const double segundos = double(w.amostras.size()) / w.taxa;
        int pico = 0;
        for (qint16 s : w.amostras)
            pico = std::max(pico, std::abs(int(s)));
        const double parcela = parcelaNaFaixa(w.amostras, w.taxa, 300, 4000);
        const int primeira = w.amostras.first(), ultima = w.amostras.last();
        // Played back to back, the step from the last sample to the first must look like any
        // step inside the sound, not like a click.
        QList<int> passos;
        for (qsizetype i = 1; i < w.amostras.size(); ++i)
            passos << std::abs(w.amostras[i] - w.amostras[i - 1]);
        std::sort(passos.begin(), passos.end());
        const int p99 = passos[passos.size() * 99 / 100];
        const int salto = std::abs(primeira - ultima);

        QString figuras = QStringLiteral("%1: %2 s, pico %3 dBFS, %4 % entre 300 Hz e 4 kHz")
                              .arg(nome)
                              .arg(segundos, 0, 'f', 2)
                              .arg(dbfs(pico), 0, 'f', 1)
                              .arg(parcela * 100, 0, 'f', 0);
        figuras += QStringLiteral(", primeira amostra %1, última %2").arg(primeira).arg(ultima);
        if (laco)
            figuras +=
                QStringLiteral(", salto na emenda %1 (p99 dos passos %2)").arg(salto).arg(p99);
        qInfo("%s", qPrintable(figuras));

        QVERIFY2(segundos >= minimo && segundos <= maximo, "duração fora dos limites");
        QVERIFY2(dbfs(pico) <= -3.0, "pico acima de -3 dBFS");
        QVERIFY2(dbfs(pico) >= -12.0, "pico abaixo de -12 dBFS: baixo demais");
        // Laptop speakers play little below 300 Hz: most of every sound must lie above it.
        QVERIFY2(parcela >= 0.6, "pouca energia entre 300 Hz e 4 kHz");
        if (laco) {
            // Started from silence and stopped into it, a loop must not click either.
            QVERIFY2(std::abs(primeira) <= 32 && std::abs(ultima) <= 32,
                     "o laço não começa e termina em zero");
            QVERIFY2(salto <= std::max(p99, 64), "salto na emenda do laço");
        } else {
            // Short cues fade in and out.
            QVERIFY2(std::abs(primeira) < 330 && std::abs(ultima) < 330,
                     "o som não começa e termina em silêncio");
        }
    }
};

QTEST_GUILESS_MAIN(TstSons)
#include "tst_sons.moc"
