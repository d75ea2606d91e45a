#include "icones_som.h"

#include "common/controles.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"

namespace som {

std::pair<Picture*, Picture*> criaIcones(QWidget* parent, const QRect& lugar,
                                         std::function<Chave()> chave)
{
    Picture* comSom =
        novaFigura(parent, lugar, caminhoArte(arte::kSomLigado), QStringLiteral("Desligar o som"));
    Picture* semSom =
        novaFigura(parent, lugar, caminhoArte(arte::kSomDesligado), QStringLiteral("Ligar o som"));
    semSom->stackUnder(comSom);
    QObject::connect(comSom, &Picture::clicked, parent, [chave] { chave().desliga(); });
    QObject::connect(semSom, &Picture::clicked, parent, [chave] { chave().liga(); });
    return {comSom, semSom};
}

} // namespace som
