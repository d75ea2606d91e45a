#include "sons.h"

#include "common/platform.h"

#include <QWidget>

bool SomLigado = false;

namespace som {

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
