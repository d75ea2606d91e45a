#include "tf_trocas.h"

TfTrocas* fTrocas = nullptr;

TfTrocas::TfTrocas(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fTrocas"));
    setWindowTitle(QStringLiteral("fTrocas"));
}
