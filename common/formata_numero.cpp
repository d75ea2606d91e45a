#include "formata_numero.h"

void SubstituiTexto(QString& texto, const QString& busca, const QString& troca)
{
    if (busca.isEmpty() || busca == troca)
        return;
    QString result;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = texto.indexOf(busca, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        result += QStringView(texto).mid(from, at - from);
        result += troca;
        from = at + busca.size();
    }
    result += QStringView(texto).mid(from);
    texto = result;
}

QString FormataNumero(const QString& Texto, quint8 Tamanho, quint8 Decimais, QChar Alinhamento,
                      QChar Preenche, QChar Separador)
{
    const QChar blank = QLatin1Char(' ');
    QString s = Texto;
    if (Separador != blank)
        SubstituiTexto(s, QStringLiteral("."), QStringLiteral(","));

    // 1-based position of the first comma, 0 when there is none.
    const qsizetype p = s.indexOf(QLatin1Char(',')) + 1;

    QString fraction;
    QString integer = s;
    if (Decimais > 0) {
        if (p >= 2) {
            fraction = s.mid(p).left(Decimais);
            integer = s.left(p - 1);
        }
        while (fraction.size() < Decimais)
            fraction += QLatin1Char('0');
    }

    const bool left = Alinhamento == QLatin1Char('E') || Alinhamento == QLatin1Char('e');
    const bool right = Alinhamento == QLatin1Char('D') || Alinhamento == QLatin1Char('d');
    if (integer.size() > Tamanho && left) {
        while (!integer.isEmpty() && integer.front() == Preenche)
            integer.remove(0, 1);
    }
    if (integer.size() > Tamanho) {
        integer.truncate(Tamanho);
    } else {
        const qsizetype k = qsizetype(Tamanho) - Decimais - integer.size();
        if (k > 0) {
            const QString pad(k, Preenche);
            if (left)
                integer.prepend(pad);
            else if (right)
                integer.append(pad);
        }
    }

    QString result = integer;
    if (Separador != blank)
        result += Separador;
    return result + fraction;
}

QString numeroCincoDigitos(int n)
{
    return FormataNumero(QString::number(n), 5, 0, QLatin1Char('E'), QLatin1Char('0'),
                         QLatin1Char(' '));
}

QString numeroDoisDigitos(int n)
{
    return FormataNumero(QString::number(n), 2, 0, QLatin1Char('E'), QLatin1Char('0'),
                         QLatin1Char(' '));
}
