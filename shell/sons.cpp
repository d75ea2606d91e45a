#include "sons.h"

#include "platform.h"

bool SomLigado = false;

namespace som {

void tocaUmaVez(const QString& cue)
{
    platform().playOnce(programFile(cue));
}

void tocaEmLaco(const QString& cue)
{
    platform().playLooped(programFile(cue));
}

void tocaEEspera(const QString& cue)
{
    platform().playAndWait(programFile(cue));
}

void para()
{
    platform().stopSound();
}

} // namespace som
