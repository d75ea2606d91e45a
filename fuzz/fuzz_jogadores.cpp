// Any bytes load as a player file, and a save writes back exactly its whole records.

#include "data/jogadores.h"
#include "fuzz_support.h"

#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <string>
#include <vector>

// The player file lives in the working folder, so the harness moves into a folder of its own;
// every path libFuzzer was given (corpus folders, artifact prefix) is made absolute first so
// that new units and crash files still land where the caller asked.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static std::vector<std::string> texts;
    static std::vector<char*> args;
    bool prefix = false;
    for (int i = 0; i < *argc; ++i) {
        std::string arg = (*argv)[i];
        for (const char* flag : {"-artifact_prefix=", "-exact_artifact_path=", "-dict="}) {
            const std::size_t n = std::strlen(flag);
            if (arg.compare(0, n, flag) == 0) {
                prefix = prefix || arg.compare(0, n, "-artifact_prefix=") == 0;
                const std::string value = arg.substr(n);
                const bool folder = !value.empty() && value.back() == '/';
                arg = flag +
                      QFileInfo(QString::fromStdString(value)).absoluteFilePath().toStdString() +
                      (folder ? "/" : "");
            }
        }
        if (i > 0 && !arg.empty() && arg[0] != '-')
            arg = QFileInfo(QString::fromStdString(arg)).absoluteFilePath().toStdString();
        texts.push_back(arg);
    }
    if (!prefix)
        texts.push_back("-artifact_prefix=" + QDir::currentPath().toStdString() + "/");
    for (std::string& text : texts)
        args.push_back(text.data());
    args.push_back(nullptr);
    *argc = int(texts.size());
    *argv = args.data();
    return 0;
}

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
