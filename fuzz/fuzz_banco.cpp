// Any bytes load as a bank, and a save after the load writes back exactly its whole records.

#include "data/banco_questoes.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFolder folder;
    folder.write("Quest1.Dat", data, size);
    CarregaQuestoes();
    FUZZ_CHECK(NumQuestoes == int(size / sizeof(tQuestao)));
    for (int k = 1; k <= NumQuestoes; ++k) {
        FUZZ_CHECK(Questoes[k].Pergunta.valor().size() <= 150);
        FUZZ_CHECK(Questoes[k].Complemento.valor().size() <= 100);
    }
    GravaQuestoes();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    FUZZ_CHECK(folder.read("Quest1.Dat") == input.left(NumQuestoes * qsizetype(sizeof(tQuestao))));
    return 0;
}
