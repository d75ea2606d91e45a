#include "sons.h"

#include "common/platform.h"

#include <QWidget>

bool SomLigado = false;

namespace som {

namespace {

// The path text of a sound beside the program, as in "\sons\apito.wav".
QString caminho(const char* cue)
{
    return QStringLiteral("\\sons\\") + QLatin1String(cue);
}

} // namespace

void Chave::sincroniza() const
{
    comSom->setVisible(SomLigado);
    semSom->setVisible(!SomLigado);
    if (SomLigado)
        tocaEmLaco(laco);
    else
        para();
}

void Chave::desliga() const
{
    comSom->hide();
    semSom->show();
    para();
    if (geral)
        SomLigado = !comSom->isHidden();
}

void Chave::liga() const
{
    comSom->show();
    semSom->hide();
    tocaEmLaco(laco);
    if (geral)
        SomLigado = true;
}

void tocaUmaVez(const char* cue)
{
    platform().playOnce(programFile(caminho(cue)));
}

void tocaEmLaco(const char* cue)
{
    platform().playLooped(programFile(caminho(cue)));
}

void tocaEEspera(const char* cue)
{
    platform().playAndWait(programFile(caminho(cue)));
}

void para()
{
    platform().stopSound();
}

} // namespace som
