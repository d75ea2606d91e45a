#include "tf_prin.h"

#include "ajusta_tela.h"
#include "catalogo.h"

TfPrin* fPrin = nullptr;

TfPrin::TfPrin(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fPrin"));
    resize(608, 569);
    LarguraBase = 1400;
    AjustaTela(*this);
    CarregaLegendas();
}
