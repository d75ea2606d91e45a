#pragma once

#include <QString>

// Replaces every occurrence of search, found without regard to letter case, by replacement,
// left to right without re-scanning replaced text. Equal search and replacement, or an empty
// search, leave the text alone.
void SubstituiTexto(QString& texto, const QString& busca, const QString& troca);

// Turns a number text into a fixed-width text: "7" with Tamanho 5, 'E' and '0' gives "00007".
QString FormataNumero(const QString& Texto, quint8 Tamanho, quint8 Decimais, QChar Alinhamento,
                      QChar Preenche, QChar Separador);

// The five-digit file number of a picture and the two-digit number of a control.
QString numeroCincoDigitos(int n);
QString numeroDoisDigitos(int n);
