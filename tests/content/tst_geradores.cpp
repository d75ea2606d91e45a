// The content generators: every kind of sticker row draws, the same sources give the same
// bytes, and bad sources stop a generator with a clear message and no output.

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

const QString kFonte = QStringLiteral(DRIBOLEX_SOURCE_DIR "/");
const QString kAmostra = kFonte + QStringLiteral("tests/content/figurinhas_amostra.tsv");
const QString kJogos = kFonte + QStringLiteral("content/jogos.tsv");

struct Resultado {
    int codigo = -1;
    QString erro;
};

Resultado roda(const QString& programa, const QStringList& argumentos)
{
    QProcess processo;
    // The generators run dozens of times here; a leak check at each of their exits adds nothing
    // but the sanitizer's own tracer, which now and then crashes on a loaded machine.
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("ASAN_OPTIONS"), ambiente.value(QStringLiteral("ASAN_OPTIONS")) +
                                                        QStringLiteral(":detect_leaks=0"));
    processo.setProcessEnvironment(ambiente);
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(120000))
        return {};
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            QString::fromLocal8Bit(processo.readAllStandardError())};
}

QString le(const QString& caminho)
{
    QFile f(caminho);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void grava(const QString& caminho, const QString& texto)
{
    QFile f(caminho);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(texto.toUtf8());
}

// Relative path -> content hash of every file under pasta.
QMap<QString, QByteArray> arquivos(const QString& pasta)
{
    QMap<QString, QByteArray> mapa;
    QDirIterator it(pasta, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString caminho = it.next();
        QFile f(caminho);
        if (f.open(QIODevice::ReadOnly))
            mapa[QDir(pasta).relativeFilePath(caminho)] =
                QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    return mapa;
}

// The sample sticker list with its line numero (1-based, after the header) replaced.
QString amostraCom(int numero, const QString& linha)
{
    QStringList linhas = le(kAmostra).split(QLatin1Char('\n'));
    linhas[numero] = linha;
    return linhas.join(QLatin1Char('\n'));
}

} // namespace

class TstGeradores : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString arte() const { return dir.filePath(QStringLiteral("arte")); }

    QStringList paginasDeAjuda() const
    {
        QStringList paginas;
        for (const QString& p : QDir(kFonte + QStringLiteral("content/ajuda"))
                                    .entryList({QStringLiteral("*.txt")}, QDir::Files))
            paginas << kFonte + QStringLiteral("content/ajuda/") + p;
        return paginas;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The help pages draw the screen art: make one set for every test here.
        QCOMPARE(
            roda(QStringLiteral(GERA_ARTE), {arte(), dir.filePath(QStringLiteral("logo"))}).codigo,
            0);
    }

    void everyKindOfStickerDraws()
    {
        const QString saida = dir.filePath(QStringLiteral("todas"));
        const Resultado r = roda(QStringLiteral(GERA_FIGURINHAS), {kAmostra, kJogos, saida});
        QVERIFY2(r.codigo == 0, qPrintable(r.erro));
        QCOMPARE(QFileInfo(saida + QStringLiteral("/LegendasImg.Dat")).size(), 139 * 160);
        QSet<QByteArray> diferentes;
        for (int n = 1; n <= 139; ++n) {
            const QImage img(saida +
                             QStringLiteral("/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0')));
            QCOMPARE(img.size(), QSize(320, 320));
            diferentes << QByteArray(reinterpret_cast<const char*>(img.constBits()),
                                     img.sizeInBytes());
        }
        QCOMPARE(diferentes.size(), 139);
    }

    // Player stickers wear a shirt of their own: even two of one team with one name (rows 71 and
    // 72 of the sample) differ where the shirt is, not only in the title band below it.
    void playerStickersDifferInTheirShirts_data()
    {
        QTest::addColumn<int>("uma");
        QTest::addColumn<int>("outra");
        QTest::newRow("same team, same name") << 71 << 72;
        QTest::newRow("same team, other name") << 68 << 71;
        QTest::newRow("player and captain") << 72 << 73;
    }

    void playerStickersDifferInTheirShirts()
    {
        QFETCH(int, uma);
        QFETCH(int, outra);
        const QString saida = dir.filePath(QStringLiteral("camisas"));
        if (!QFileInfo::exists(saida + QStringLiteral("/LegendasImg.Dat"))) {
            const Resultado r = roda(QStringLiteral(GERA_FIGURINHAS), {kAmostra, kJogos, saida});
            QVERIFY2(r.codigo == 0, qPrintable(r.erro));
        }
        const auto figurinha = [&](int n) {
            return QImage(saida + QStringLiteral("/imagem%1.bmp").arg(n, 5, 10, QLatin1Char('0')))
                .convertToFormat(QImage::Format_RGB32);
        };
        const QImage a = figurinha(uma), b = figurinha(outra);
        QVERIFY(!a.isNull() && !b.isNull());
        // The shirt's middle: below the number badge, left of the flag, above the title band.
        const QRect camisa(70, 60, 130, 110);
        int diferentes = 0;
        for (int y = camisa.top(); y <= camisa.bottom(); ++y)
            for (int x = camisa.left(); x <= camisa.right(); ++x) {
                const QColor pa = a.pixelColor(x, y), pb = b.pixelColor(x, y);
                if (std::abs(pa.red() - pb.red()) + std::abs(pa.green() - pb.green()) +
                        std::abs(pa.blue() - pb.blue()) >
                    60)
                    ++diferentes;
            }
        QVERIFY2(diferentes > camisa.width() * camisa.height() / 5,
                 qPrintable(QStringLiteral("só %1 pixels diferentes").arg(diferentes)));
    }

    void matchKeyFindsTheMatchEitherWayRound()
    {
        // "FRA-ARG" is the final seen from the other side: same flags and score, swapped.
        const QString saida = dir.filePath(QStringLiteral("invertido"));
        const QString pasta = dir.filePath(QStringLiteral("lista_invertida.tsv"));
        grava(pasta,
              amostraCom(48, QStringLiteral("48\tjogo\tFRA-ARG\tFrança x Argentina\t"
                                            "Final\tA final vista pelo outro lado.\tplacar")));
        const Resultado r = roda(QStringLiteral(GERA_FIGURINHAS), {pasta, kJogos, saida});
        QVERIFY2(r.codigo == 0, qPrintable(r.erro));
    }

    void sameSourcesSameBytes_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QStringList>("entradas");
        QTest::newRow("figurinhas")
            << QStringLiteral(GERA_FIGURINHAS) << QStringList{kAmostra, kJogos};
        QTest::newRow("arte") << QStringLiteral(GERA_ARTE) << QStringList{};
        QTest::newRow("ajuda") << QStringLiteral(GERA_AJUDA) << QStringList{QStringLiteral("ARTE")};
        QTest::newRow("sons") << QStringLiteral(GERA_SONS) << QStringList{};
    }

    void sameSourcesSameBytes()
    {
        QFETCH(QString, programa);
        QFETCH(QStringList, entradas);
        const bool ajuda = entradas == QStringList{QStringLiteral("ARTE")};
        QList<QMap<QString, QByteArray>> vezes;
        for (int vez = 0; vez < 2; ++vez) {
            const QString saida = dir.filePath(
                QStringLiteral("repete/%1/%2").arg(QFileInfo(programa).fileName()).arg(vez));
            QStringList args = ajuda ? QStringList{arte(), saida} + paginasDeAjuda()
                                     : entradas + QStringList{saida};
            if (programa == QStringLiteral(GERA_ARTE))
                args << saida + QStringLiteral("/logo");
            const Resultado r = roda(programa, args);
            QVERIFY2(r.codigo == 0, qPrintable(r.erro));
            vezes << arquivos(saida);
        }
        QVERIFY(!vezes[0].isEmpty());
        QCOMPARE(vezes[0], vezes[1]);
    }

    void badSourcesStopWithoutOutput_data()
    {
        QTest::addColumn<QString>("programa");
        QTest::addColumn<QString>("caso");
        QTest::addColumn<QString>("mensagem");
        const QString fig = QStringLiteral(GERA_FIGURINHAS), aj = QStringLiteral(GERA_AJUDA);
        QTest::newRow("list missing") << fig << "sem_lista"
                                      << "não foi possível abrir";
        QTest::newRow("row with five columns") << fig << "cinco_colunas"
                                               << "7 colunas";
        QTest::newRow("unknown picture") << fig << "desenho_desconhecido"
                                         << "desenho desconhecido";
        QTest::newRow("player without a name") << fig << "jogador_sem_nome"
                                               << "jogador:SELEÇÃO:NOME";
        QTest::newRow("player of an unknown team") << fig << "jogador_sem_selecao"
                                                   << "jogador:SELEÇÃO:NOME";
        QTest::newRow("unknown team") << fig << "selecao_desconhecida"
                                      << "seleção desconhecida";
        QTest::newRow("match not played") << fig << "jogo_inexistente"
                                          << "não está na lista";
        QTest::newRow("bad match key") << fig << "chave_ruim"
                                       << "chave de jogo inválida";
        QTest::newRow("one row short") << fig << "138_linhas"
                                       << "o catálogo tem";
        QTest::newRow("corrupt match list") << fig << "jogos_corrompido"
                                            << "jogo inválido";
        QTest::newRow("legend not in Windows-1252") << fig << "legenda_fora"
                                                    << "não cabe";
        QTest::newRow("page without title") << aj << "sem_titulo"
                                            << "faltam";
        QTest::newRow("unknown figure") << aj << "figura_desconhecida"
                                        << "figura desconhecida";
        QTest::newRow("text too long") << aj << "texto_longo"
                                       << "não cabe na página";
        QTest::newRow("title too long for its band") << aj << "titulo_longo"
                                                     << "não cabe no seu espaço";
        QTest::newRow("screen art missing") << aj << "sem_arte"
                                            << "arte ausente";
        QTest::newRow("page the game never opens") << aj << "pagina_estranha"
                                                   << "não é uma página de ajuda";
        QTest::newRow("sounds without folder") << QStringLiteral(GERA_SONS) << "sem_pasta"
                                               << "uso";
    }

    void badSourcesStopWithoutOutput()
    {
        QFETCH(QString, programa);
        QFETCH(QString, caso);
        QFETCH(QString, mensagem);
        const QString base = dir.filePath(QStringLiteral("ruim/") + caso);
        QVERIFY(QDir().mkpath(base));
        const QString saida = base + QStringLiteral("/saida");
        const QString lista = base + QStringLiteral("/lista.tsv");
        const QString jogos = base + QStringLiteral("/jogos.tsv");
        QString pagina = base + QStringLiteral("/ImagemExp1.txt");
        grava(lista, le(kAmostra));
        grava(jogos, le(kJogos));
        grava(pagina, QStringLiteral("Título: Teste\nFigura: menu\n\nUm texto curto.\n"));
        QString pastaArte = arte();
        const QHash<QString, std::function<void()>> preparo = {
            {QStringLiteral("sem_lista"), [&] { QFile::remove(lista); }},
            {QStringLiteral("cinco_colunas"),
             [&] { grava(lista, amostraCom(3, QStringLiteral("3\tselecao\tSEN\tSenegal\tA"))); }},
            {QStringLiteral("selecao_desconhecida"),
             [&] {
                 grava(lista,
                       amostraCom(3, QStringLiteral("3\tselecao\tITA\tItália\tX\tY\tbandeira")));
             }},
            {QStringLiteral("desenho_desconhecido"),
             [&] {
                 grava(lista,
                       amostraCom(3, QStringLiteral("3\tselecao\tSEN\tSenegal\tX\tY\tescudo")));
             }},
            {QStringLiteral("jogador_sem_nome"),
             [&] {
                 grava(lista,
                       amostraCom(68, QStringLiteral("68\tjogador\tr\tR\tX\tY\tjogador:BRA")));
             }},
            {QStringLiteral("jogador_sem_selecao"),
             [&] {
                 grava(lista, amostraCom(68, QStringLiteral(
                                                 "68\tjogador\tr\tR\tX\tY\tjogador:ITA:ROSSI")));
             }},
            {QStringLiteral("jogo_inexistente"),
             [&] {
                 grava(lista,
                       amostraCom(41, QStringLiteral("41\tjogo\tBRA-ARG\tB x A\tX\tY\tplacar")));
             }},
            {QStringLiteral("chave_ruim"),
             [&] {
                 grava(lista, amostraCom(41, QStringLiteral("41\tjogo\tBRASIL\tB\tX\tY\tplacar")));
             }},
            {QStringLiteral("138_linhas"),
             [&] {
                 QStringList l = le(kAmostra).trimmed().split(QLatin1Char('\n'));
                 l.removeLast();
                 grava(lista, l.join(QLatin1Char('\n')));
             }},
            {QStringLiteral("jogos_corrompido"),
             [&] {
                 grava(jogos, le(kJogos).replace(QStringLiteral("\t6\t2\t"),
                                                 QStringLiteral("\tseis\t2\t")));
             }},
            {QStringLiteral("legenda_fora"),
             [&] {
                 grava(lista, amostraCom(3, QStringLiteral(
                                                "3\tselecao\tSEN\tSenegal\tA\tŁódź\tbandeira")));
             }},
            {QStringLiteral("sem_titulo"),
             [&] { grava(pagina, QStringLiteral("Figura: menu\n\nTexto.\n")); }},
            {QStringLiteral("figura_desconhecida"),
             [&] { grava(pagina, QStringLiteral("Título: T\nFigura: nenhuma\n\nTexto.\n")); }},
            {QStringLiteral("texto_longo"),
             [&] {
                 grava(pagina,
                       QStringLiteral("Título: T\nFigura: menu\n\n") +
                           QStringLiteral("Uma frase que se repete sem parar. ").repeated(200));
             }},
            {QStringLiteral("titulo_longo"),
             [&] {
                 grava(pagina, QStringLiteral("Título: Um título comprido demais para caber na "
                                              "faixa da página\nFigura: menu\n\nTexto.\n"));
             }},
            {QStringLiteral("sem_arte"), [&] { pastaArte = base + QStringLiteral("/nada"); }},
            {QStringLiteral("pagina_estranha"),
             [&] {
                 pagina = base + QStringLiteral("/ImagemExp3.txt");
                 grava(pagina, QStringLiteral("Título: Teste\nFigura: menu\n\nUm texto curto.\n"));
             }},
            {QStringLiteral("sem_pasta"), [] {}},
        };
        preparo.value(caso)();
        QStringList args;
        if (programa == QStringLiteral(GERA_FIGURINHAS))
            args = {lista, jogos, saida};
        else if (programa == QStringLiteral(GERA_AJUDA))
            args = {pastaArte, saida, pagina};
        const Resultado r = roda(programa, args);
        QVERIFY(r.codigo > 0);
        QVERIFY2(r.erro.contains(mensagem), qPrintable(r.erro));
        QVERIFY2(arquivos(saida).isEmpty(), "saída parcial");
    }
};

QTEST_GUILESS_MAIN(TstGeradores)
#include "tst_geradores.moc"
