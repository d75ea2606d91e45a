// Any bytes load as a legend file; a draw then deals 1..138 and keeps every whole record.

#include "data/catalogo.h"
#include "fuzz_support.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static FuzzFolder folder;
    static const bool made = QDir(folder.dir.path()).mkpath(QStringLiteral("PastaImg"));
    FUZZ_CHECK(made);
    folder.write("PastaImg/LegendasImg.Dat", data, size);
    CarregaLegendas();
    const int mode = size > 0 ? data[0] % 2 : 0;
    const int n = sorteiaFigura(quint8(mode));
    FUZZ_CHECK(n >= 1 && n <= 138);
    FUZZ_CHECK(Legendas[n].Sorteada == 1);
    const qsizetype records = std::max<qsizetype>(139, qsizetype(size / sizeof(tLegenda)));
    const QByteArray after = folder.read("PastaImg/LegendasImg.Dat");
    FUZZ_CHECK(after.size() == records * qsizetype(sizeof(tLegenda)));
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype catalogue = 139 * qsizetype(sizeof(tLegenda));
    FUZZ_CHECK(after.mid(catalogue) == input.mid(catalogue, after.size() - catalogue));
    return 0;
}
