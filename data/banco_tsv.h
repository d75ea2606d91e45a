#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The question bank as a tab-separated text for people who write their own question sets.

inline constexpr char kCabecalhoTsv[] =
    "numero\tcodigo\tusada\tpergunta\tresp_certa\tresp_errada1\tresp_errada2\tcomplemento";

// Every whole record of a bank, texts restored, as UTF-8 TSV with its header line.
QByteArray exportaBanco(QByteArrayView banco);

struct ResultadoImportacao {
    QByteArray banco;
    QString erro; // empty on success
};
// Reads the TSV and builds a bank whose records restore to exactly its texts. Records past the
// 2500 the game draws from are kept, as the game keeps them, so exportar and importar agree.
ResultadoImportacao importaBanco(QByteArrayView tsv);

// Clears every drawn flag, leaving every other byte as it was.
QByteArray zeraBanco(QByteArrayView banco);

struct Verificacao {
    int registros = 0;
    int sorteadas = 0;
    QStringList problemas;
};
Verificacao verificaBanco(QByteArrayView banco);

// A valid code for the record at a position, the same for the same position.
QByteArray codigoGerado(int posicao);
