// Any text either is refused or imports into a bank that checks clean and exports back into
// the same bank.

#include "data/banco_tsv.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const ResultadoImportacao first =
        importaBanco(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!first.erro.isEmpty()) {
        FUZZ_CHECK(first.banco.isEmpty());
        return 0;
    }
    FUZZ_CHECK(verificaBanco(first.banco).problemas.isEmpty());
    const ResultadoImportacao again = importaBanco(exportaBanco(first.banco));
    FUZZ_CHECK(again.erro.isEmpty());
    FUZZ_CHECK(again.banco == first.banco);
    return 0;
}
