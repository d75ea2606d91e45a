// The art and fonts compiled into the program, and the team flags drawn by the generators.

#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "tools/desenho/desenho.h"

#include <QFontDatabase>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTest>
#include <algorithm>

namespace {

// Design size of each screen picture; the files hold them at twice that size.
struct Peca {
    QStringView nome;
    int largura, altura;
    bool transparente;
};

const Peca kPecas[] = {
    {arte::kFundoJogo, 916, 652, false},
    {arte::kBolaBranca, 73, 69, true},
    {arte::kBolaAzul, 73, 69, true},
    {arte::kBolaAmarela, 73, 69, true},
    {arte::kBolaVerde, 73, 69, true},
    {arte::kBolaVermelha, 26, 26, true},
    {arte::kConfirmar, 60, 113, true},
    {arte::kDesistir, 60, 113, true},
    {arte::kSomLigado, 45, 45, true},
    {arte::kSomDesligado, 45, 45, true},
    {arte::kSair, 49, 49, true},
    {arte::kTitulo, 608, 141, false},
    {arte::kMenuJogar, 170, 170, true},
    {arte::kMenuExplicar, 170, 170, true},
    {arte::kMenuSair, 170, 170, true},
    {arte::kFundoNome, 600, 450, false},
    {arte::kFundoMensagens, 776, 560, false},
    {arte::kPaginaInicial, 513, 481, false},
    {arte::kGol, 261, 105, true},
    {arte::kGoleiro, 45, 53, true},
    {arte::kBatedor, 45, 57, true},
    {arte::kBola, 20, 20, true},
    {arte::kSetaEsquerda, 49, 25, true},
    {arte::kSetaDireita, 49, 25, true},
    {arte::kAjuda, 49, 49, true},
    {arte::kSetaAnterior, 24, 24, true},
    {arte::kSetaProxima, 24, 24, true},
    {arte::kIcone, 256, 256, true},
};

// Every letter a Portuguese text may need, plus the punctuation the help pages use.
const QString kPortugues =
    QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
                   "áâãàéêíóôõúüçÁÂÃÀÉÊÍÓÔÕÚÜÇªº–×?!.,:;()\"'");

QImage bandeiraEm(const QString& codigo, int altura)
{
    const int largura = qRound(altura * desenho::proporcaoBandeira(codigo));
    QImage imagem(largura, altura, QImage::Format_RGB32);
    imagem.fill(Qt::magenta);
    QPainter p(&imagem);
    desenho::bandeira(p, QRectF(0, 0, largura, altura), codigo);
    return imagem;
}

bool parecida(QRgb a, QColor b)
{
    return qAbs(qRed(a) - b.red()) < 40 && qAbs(qGreen(a) - b.green()) < 40 &&
           qAbs(qBlue(a) - b.blue()) < 40;
}

} // namespace

class TstRecursos : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { carregaFontes(); }

    void screenArt_data()
    {
        QTest::addColumn<QString>("nome");
        for (QStringView nome : arte::kTodas)
            QTest::newRow(qPrintable(nome.toString())) << nome.toString();
    }

    void screenArt()
    {
        QFETCH(QString, nome);
        const auto peca = std::find_if(std::begin(kPecas), std::end(kPecas),
                                       [&](const Peca& p) { return p.nome == nome; });
        QVERIFY2(peca != std::end(kPecas), qPrintable(nome + QStringLiteral(": sem tamanho")));
        const QSize tamanho(peca->largura * 2, peca->altura * 2);
        const bool transparente = peca->transparente;
        QCOMPARE(caminhoArte(nome), QStringLiteral(":/arte/") + nome);
        const QImage imagem(caminhoArte(nome));
        QVERIFY2(!imagem.isNull(), qPrintable(nome));
        QCOMPARE(imagem.size(), tamanho);
        QCOMPARE(imagem.hasAlphaChannel(), transparente);
        if (transparente) {
            // Part of it shows what lies behind, part is drawn on.
            qsizetype vazios = 0, opacos = 0;
            for (int y = 0; y < imagem.height(); ++y)
                for (int x = 0; x < imagem.width(); ++x) {
                    vazios += qAlpha(imagem.pixel(x, y)) == 0;
                    opacos += qAlpha(imagem.pixel(x, y)) > 200;
                }
            const qsizetype total = qsizetype(imagem.width()) * imagem.height();
            QVERIFY2(vazios > total / 100, qPrintable(nome));
            QVERIFY2(opacos > total / 20, qPrintable(nome));
        }
    }

    void whiteBallReadsAtGoalSize()
    {
        // Shown 26 x 26 as the goal-for ball: it must stay a light ball with dark panels.
        const QImage pequena = QImage(caminhoArte(arte::kBolaBranca))
                                   .scaled(26, 26, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        int claros = 0, escuros = 0;
        for (int y = 0; y < pequena.height(); ++y)
            for (int x = 0; x < pequena.width(); ++x) {
                const QRgb c = pequena.pixel(x, y);
                if (qAlpha(c) < 200)
                    continue;
                claros += qGray(c) > 180;
                escuros += qGray(c) < 70;
            }
        QVERIFY(claros > 150);
        QVERIFY(escuros > 40);
    }

    void fontsRegisterWithPortugueseGlyphs_data()
    {
        QTest::addColumn<QString>("arquivo");
        QTest::addColumn<bool>("destaque");
        QTest::newRow("Bebas Neue") << QStringLiteral(":/fontes/BebasNeue-Bold.otf") << true;
        QTest::newRow("Open Sans") << QStringLiteral(":/fontes/OpenSans-Regular.ttf") << false;
        QTest::newRow("Open Sans Bold") << QStringLiteral(":/fontes/OpenSans-Bold.ttf") << false;
    }

    void fontsRegisterWithPortugueseGlyphs()
    {
        QFETCH(QString, arquivo);
        QFETCH(bool, destaque);
        const QRawFont fonte(arquivo, 20);
        QVERIFY2(fonte.isValid(), qPrintable(arquivo));
        QCOMPARE(fonte.familyName(), destaque ? fonteDestaque() : fonteTexto());
        for (const QChar c : kPortugues)
            QVERIFY2(fonte.supportsCharacter(c), qPrintable(arquivo + QLatin1Char(' ') + c));
        QVERIFY(QFontDatabase::families().contains(fonte.familyName()));
    }

    void everyTeamHasAFlagAndAName()
    {
        const QStringList codigos =
            QStringLiteral(
                "QAT ECU SEN NED ENG IRN USA WAL ARG KSA MEX POL FRA AUS DEN TUN ESP CRC GER JPN "
                "BEL CAN MAR CRO BRA SRB SUI CMR POR GHA URU KOR")
                .split(QLatin1Char(' '));
        for (const QString& c : codigos) {
            QVERIFY2(desenho::temBandeira(c), qPrintable(c));
            QVERIFY2(!desenho::nomeSelecao(c).isEmpty(), qPrintable(c));
            // The flag covers its whole box.
            const QImage b = bandeiraEm(c, 60);
            for (const QPoint canto : {QPoint(1, 1), QPoint(b.width() - 2, b.height() - 2)})
                QVERIFY2(b.pixel(canto) != QColor(Qt::magenta).rgb(), qPrintable(c));
        }
        QVERIFY(!desenho::temBandeira(QStringLiteral("ITA")));
    }

    void flagColoursAndLayout_data()
    {
        QTest::addColumn<QString>("codigo");
        QTest::addColumn<QPointF>("ponto"); // fraction of width and height
        QTest::addColumn<QColor>("cor");
        const QColor branco(255, 255, 255);
        const struct {
            const char* nome;
            const char* codigo;
            qreal x, y;
            QColor cor;
        } casos[] = {
            {"FRA blue hoist", "FRA", 0.1, 0.5, QColor(0x00, 0x23, 0x95)},
            {"FRA red fly", "FRA", 0.9, 0.5, QColor(0xed, 0x29, 0x39)},
            {"GER black top", "GER", 0.5, 0.1, QColor(0, 0, 0)},
            {"GER gold bottom", "GER", 0.5, 0.9, QColor(0xff, 0xce, 0x00)},
            {"NED red top", "NED", 0.5, 0.1, QColor(0xae, 0x1c, 0x28)},
            {"NED blue bottom", "NED", 0.5, 0.9, QColor(0x21, 0x46, 0x8b)},
            {"POL white top", "POL", 0.5, 0.2, branco},
            {"POL red bottom", "POL", 0.5, 0.8, QColor(0xdc, 0x14, 0x3c)},
            {"JPN red disc", "JPN", 0.5, 0.5, QColor(0xbc, 0x00, 0x2d)},
            {"JPN white field", "JPN", 0.1, 0.1, branco},
            {"BRA green field", "BRA", 0.03, 0.05, QColor(0x00, 0x9c, 0x3b)},
            {"BRA yellow rhombus", "BRA", 0.5, 0.2, QColor(0xff, 0xdf, 0x00)},
            {"BRA blue globe", "BRA", 0.56, 0.32, QColor(0x00, 0x27, 0x76)},
            {"ARG celeste top", "ARG", 0.1, 0.15, QColor(0x74, 0xac, 0xdf)},
            {"ARG white middle", "ARG", 0.1, 0.5, branco},
            {"ARG sun", "ARG", 0.5, 0.5, QColor(0xf6, 0xb4, 0x0e)},
            {"ESP red top", "ESP", 0.8, 0.1, QColor(0xaa, 0x15, 0x1b)},
            {"ESP yellow middle", "ESP", 0.8, 0.5, QColor(0xf1, 0xbf, 0x00)},
            {"URU white first stripe", "URU", 0.9, 0.05, branco},
            {"URU blue second stripe", "URU", 0.9, 1.5 / 9, QColor(0x00, 0x38, 0xa8)},
            {"URU sun in canton", "URU", 5 / 27.0, 5 / 18.0, QColor(0xf6, 0xb4, 0x0e)},
            {"DEN cross", "DEN", 14 / 37.0, 0.1, branco},
            {"DEN red field", "DEN", 0.1, 0.1, QColor(0xc8, 0x10, 0x2e)},
            {"SUI white cross", "SUI", 0.5, 0.5, branco},
            {"SUI red field", "SUI", 0.1, 0.1, QColor(0xda, 0x29, 0x1c)},
            {"ENG red cross", "ENG", 0.5, 0.1, QColor(0xce, 0x11, 0x24)},
            {"ENG white field", "ENG", 0.1, 0.1, branco},
            {"CAN red hoist", "CAN", 0.1, 0.5, QColor(0xd8, 0x06, 0x21)},
            {"CAN red leaf", "CAN", 0.5, 0.5, QColor(0xd8, 0x06, 0x21)},
            {"CAN white centre", "CAN", 0.3, 0.1, branco},
            {"QAT white hoist", "QAT", 0.05, 0.5, branco},
            {"QAT maroon fly", "QAT", 0.8, 0.5, QColor(0x8a, 0x15, 0x38)},
            {"CMR green hoist", "CMR", 0.1, 0.5, QColor(0x00, 0x7a, 0x5e)},
            {"CMR yellow star", "CMR", 0.5, 0.5, QColor(0xfc, 0xd1, 0x16)},
            {"SEN red fly", "SEN", 0.9, 0.5, QColor(0xe3, 0x1b, 0x23)},
            {"SEN green star", "SEN", 0.5, 0.5, QColor(0x00, 0x85, 0x3f)},
            {"GHA black star", "GHA", 0.5, 0.5, QColor(0, 0, 0)},
            {"GHA green bottom", "GHA", 0.5, 0.9, QColor(0x00, 0x6b, 0x3f)},
            {"CRO red top", "CRO", 0.1, 0.15, QColor(0xff, 0x00, 0x00)},
            {"CRO blue bottom", "CRO", 0.1, 0.85, QColor(0x17, 0x17, 0x96)},
            {"SRB red top", "SRB", 0.9, 0.15, QColor(0xc6, 0x36, 0x3c)},
            {"SRB white bottom", "SRB", 0.9, 0.85, branco},
            {"BEL yellow middle", "BEL", 0.5, 0.5, QColor(0xfd, 0xda, 0x24)},
            {"MEX white middle", "MEX", 0.5, 0.1, branco},
            {"MEX red fly", "MEX", 0.9, 0.5, QColor(0xce, 0x11, 0x26)},
            {"POR green hoist", "POR", 0.1, 0.5, QColor(0x00, 0x66, 0x00)},
            {"POR red fly", "POR", 0.9, 0.5, QColor(0xff, 0x00, 0x00)},
            {"TUN white disc", "TUN", 0.5, 0.28, branco},
            {"TUN red field", "TUN", 0.1, 0.5, QColor(0xe7, 0x00, 0x13)},
            {"KOR white field", "KOR", 0.5, 0.05, branco},
            {"KOR red upper half", "KOR", 0.52, 0.3, QColor(0xcd, 0x2e, 0x3a)},
            {"KOR blue lower half", "KOR", 0.48, 0.7, QColor(0x00, 0x47, 0xa0)},
            {"USA red top stripe", "USA", 0.8, 0.03, QColor(0xb2, 0x22, 0x34)},
            {"USA blue canton", "USA", 0.01, 0.02, QColor(0x3c, 0x3b, 0x6e)},
            {"AUS blue field", "AUS", 0.9, 0.95, QColor(0x01, 0x21, 0x69)},
            {"WAL white top", "WAL", 0.03, 0.1, branco},
            {"WAL green bottom", "WAL", 0.03, 0.9, QColor(0x00, 0xb1, 0x40)},
            {"KSA green field", "KSA", 0.05, 0.1, QColor(0x00, 0x6c, 0x35)},
            {"IRN green top", "IRN", 0.5, 0.1, QColor(0x23, 0x9f, 0x40)},
            {"IRN red bottom", "IRN", 0.5, 0.9, QColor(0xda, 0x00, 0x00)},
            {"ECU yellow top", "ECU", 0.1, 0.2, QColor(0xff, 0xdd, 0x00)},
            {"ECU red bottom", "ECU", 0.1, 0.9, QColor(0xed, 0x1c, 0x24)},
            {"CRC red middle", "CRC", 0.9, 0.5, QColor(0xce, 0x11, 0x26)},
            {"CRC blue edge", "CRC", 0.9, 0.05, QColor(0x00, 0x2b, 0x7f)},
            {"MAR red field", "MAR", 0.1, 0.1, QColor(0xc1, 0x27, 0x2d)},
        };
        for (const auto& c : casos)
            QTest::newRow(c.nome) << QString::fromLatin1(c.codigo) << QPointF(c.x, c.y) << c.cor;
    }

    void flagColoursAndLayout()
    {
        QFETCH(QString, codigo);
        QFETCH(QPointF, ponto);
        QFETCH(QColor, cor);
        const QImage b = bandeiraEm(codigo, 200);
        const QPoint pixel(qBound(0, int(ponto.x() * b.width()), b.width() - 1),
                           qBound(0, int(ponto.y() * b.height()), b.height() - 1));
        const QColor visto = QColor::fromRgb(b.pixel(pixel));
        QVERIFY2(parecida(b.pixel(pixel), cor),
                 qPrintable(QStringLiteral("%1 em (%2,%3): %4, esperado %5")
                                .arg(codigo)
                                .arg(pixel.x())
                                .arg(pixel.y())
                                .arg(visto.name(), cor.name())));
    }
};

QTEST_MAIN(TstRecursos)
#include "tst_recursos.moc"
