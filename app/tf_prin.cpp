#include "tf_prin.h"

#include "common/ajusta_tela.h"
#include "common/controles.h"
#include "common/cores.h"
#include "common/platform.h"
#include "common/report_errors.h"
#include "content/recursos/ajuda_paginas.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "data/catalogo.h"
#include "shell/icones_som.h"
#include "shell/sons.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_nome.h"

#include <QGraphicsDropShadowEffect>

TfPrin* fPrin = nullptr;
QString LinkPropaganda;

QList<int> passosAbertura(int gap)
{
    const int n = gap / 40;
    return n >= 1 ? QList<int>(n, gap / n) : QList<int>();
}

TfPrin::TfPrin(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fPrin"));
    setWindowTitle(QStringLiteral("Dribolex 2018"));
    criaControles();
    LarguraBase = 1400;
    AjustaTela(*this);
    encaixaPaineis();
    CarregaLegendas();
}

void TfPrin::criaControles()
{
    resize(608, 569);
    pnTitulo = novoPainel(this, QRect(0, 0, 608, 141));
    imTitulo = novaFigura(pnTitulo, QRect(0, 0, 608, 141), caminhoArte(arte::kTitulo));
    Label4 = novoRotulo(pnTitulo, QRect(24, 14, 400, 110), QStringLiteral("Dribolex"),
                        QColor(0, 160, 0), 110, true, fonteDestaque());
    Label5 = novoRotulo(pnTitulo, QRect(450, 20, 130, 52), QStringLiteral("Qatar"), kGrena, 48,
                        true, fonteDestaque());
    Label6 = novoRotulo(pnTitulo, QRect(450, 76, 130, 52), QStringLiteral("2022"), kGrena, 48, true,
                        fonteDestaque());
    // A light plate and a dark glow keep the title readable over the night photograph.
    for (Label* l : {Label5, Label6}) {
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(
            QStringLiteral("Label { background: rgba(255, 255, 255, 190); border-radius: 8px; }"));
    }
    auto* brilho = new QGraphicsDropShadowEffect(Label4);
    brilho->setColor(Qt::black);
    brilho->setOffset(0, 0);
    brilho->setBlurRadius(14);
    Label4->setGraphicsEffect(brilho);

    pnOpcoes = novoPainel(this, QRect(0, 141, 608, 239), QColor(226, 240, 214));
    const struct {
        QStringView arte;
        const char* texto;
        QColor cor;
        Qt::CursorShape cursor;
        int left;
    } itens[] = {
        {arte::kMenuJogar, "Jogar", kVerde, Qt::PointingHandCursor, 24},
        {arte::kMenuExplicar, "Explicar", kMarinho, Qt::WhatsThisCursor, 219},
        {arte::kMenuSair, "Fim de Jogo", Qt::black, Qt::ForbiddenCursor, 414},
    };
    Picture* figuras[3];
    Label* legendas[3];
    for (int i = 0; i < 3; ++i) {
        const QString texto = QString::fromUtf8(itens[i].texto);
        Picture* figura =
            novaFigura(pnOpcoes, QRect(itens[i].left, 12, 170, 170), caminhoArte(itens[i].arte));
        figura->setCursor(itens[i].cursor);
        figura->setAccessibleName(texto);
        Label* legenda = novoRotulo(pnOpcoes, QRect(itens[i].left, 186, 170, 40), texto,
                                    itens[i].cor, 34, true, fonteDestaque());
        legenda->setAlignment(Qt::AlignCenter);
        legenda->setCursor(itens[i].cursor);
        figuras[i] = figura;
        legendas[i] = legenda;
    }
    Image1 = figuras[0];
    Label1 = legendas[0];
    Image3 = figuras[1];
    Label3 = legendas[1];
    Image2 = figuras[2];
    Label2 = legendas[2];
    for (auto* sender : {Image1, Image3, Image2}) {
        connect(sender, &Picture::clicked, this, [this, sender] {
            sender == Image1 ? Jogar() : sender == Image3 ? Explicar() : FimDeJogo();
        });
    }
    connect(Label1, &Label::clicked, this, &TfPrin::Jogar);
    connect(Label3, &Label::clicked, this, &TfPrin::Explicar);
    connect(Label2, &Label::clicked, this, &TfPrin::FimDeJogo);

    std::tie(imComSom, imSemSom) =
        som::criaIcones(pnOpcoes, QRect(564, 4, 40, 37), [this] { return chaveSom(); });

    pnPropaganda = novoPainel(this, QRect(0, 380, 608, 189));
    imPropaganda = novaFigura(pnPropaganda, QRect(0, 0, 608, 189));
    imPropaganda->setCursor(Qt::PointingHandCursor);
    imPropaganda->setAccessibleName(QStringLiteral("Dribolex"));
    connect(imPropaganda, &Picture::clicked, this, &TfPrin::imPropagandaClick);
}

void TfPrin::resizeEvent(QResizeEvent* event)
{
    Screen::resizeEvent(event);
    encaixaPaineis();
}

void TfPrin::encaixaPaineis()
{
    // The title is docked at the top and the banner at the bottom; the menu fills the rest.
    const int titulo = pnTitulo->height();
    const int banner = pnPropaganda->height();
    pnTitulo->setGeometry(0, 0, width(), titulo);
    pnPropaganda->setGeometry(0, height() - banner, width(), banner);
    pnOpcoes->setGeometry(0, titulo, width(), std::max(0, height() - titulo - banner));
}

void TfPrin::FormActivate()
{
    chaveSom().sincroniza();
    if (!reportErrors([this] { CarregaPropaganda(); }))
        return;
    if (platform().random(100) < 30)
        AnimacaoAbertura();
}

void TfPrin::CarregaPropaganda()
{
    platform().reseedRandom();
    imPropaganda->load(programFile(QStringLiteral("ImgPatroc\\LogoTernavo.bmp")));
}

void TfPrin::AnimacaoAbertura()
{
    const int t = pnTitulo->height();
    const int p = pnPropaganda->height();
    const int o = pnOpcoes->height();
    const int cheia = t + p + o;
    resize(width(), t + p);
    repaint();
    platform().sleep(1000 * (1 + platform().random(4)));
    for (const int passo : passosAbertura(cheia - height())) {
        resize(width(), height() + passo);
        repaint();
        platform().sleep(40);
        platform().processEvents();
    }
    resize(width(), cheia);
    repaint();
}

void TfPrin::Jogar()
{
    som::para();
    if (!fNome)
        fNome = new TfNome;
    fNome->edNome->setText(QStringLiteral("Digite seu nome"));
    platform().showModal(*fNome);
}

void TfPrin::Explicar()
{
    som::para();
    abreAjuda(ajuda::kIniciar, QStringLiteral("voltar"));
}

void TfPrin::FimDeJogo()
{
    som::tocaUmaVez(som::kApito);
    close();
}

void TfPrin::imPropagandaClick()
{
    platform().openLink(LinkPropaganda);
}

som::Chave TfPrin::chaveSom() const
{
    return {imComSom, imSemSom, som::kEstadio1};
}
