// Prints how long the data files take to load and save, each beside a plain read or write of
// the same bytes, with the game's own platform (events are let run between records).

#include "common/desktop_platform.h"
#include "data/banco_questoes.h"
#include "data/banco_tsv.h"
#include "data/catalogo.h"
#include "data/jogadores.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

double medianMs(int runs, const std::function<void()>& work)
{
    QList<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times << double(timer.nsecsElapsed()) / 1e6;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void plainWrite(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray plainRead(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void row(const char* what, double game, double plain)
{
    std::printf("%-44s %9.3f ms   (leitura/gravação simples: %7.3f ms)\n", what, game, plain);
}

class BenchPlatform : public DesktopPlatform {
public:
    explicit BenchPlatform(QString pasta)
        : folder(std::move(pasta))
    {
    }
    QString programFolder() override { return folder; }

private:
    QString folder;
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("PastaImg"));
    BenchPlatform desktop(dir.path() + QLatin1Char('/'));
    setPlatform(&desktop);
    QDir::setCurrent(dir.path());
    const int runs = 21;

    QByteArray tsv = QByteArray(kCabecalhoTsv) + '\n';
    for (int k = 1; k <= 2500; ++k)
        tsv += "0\t\t0\tQual seleção venceu a Copa do Mundo de 2022, no Catar, em dezembro?\t"
               "Argentina\tFrança\tCroácia\tA Argentina venceu a França nos pênaltis.\n";
    const QByteArray bank = importaBanco(tsv).banco;
    const QString bankPath = dir.filePath(QStringLiteral("Quest1.Dat"));
    plainWrite(bankPath, bank);
    row("banco de 2500 perguntas: carregar e restaurar", medianMs(runs, CarregaQuestoes),
        medianMs(runs, [&] { plainRead(bankPath); }));
    row("banco de 2500 perguntas: gravar", medianMs(runs, GravaQuestoes),
        medianMs(runs, [&] { plainWrite(bankPath, bank); }));

    const QString legendPath = dir.filePath(QStringLiteral("PastaImg/LegendasImg.Dat"));
    const QByteArray legends(139 * int(sizeof(tLegenda)), '\0');
    plainWrite(legendPath, legends);
    CarregaLegendas();
    row("sorteio de figura (139 legendas regravadas)", medianMs(runs, [] { sorteiaFigura(0); }),
        medianMs(runs, [&] { plainWrite(legendPath, legends); }));

    const QString playersPath = dir.filePath(QStringLiteral("TernavoAlbum.tnv"));
    const QByteArray players(50 * int(sizeof(tJogador)), '\0');
    plainWrite(playersPath, players);
    row("arquivo de 50 jogadores: carregar", medianMs(runs, [] { CarregaJogadores(); }),
        medianMs(runs, [&] { plainRead(playersPath); }));
    row("arquivo de 50 jogadores: gravar", medianMs(runs, [] { GravaJogadores(true); }),
        medianMs(runs, [&] { plainWrite(playersPath, players); }));
    return 0;
}
