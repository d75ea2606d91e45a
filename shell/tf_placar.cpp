#include "tf_placar.h"

#include "common/ajusta_tela.h"
#include "common/controles.h"
#include "common/cores.h"
#include "content/recursos/recursos.h"

TfPlacar* fPlacar = nullptr;

TfPlacar::TfPlacar(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fPlacar"));
    resize(688, 475);
    QFont fonte = font();
    fonte.setFamily(fonteDestaque());
    fonte.setBold(true);
    fonte.setPixelSize(67);
    setFont(fonte);

    Panel1 = novoPainel(this, QRect(0, 0, 688, 475), Qt::black);
    Panel1->setSingleBorder(true);
    Panel1->setBevelInner(Panel::Bevel::Lowered);
    Panel1->setBevelWidth(5);
    Panel1->setBorderWidth(5);
    connect(Panel1, &Panel::clicked, this, &TfPlacar::Panel1Click);

    auto rotulo = [this](int top, int height, const QString& texto, int pixels) {
        Label* l = novoRotulo(Panel1, QRect(20, top, 645, height), texto, kAmarelo, pixels, true,
                              fonteDestaque());
        l->setAlignment(Qt::AlignCenter);
        connect(l, &Label::clicked, this, &TfPlacar::Panel1Click);
        return l;
    };
    Label1 = rotulo(32, 77, QStringLiteral("Placar Final"), 67);
    lbPlacar = rotulo(128, 171, QStringLiteral("0 x 0"), 133);
    lbPlacar->setFontColor(kLima);
    lbGanhou = rotulo(313, 76, QStringLiteral("você ganhou"), 67);
    Label2 = rotulo(396, 32, QStringLiteral("Clique em qualquer lugar da tela para sair"), 27);
    Label2->setCursor(Qt::PointingHandCursor);

    AjustaTela(*this);
}

void TfPlacar::Panel1Click()
{
    close();
}
