// Any bytes load as a player file, and a save writes back exactly its whole records.

#include "fuzz_support.h"
#include "jogadores.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFolder folder;
    static const bool moved = QDir::setCurrent(folder.dir.path());
    FUZZ_CHECK(moved);
    folder.write("TernavoAlbum.tnv", data, size);
    CarregaJogadores();
    FUZZ_CHECK(QtdJogadores == std::min<int>(50, int(size / sizeof(tJogador))));
    if (QtdJogadores > 0) {
        EscolheJogador(1);
        AcrescentaFigurinha(1 + (size > 0 ? data[0] : 0));
        JogadorAtual = Jogadores[1];
    }
    GravaJogadores(false);
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_CHECK(folder.read("TernavoAlbum.tnv") ==
               input.left(qsizetype(size / sizeof(tJogador)) * qsizetype(sizeof(tJogador))));
    return 0;
}
