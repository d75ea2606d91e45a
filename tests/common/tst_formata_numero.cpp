#include "common/formata_numero.h"

#include <QTest>

class TstFormataNumero : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formata_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<int>("tamanho");
        QTest::addColumn<int>("decimais");
        QTest::addColumn<QString>("alinhamento");
        QTest::addColumn<QString>("separador");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("picture number") << "7" << 5 << 0 << "E"
                                        << " "
                                        << "00007";
        QTest::newRow("control number") << "3" << 2 << 0 << "E"
                                        << " "
                                        << "03";
        QTest::newRow("too long loses its last digits") << "345" << 2 << 0 << "E"
                                                        << " "
                                                        << "34";
        QTest::newRow("leading pad stripped then refilled") << "0012" << 3 << 0 << "E"
                                                            << " "
                                                            << "012";
        QTest::newRow("pad before the minus sign") << "-12" << 5 << 0 << "E"
                                                   << " "
                                                   << "00-12";
        QTest::newRow("right alignment pads after") << "7" << 3 << 0 << "D"
                                                    << " "
                                                    << "700";
        QTest::newRow("lower-case alignment") << "7" << 3 << 0 << "d"
                                              << " "
                                              << "700";
        QTest::newRow("other alignment adds nothing") << "7" << 3 << 0 << "X"
                                                      << " "
                                                      << "7";
        QTest::newRow("fraction cut, not rounded") << "3.14159" << 3 << 2 << "E"
                                                   << ","
                                                   << "3,14";
        QTest::newRow("fraction filled") << "5" << 3 << 2 << "E"
                                         << ","
                                         << "5,00";
        QTest::newRow("leading comma is integer part") << ",5" << 3 << 2 << "E"
                                                       << ","
                                                       << ",5,00";
        QTest::newRow("4-char integer part not padded") << "1234.5" << 5 << 2 << "E"
                                                        << ","
                                                        << "1234,50";
        QTest::newRow("5-char integer part not cut") << "12345" << 5 << 2 << "E"
                                                     << ","
                                                     << "12345,00";
        QTest::newRow("blank separator keeps the point") << "1.5" << 5 << 0 << "E"
                                                         << " "
                                                         << "001.5";
        QTest::newRow("no decimals keeps comma in integer") << "1,5" << 5 << 0 << "E"
                                                            << ","
                                                            << "001,5,";
    }

    void formata()
    {
        QFETCH(QString, texto);
        QFETCH(int, tamanho);
        QFETCH(int, decimais);
        QFETCH(QString, alinhamento);
        QFETCH(QString, separador);
        QFETCH(QString, esperado);
        QCOMPARE(FormataNumero(texto, quint8(tamanho), quint8(decimais), alinhamento[0],
                               QLatin1Char('0'), separador[0]),
                 esperado);
    }

    void fixedWidthHelpers()
    {
        QCOMPARE(numeroCincoDigitos(13), QStringLiteral("00013"));
        QCOMPARE(numeroCincoDigitos(138), QStringLiteral("00138"));
        QCOMPARE(numeroDoisDigitos(1), QStringLiteral("01"));
        QCOMPARE(numeroDoisDigitos(12), QStringLiteral("12"));
    }

    void substitui_data()
    {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("busca");
        QTest::addColumn<QString>("troca");
        QTest::addColumn<QString>("esperado");

        QTest::newRow("every occurrence") << "banana"
                                          << "a"
                                          << "A"
                                          << "bAnAnA";
        QTest::newRow("case ignored when searching") << "BaNaNa"
                                                     << "a"
                                                     << "o"
                                                     << "BoNoNo";
        QTest::newRow("equal texts leave it alone") << "1.5.2"
                                                    << "."
                                                    << "."
                                                    << "1.5.2";
        QTest::newRow("replacement not re-scanned") << "aa"
                                                    << "a"
                                                    << "aa"
                                                    << "aaaa";
        QTest::newRow("empty search") << "abc"
                                      << ""
                                      << "x"
                                      << "abc";
        QTest::newRow("point to comma") << "3.14"
                                        << "."
                                        << ","
                                        << "3,14";
    }

    void substitui()
    {
        QFETCH(QString, texto);
        QFETCH(QString, busca);
        QFETCH(QString, troca);
        QFETCH(QString, esperado);
        SubstituiTexto(texto, busca, troca);
        QCOMPARE(texto, esperado);
    }
};

QTEST_APPLESS_MAIN(TstFormataNumero)
#include "tst_formata_numero.moc"
