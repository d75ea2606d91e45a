// The controls of the match screen: its layout at design size, built once at creation.

#include "common/controles.h"
#include "common/cores.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "shell/icones_som.h"
#include "tf_jogo.h"

void TfJogo::criaControles()
{
    resize(916, 652);

    Panel1 = novoPainel(this, QRect(0, 0, 916, 652));
    Panel1->setSingleBorder(true);
    Panel1->setBevelOuter(Panel::Bevel::None);
    Panel1->setBevelInner(Panel::Bevel::Lowered);
    Image1 = novaFigura(Panel1, QRect(0, 0, 916, 652), caminhoArte(arte::kFundoJogo));

    lbNumQuestao = novoRotulo(Panel1, QRect(20, 8, 80, 149), QStringLiteral("1"), kAqua, 120, true,
                              fonteDestaque());
    lbNumQuestao->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbPergunta = novoRotulo(Panel1, QRect(100, 12, 785, 125), {}, kAmarelo, 33, true, fonteTexto());
    lbPergunta->setWordWrap(true);
    lbPergunta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbPergunta->setShrinkToFit(true);

    const char* const letras[] = {"A.", "B.", "C."};
    const char* const teclas[] = {"Tecla 1 ou A", "Tecla 2 ou B", "Tecla 3 ou C"};
    const char* const cores[] = {"br", "az", "am", "vd"};
    const QStringView artes[] = {arte::kBolaBranca, arte::kBolaAzul, arte::kBolaAmarela,
                                 arte::kBolaVerde};
    const int esquerdas[] = {420, 352, 376, 400};
    Panel* paineis[3];
    Label* letrasOp[3];
    Label* textosOp[3];
    for (int i = 0; i < 3; ++i) {
        Panel* p = novoPainel(Panel1, QRect(20, 140 + 96 * i, 500, 80), kLima);
        p->setObjectName(QStringLiteral("p%1").arg(i + 1));
        p->setFontColor(kMarinho);
        p->setBevelOuter(Panel::Bevel::Lowered);
        p->setBevelInner(Panel::Bevel::Lowered);
        p->setBevelWidth(1);
        p->setBorderWidth(1);
        p->setSingleBorder(true);
        QFont f = p->font();
        f.setPixelSize(21);
        p->setFont(f);

        Label* letra = novoRotulo(p, QRect(4, 4, 81, 72), QLatin1String(letras[i]), kMarinho, 67,
                                  true, fonteDestaque());
        letra->setTag(i + 1);
        letra->setObjectName(QStringLiteral("lbOp%1").arg(QChar(u'A' + i)));
        letra->setToolTip(QLatin1String(teclas[i]));
        letra->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        letra->setCursor(Qt::PointingHandCursor);
        Label* texto = novoRotulo(p, QRect(85, 4, 411, 72), QStringLiteral("Sem opção - acabou"),
                                  kMarinho, 27, true, fonteTexto());
        texto->setTag(i + 1);
        texto->setObjectName(QStringLiteral("lbOp%1").arg(i + 1));
        texto->setWordWrap(true);
        texto->setShrinkToFit(true);
        texto->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        texto->setCursor(Qt::PointingHandCursor);
        texto->setToolTip(QLatin1String(teclas[i]));
        for (Label* l : {letra, texto})
            connect(l, &Label::clicked, this, [this, l] { lbOp1Click(l); });

        for (int c = 0; c < 4; ++c) {
            Picture* m = novaFigura(p, QRect(esquerdas[c], 5, 73, 69), caminhoArte(artes[c]));
            m->setObjectName(QStringLiteral("imOp%1%2").arg(i + 1).arg(QLatin1String(cores[c])));
            m->setAttribute(Qt::WA_TransparentForMouseEvents);
            m->hide();
            marcadores[size_t(i)][size_t(c)] = m;
        }
        paineis[i] = p;
        letrasOp[i] = letra;
        textosOp[i] = texto;
    }
    p1 = paineis[0];
    p2 = paineis[1];
    p3 = paineis[2];
    lbOpA = letrasOp[0];
    lbOpB = letrasOp[1];
    lbOpC = letrasOp[2];
    lbOp1 = textosOp[0];
    lbOp2 = textosOp[1];
    lbOp3 = textosOp[2];

    bbAuxilio = novoBotao(Panel1, QStringLiteral("Auxílio Técnico"), QRect(20, 420, 237, 45), 23,
                          true, fonteDestaque());
    bbSubst = novoBotao(Panel1, QStringLiteral("Substituição"), QRect(284, 420, 237, 45), 23, true,
                        fonteDestaque());
    for (QPushButton* b : {bbAuxilio, bbSubst})
        b->setFocusPolicy(Qt::NoFocus);
    connect(bbSubst, &QPushButton::clicked, this, &TfJogo::bbSubstClick);
    connect(bbAuxilio, &QPushButton::clicked, this, &TfJogo::bbAuxilioClick);

    imNao = novaFigura(Panel1, QRect(392, 476, 60, 113), caminhoArte(arte::kDesistir));
    imNao->setToolTip(
        QStringLiteral("Clique aqui para ignorar a opção escolhida e escolher outra"));
    imNao->setAccessibleName(QStringLiteral("Desistir da opção escolhida (Esc)"));
    imSim = novaFigura(Panel1, QRect(460, 476, 60, 113), caminhoArte(arte::kConfirmar));
    imSim->setToolTip(QStringLiteral(
        "Clique aqui para confirmar a opção que você escolheu e conferir se está certa"));
    imSim->setAccessibleName(QStringLiteral("Confirmar a opção escolhida (Enter)"));
    for (Picture* p : {imNao, imSim}) {
        p->setCursor(Qt::PointingHandCursor);
        p->hide();
    }
    connect(imNao, &Picture::clicked, this, &TfJogo::imNaoClick);
    connect(imSim, &Picture::clicked, this, &TfJogo::imSimClick);

    dbtComplemento =
        novoRotulo(Panel1, QRect(20, 476, 353, 113), {}, kAmarelo, 19, false, fonteTexto());
    dbtComplemento->setWordWrap(true);
    dbtComplemento->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dbtComplemento->setShrinkToFit(true);
    dbtComplemento->hide();

    Panel2 = novoPainel(Panel1, QRect(528, 140, 365, 369));
    Panel2->setBevelOuter(Panel::Bevel::Lowered);
    Panel2->setBevelInner(Panel::Bevel::Raised);
    Panel2->setBevelWidth(2);
    Panel2->setBorderWidth(2);
    Imagem = novaFigura(Panel2, QRect(6, 6, 353, 357));
    Imagem->setAccessibleName(QStringLiteral("Figura da partida"));

    Panel3 = novoPainel(Panel1, QRect(528, 512, 365, 61), QColor(240, 240, 240));
    Panel3->setSingleBorder(true);
    Panel3->setBevelOuter(Panel::Bevel::None);
    lbLegenda = novoRotulo(Panel3, QRect(1, 1, 363, 59), {}, Qt::black, 17, true, fonteTexto());
    lbLegenda->setAlignment(Qt::AlignCenter);
    lbLegenda->setWordWrap(true);
    lbLegenda->setShrinkToFit(true);

    std::tie(imComSom, imSemSom) =
        som::criaIcones(Panel1, QRect(16, 584, 45, 45), [this] { return chaveSom(); });

    for (int i = 0; i < 6; ++i) {
        imBolaPt[size_t(i)] =
            novaFigura(Panel1, QRect(72 + 28 * i, 592, 26, 26), caminhoArte(arte::kBolaBranca));
        imBolaPt[size_t(i)]->hide();
    }
    lbJogador = novoRotulo(Panel1, QRect(244, 588, 10, 10), QStringLiteral("Jogador: "), kAmarelo,
                           27, true, fonteDestaque());
    lbJogador->setAutoSize(true);
    // Both bonus lines together are wider than the screen: they wrap in the strip from the balls
    // down to the frame, between the left edge of the first ball and the exit icon.
    lbBonus = novoRotulo(Panel1, QRect(72, 618, 762, 32), QStringLiteral("Questões bônus"),
                         kAmarelo, 13, true, fonteTexto());
    QFont arial = lbBonus->font();
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")});
    lbBonus->setFont(arial);
    lbBonus->setWordWrap(true);
    lbBonus->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbBonus->setShrinkToFit(true);
    lbBonus->hide();
    for (int i = 0; i < 8; ++i) {
        imBolaPerd[size_t(i)] =
            novaFigura(Panel1, QRect(808 - 28 * i, 592, 26, 26), caminhoArte(arte::kBolaVermelha));
        imBolaPerd[size_t(i)]->hide();
    }

    imSair = novaFigura(Panel1, QRect(840, 588, 49, 49), caminhoArte(arte::kSair));
    imSair->setToolTip(QStringLiteral("Fim de Jogo"));
    imSair->setAccessibleName(QStringLiteral("Sair do jogo"));
    imSair->setCursor(Qt::ForbiddenCursor);
    connect(imSair, &Picture::clicked, this, &TfJogo::imSairClick);

    tmBolas.setInterval(150);
    connect(&tmBolas, &QTimer::timeout, this, &TfJogo::tmBolasTimer);
}

Panel* TfJogo::painel(int posicao) const
{
    return posicao == 1 ? p1 : posicao == 2 ? p2 : p3;
}

Label* TfJogo::rotuloLetra(int posicao) const
{
    return posicao == 1 ? lbOpA : posicao == 2 ? lbOpB : lbOpC;
}

Label* TfJogo::rotuloTexto(int posicao) const
{
    return posicao == 1 ? lbOp1 : posicao == 2 ? lbOp2 : lbOp3;
}
