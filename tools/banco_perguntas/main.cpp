// banco-perguntas: exports, imports, clears and checks the game's question bank.

#include "comandos.h"

#include <QFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    // Unbuffered, so a failed write to the output is seen by the command that made it.
    QFile saida;
    QFile erros;
    saida.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    erros.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    return executaComando(args, saida, erros);
}
