#include "tf_jogo.h"

#include "ajusta_tela.h"
#include "banco_questoes.h"
#include "catalogo.h"
#include "estado_partida.h"
#include "game_error.h"
#include "platform.h"
#include "recursos.h"
#include "report_errors.h"
#include "sons.h"
#include "tf_ajuda_gol.h"
#include "tf_mensagens.h"
#include "tf_nome.h"
#include "tf_placar.h"
#include "tf_prin.h"

#include <QKeyEvent>

TfJogo* fJogo = nullptr;

namespace {

const QColor kLima(0, 255, 0);
const QColor kMarinho(0, 0, 128);
const QColor kAqua(0, 255, 255);
const QColor kAmarelo(255, 255, 0);
const QColor kAzulCeu(166, 202, 240);
const QColor kCinza(128, 128, 128);

const char* const kFrases[] = {"Muito bem ",       "Graaaaaande ", "Mais um gol ",
                               "Gooooooolll, do ", "Goleada ",     "Goooooolll "};

Picture* picture(QWidget* parent, const QRect& geometry, const QString& art)
{
    auto* p = new Picture(parent);
    p->setGeometry(geometry);
    if (!art.isEmpty())
        p->setPixmap(QPixmap(art));
    return p;
}

Label* label(QWidget* parent, const QRect& geometry, const QString& text, const QColor& color,
             int pixels, bool bold = false, const QString& family = fonteTexto())
{
    auto* l = new Label(text, parent);
    l->setGeometry(geometry);
    l->setFontColor(color);
    l->setPixelFont(pixels, bold, family);
    return l;
}

// Navy text with no font style: the neutral look of an option's labels.
void rotuloNeutro(Label* l)
{
    l->setFontColor(kMarinho);
    QFont f = l->font();
    f.setStrikeOut(false);
    f.setBold(false);
    f.setItalic(false);
    f.setUnderline(false);
    l->setFont(f);
}

} // namespace

TfJogo::TfJogo(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fJogo"));
    setWindowTitle(QStringLiteral("Dribolex 2018"));
    criaControles();

    AjustaTela(*this);
    TotalQuestoes = 4;
    FimDeJogo = false;
    NumQuestao = 1;
    BonusPartida = 0;
    Fase = FasePartida::Sorteio;
    SorteadasNaPartida.clear();
    pacoteAnterior = TamPacotinho;
    fPrin->GolsPro = 0;
    fPrin->GolsContra = 0;
    lbBonus->hide();
    CarregaQuestoes();
}

TfJogo::~TfJogo()
{
    GravaQuestoes();
    if (fJogo == this)
        fJogo = nullptr;
}

void TfJogo::criaControles()
{
    resize(916, 652);

    Panel1 = new Panel(this);
    Panel1->setGeometry(0, 0, 916, 652);
    Panel1->setSingleBorder(true);
    Panel1->setBevelOuter(Panel::Bevel::None);
    Panel1->setBevelInner(Panel::Bevel::Lowered);
    Image1 = picture(Panel1, QRect(0, 0, 916, 652), QStringLiteral(":/arte/fundo_jogo.jpg"));

    lbNumQuestao = label(Panel1, QRect(20, 8, 80, 149), QStringLiteral("1"), kAqua, 120, true,
                         fonteDestaque());
    lbNumQuestao->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lbPergunta = label(Panel1, QRect(100, 12, 785, 125), {}, kAmarelo, 33, true);
    lbPergunta->setWordWrap(true);
    lbPergunta->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbPergunta->setShrinkToFit(true);

    const char* const letras[] = {"A.", "B.", "C."};
    const char* const teclas[] = {"Tecla 1 ou A", "Tecla 2 ou B", "Tecla 3 ou C"};
    const char* const cores[] = {"br", "az", "am", "vd"};
    const char* const artes[] = {":/arte/bola_branca.png", ":/arte/bola_azul.png",
                                 ":/arte/bola_amarela.png", ":/arte/bola_verde.png"};
    const int esquerdas[] = {420, 352, 376, 400};
    Panel* paineis[3];
    Label* letrasOp[3];
    Label* textosOp[3];
    for (int i = 0; i < 3; ++i) {
        auto* p = new Panel(Panel1);
        p->setObjectName(QStringLiteral("p%1").arg(i + 1));
        p->setGeometry(20, 140 + 96 * i, 500, 80);
        p->setColor(kLima);
        p->setFontColor(kMarinho);
        p->setBevelOuter(Panel::Bevel::Lowered);
        p->setBevelInner(Panel::Bevel::Lowered);
        p->setBevelWidth(1);
        p->setBorderWidth(1);
        p->setSingleBorder(true);
        QFont f = p->font();
        f.setPixelSize(21);
        p->setFont(f);

        Label* letra = label(p, QRect(4, 4, 81, 72), QLatin1String(letras[i]), kMarinho, 67, true,
                             fonteDestaque());
        letra->setTag(i + 1);
        letra->setObjectName(QStringLiteral("lbOp%1").arg(QChar(u'A' + i)));
        letra->setToolTip(QLatin1String(teclas[i]));
        letra->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        letra->setCursor(Qt::PointingHandCursor);
        Label* texto = label(p, QRect(85, 4, 411, 72), QStringLiteral("Sem opção - acabou"),
                             kMarinho, 27, true);
        texto->setTag(i + 1);
        texto->setObjectName(QStringLiteral("lbOp%1").arg(i + 1));
        texto->setWordWrap(true);
        texto->setShrinkToFit(true);
        texto->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        texto->setCursor(Qt::PointingHandCursor);
        texto->setToolTip(QLatin1String(teclas[i]));
        for (Label* l : {letra, texto})
            connect(l, &Label::clicked, this, [this, l] { lbOp1Click(l); });

        for (int f = 0; f < 4; ++f) {
            Picture* m = picture(p, QRect(esquerdas[f], 5, 73, 69), QLatin1String(artes[f]));
            m->setObjectName(QStringLiteral("imOp%1%2").arg(i + 1).arg(QLatin1String(cores[f])));
            m->setAttribute(Qt::WA_TransparentForMouseEvents);
            m->hide();
            marcadores[size_t(i)][size_t(f)] = m;
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

    auto botao = [this](const QString& texto, int left) {
        auto* b = new QPushButton(texto, Panel1);
        b->setGeometry(left, 420, 237, 45);
        QFont f = b->font();
        f.setFamily(fonteDestaque());
        f.setBold(true);
        f.setPixelSize(23);
        b->setFont(f);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    bbAuxilio = botao(QStringLiteral("Auxílio Técnico"), 20);
    bbSubst = botao(QStringLiteral("Substituição"), 284);
    connect(bbSubst, &QPushButton::clicked, this, &TfJogo::bbSubstClick);
    connect(bbAuxilio, &QPushButton::clicked, this, &TfJogo::bbAuxilioClick);

    imNao = picture(Panel1, QRect(392, 476, 60, 113), QStringLiteral(":/arte/desistir.png"));
    imNao->setToolTip(
        QStringLiteral("Clique aqui para ignorar a opção escolhida e escolher outra"));
    imNao->setAccessibleName(QStringLiteral("Desistir da opção escolhida (Esc)"));
    imSim = picture(Panel1, QRect(460, 476, 60, 113), QStringLiteral(":/arte/confirmar.png"));
    imSim->setToolTip(QStringLiteral(
        "Clique aqui para confirmar a opção que você escolheu e conferir se está certa"));
    imSim->setAccessibleName(QStringLiteral("Confirmar a opção escolhida (Enter)"));
    for (Picture* p : {imNao, imSim}) {
        p->setCursor(Qt::PointingHandCursor);
        p->hide();
    }
    connect(imNao, &Picture::clicked, this, &TfJogo::imNaoClick);
    connect(imSim, &Picture::clicked, this, &TfJogo::imSimClick);

    dbtComplemento = label(Panel1, QRect(20, 476, 353, 113), {}, kAmarelo, 19);
    dbtComplemento->setWordWrap(true);
    dbtComplemento->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dbtComplemento->setShrinkToFit(true);
    dbtComplemento->hide();

    Panel2 = new Panel(Panel1);
    Panel2->setGeometry(528, 140, 365, 369);
    Panel2->setBevelOuter(Panel::Bevel::Lowered);
    Panel2->setBevelInner(Panel::Bevel::Raised);
    Panel2->setBevelWidth(2);
    Panel2->setBorderWidth(2);
    Imagem = picture(Panel2, QRect(6, 6, 353, 357), {});
    Imagem->setAccessibleName(QStringLiteral("Figura da partida"));

    Panel3 = new Panel(Panel1);
    Panel3->setGeometry(528, 512, 365, 61);
    Panel3->setSingleBorder(true);
    Panel3->setBevelOuter(Panel::Bevel::None);
    Panel3->setColor(QColor(240, 240, 240));
    lbLegenda = label(Panel3, QRect(1, 1, 363, 59), {}, Qt::black, 17, true);
    lbLegenda->setAlignment(Qt::AlignCenter);
    lbLegenda->setWordWrap(true);
    lbLegenda->setShrinkToFit(true);

    imComSom = picture(Panel1, QRect(16, 584, 45, 45), QStringLiteral(":/arte/som_ligado.png"));
    imComSom->setAccessibleName(QStringLiteral("Desligar o som"));
    imComSom->setToolTip(QStringLiteral("Desligar o som"));
    imSemSom = picture(Panel1, QRect(16, 584, 45, 45), QStringLiteral(":/arte/som_desligado.png"));
    imSemSom->setAccessibleName(QStringLiteral("Ligar o som"));
    imSemSom->setToolTip(QStringLiteral("Ligar o som"));
    imSemSom->stackUnder(imComSom);
    connect(imComSom, &Picture::clicked, this, &TfJogo::imComSomClick);
    connect(imSemSom, &Picture::clicked, this, &TfJogo::imSemSomClick);

    for (int i = 0; i < 6; ++i) {
        imBolaPt[size_t(i)] = picture(Panel1, QRect(72 + 28 * i, 592, 26, 26),
                                      QStringLiteral(":/arte/bola_branca.png"));
        imBolaPt[size_t(i)]->hide();
    }
    lbJogador = label(Panel1, QRect(244, 588, 10, 10), QStringLiteral("Jogador: "), kAmarelo, 27,
                      true, fonteDestaque());
    lbJogador->setAutoSize(true);
    lbBonus =
        label(Panel1, QRect(72, 620, 10, 10), QStringLiteral("Questões bônus"), kAmarelo, 13, true);
    QFont arial = lbBonus->font();
    arial.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")});
    lbBonus->setFont(arial);
    lbBonus->setAutoSize(true);
    lbBonus->hide();
    for (int i = 0; i < 8; ++i) {
        imBolaPerd[size_t(i)] = picture(Panel1, QRect(808 - 28 * i, 592, 26, 26),
                                        QStringLiteral(":/arte/bola_vermelha.png"));
        imBolaPerd[size_t(i)]->hide();
    }

    imSair = picture(Panel1, QRect(840, 588, 49, 49), QStringLiteral(":/arte/sair.png"));
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

void TfJogo::FormActivate()
{
    chaveSom().sincroniza();
    if (!iniciada) {
        iniciada = true;
        IniciaPartida();
    }
}

void TfJogo::IniciaPartida()
{
    AjudaUsada = false;
    OpcaoEscolhida = 0;
    OpcaoEliminada = 0;
    TiquesAnim = 0;
    lbJogador->setCaption(QStringLiteral("Jogador: ") + NomeJogador);
    lbJogador->move(imBolaPt[0]->x(), lbJogador->y());
    // A picture that cannot be shown is reported, but the match goes on without it.
    try {
        SorteiaImagem(1, *Imagem, *lbLegenda);
    } catch (const GameError& error) {
        if (!error.alreadyShown())
            platform().reportError(error.text());
    }
    if (!SorteiaQuestao()) {
        encerraSemPerguntas();
        return;
    }
    OpcaoCerta = MostraOpcoes();
    passaA(FasePartida::Esperando);
}

bool TfJogo::SorteiaQuestao()
{
    // A record whose code lacks its digits, or whose Numero is not its position, is never drawn.
    auto sorteavel = [](int k) {
        return Questoes[k].Numero == k && codigoValido(Questoes[k].Codigo.valor());
    };
    auto coleta = [&sorteavel] {
        Candidatas.clear();
        for (int k = 1; k <= NumQuestoes; ++k) {
            platform().processEvents();
            if (Questoes[k].Usada != 1 && sorteavel(k))
                Candidatas.append(Questoes[k].Numero);
        }
    };
    coleta();
    if (Candidatas.isEmpty()) {
        // The bank starts over, but never with a question this match has already shown.
        auto nova = [&sorteavel](int k) {
            return sorteavel(k) && !SorteadasNaPartida.contains(Questoes[k].Numero);
        };
        bool algumaNova = false;
        for (int k = 1; k <= NumQuestoes && !algumaNova; ++k)
            algumaNova = nova(k);
        if (!algumaNova)
            return false;
        platform().messageBox(QStringLiteral("Todas as perguntas do banco já foram sorteadas. "
                                             "Elas vão começar de novo."));
        for (int k = 1; k <= NumQuestoes; ++k) {
            if (!SorteadasNaPartida.contains(Questoes[k].Numero)) {
                Questoes[k].Usada = 0;
                QuestoesArquivo[k].Usada = 0;
            }
        }
        coleta();
    }
    QuestaoAtual = Candidatas[platform().random(int(Candidatas.size()))];
    Questoes[QuestaoAtual].Usada = 1;
    QuestoesArquivo[QuestaoAtual].Usada = 1;
    SorteadasNaPartida.append(QuestaoAtual);
    lbPergunta->setText(Questoes[QuestaoAtual].Pergunta.texto());
    return true;
}

void TfJogo::encerraSemPerguntas()
{
    passaA(FasePartida::Encerrada);
    platform().messageBox(
        SorteadasNaPartida.isEmpty()
            ? QStringLiteral("O banco de perguntas está vazio: não há perguntas para jogar.")
            : QStringLiteral(
                  "O banco de perguntas não tem mais perguntas novas para esta partida."));
    close();
}

void TfJogo::passaA(FasePartida nova)
{
    Fase = mudaFase(Fase, nova);
}

int TfJogo::MostraOpcoes()
{
    const tQuestao& q = Questoes[QuestaoAtual];
    QList<int> livres = {1, 2, 3};
    const int p = livres.takeAt(platform().random(3));
    rotuloTexto(p)->setText(q.RespCerta.texto());
    const int errada1 = livres.takeAt(platform().random(2));
    rotuloTexto(errada1)->setText(q.RespErrada1.texto());
    rotuloTexto(livres.first())->setText(q.RespErrada2.texto());
    return p;
}

void TfJogo::EncerraQuestao()
{
    Questoes[QuestaoAtual].Usada = 1;
    if (FimDeJogo) {
        FimDaPartida();
        FimDeJogo = false;
        TotalQuestoes = 4;
        return;
    }
    passaA(FasePartida::Sorteio);
    if (!SorteiaQuestao()) {
        encerraSemPerguntas();
        return;
    }
    OpcaoCerta = MostraOpcoes();
    OpcaoEscolhida = 0;
    ++NumQuestao;
    lbNumQuestao->setText(QString::number(NumQuestao));
    passaA(FasePartida::Esperando);
}

void TfJogo::lbOp1Click(Label* sender)
{
    if (!aceitaEscolha(Fase))
        return;
    const int t = sender->tag();
    if (t == OpcaoEliminada) {
        platform().messageBox(QStringLiteral("Não escolha a opção que já foi eliminada"));
        return;
    }
    imSim->show();
    imNao->show();
    AlternaDestaque(painel(t));
    OpcaoEscolhida = t;
    for (Panel* p : {p1, p2, p3})
        p->setEnabled(false);
    passaA(FasePartida::Escolhida);
}

void TfJogo::imNaoClick()
{
    if (!aceitaDesistencia(Fase))
        return;
    imNao->hide();
    imSim->hide();
    if (OpcaoEscolhida >= 1 && OpcaoEscolhida <= 3)
        AlternaDestaque(painel(OpcaoEscolhida));
    for (Panel* p : {p1, p2, p3})
        p->setEnabled(true);
    OpcaoEscolhida = 0;
    passaA(FasePartida::Esperando);
}

void TfJogo::imSimClick()
{
    if (!aceitaConfirmacao(Fase))
        return;
    passaA(FasePartida::Julgando);
    imSim->hide();
    imNao->hide();
    dbtComplemento->setText(Questoes[QuestaoAtual].Complemento.texto());
    dbtComplemento->show();
    if (respostaCerta(OpcaoEscolhida, OpcaoCerta))
        Acertou();
    else
        Errou();
    RestauraOpcoes();
    if (NumQuestao == 4)
        VerificaBonus();
    if (NumQuestao >= TotalQuestoes)
        FimDeJogo = true;
    passaA(FasePartida::Animacao);
    tmBolas.start();
    bbAuxilio->setEnabled(true);
}

Placar TfJogo::placar() const
{
    return {fPrin->GolsPro, fPrin->GolsContra};
}

void TfJogo::Acertou()
{
    if (!imComSom->isHidden())
        som::tocaUmaVez(som::kAcerto);
    fPrin->GolsPro = placarDepois(placar(), true).pro;
    MostraBolasPt(fPrin->GolsPro);
}

void TfJogo::Errou()
{
    fPrin->GolsContra = placarDepois(placar(), false).contra;
    if (!imComSom->isHidden())
        som::tocaUmaVez(platform().random(2) == 0 ? som::kErrada1 : som::kErrada2);
    MostraBolasPerd(fPrin->GolsContra);
}

void TfJogo::MostraBolasPt(int n)
{
    for (Picture* bola : imBolaPt)
        bola->hide();
    lbJogador->hide();
    repaint();
    if (n >= 1 && n <= 6) {
        for (int i = 0; i < n; ++i)
            CresceBola(imBolaPt[size_t(i)]);
        const Picture* ultima = imBolaPt[5];
        const int x = n < 6 ? imBolaPt[size_t(n)]->x() : ultima->x() + ultima->width() + 5;
        lbJogador->move(x, lbJogador->y());
        const QString frase = platform().random(3) < 2 ? QStringLiteral("Parabéns ")
                                                       : QString::fromUtf8(kFrases[n - 1]);
        lbJogador->setCaption(frase + NomeJogador);
    }
    lbJogador->show();
}

void TfJogo::MostraBolasPerd(int n)
{
    for (Picture* bola : imBolaPerd)
        bola->hide();
    repaint();
    imSair->repaint();
    if (n >= 1 && n <= 8) {
        for (int i = 0; i < n; ++i)
            CresceBola(imBolaPerd[size_t(i)]);
    }
}

void TfJogo::CresceBola(Picture* image)
{
    platform().processEvents();
    const QSize tamanho = image->size();
    image->resize(5, 5);
    image->show();
    platform().sleep(100);
    for (int i = 1; i <= 5; ++i) {
        image->resize(image->width() + 3 * i, image->height() + 3 * i);
        platform().sleep(100);
        image->repaint();
    }
    image->resize(tamanho);
    image->repaint();
    repaint();
}

void TfJogo::VerificaBonus()
{
    const Bonus bonus = verificaBonus(placar(), AjudaUsada);
    BonusPartida = bonus.figurinhas;
    if (bonus.pacote)
        TamPacotinho = *bonus.pacote;
    lbBonus->setCaption(bonus.texto);
    lbBonus->show();
}

void TfJogo::FimDaPartida()
{
    passaA(FasePartida::Encerrada);
    const Placar final = placar();
    fPlacar->lbPlacar->setText(QString::number(final.pro) + QStringLiteral(" x ") +
                               QString::number(final.contra));
    const Resultado resultado = resultadoFinal(final);
    fPlacar->lbGanhou->setText(resultado.texto);
    TamPacotinho = quint8(resultado.figurinhas + BonusPartida);
    fPlacar->lbGanhou->setFontColor(resultado.cor);
    fPlacar->lbPlacar->setFontColor(resultado.cor);

    TotalQuestoes = 4;
    NumQuestao = 1;
    lbBonus->hide();
    AjudaUsada = false;
    lbJogador->move(imBolaPt[0]->x(), lbJogador->y());
    OpcaoEliminada = 0;
    if (fNome)
        fNome->edNome->setText(QStringLiteral("Digite aqui seu nome"));
    concluida = true;
    close();
    // An exit question left up while the last answer ran out asks about a match that is over.
    platform().closeBoxes();
    platform().showModal(*fPlacar);
    fPrin->GolsPro = 0;
    fPrin->GolsContra = 0;
}

void TfJogo::imSairClick()
{
    if (!aceitaSaida(Fase))
        return;
    som::tocaUmaVez(som::kApito);
    // The match may have ended under the question: a late yes leaves it ended.
    if (!platform().confirm(QStringLiteral("Deseja mesmo sair deste jogo?")) ||
        Fase == FasePartida::Encerrada)
        return;
    passaA(FasePartida::Encerrada);
    tmBolas.stop();
    // A match left early earns nothing, even after its fourth answer announced a bonus.
    TamPacotinho = pacoteAnterior;
    const int topo = y();
    const int esquerda = x();
    int d = 1;
    const int dy = 3 + platform().random(5);
    const int dx = 6 + platform().random(9);
    som::tocaUmaVez(som::kSaida);
    const int passos = height() / 4;
    int top = topo;
    int left = esquerda;
    for (int i = 0; i < passos; ++i) {
        top += dy;
        left += dx * d;
        if (left >= esquerda + 50 || left <= esquerda - 50)
            d = -d;
        move(left, top);
        platform().sleep(20);
    }
    close();
    move(x(), topo);
}

void TfJogo::bbSubstClick()
{
    // The aids act on an open question only: not on one being judged or closed.
    if (!aceitaAjuda(Fase))
        return;
    imNaoClick();
    fMensagens->bbCancelar->hide();
    const bool pagina = reportErrors(
        [] { fMensagens->carregaPagina(QStringLiteral(".\\PastaImgHelp\\ImagemPgt1.jpg")); });
    if (pagina) {
        // Only an answer given now counts: a dialog closed without one must not replay an
        // earlier yes.
        fMensagens->Resposta.clear();
        platform().showModal(*fMensagens);
        if (fMensagens->Resposta == QLatin1String("S"))
            substitui();
    }
    fMensagens->bbCancelar->show();
}

void TfJogo::substitui()
{
    passaA(FasePartida::Sorteio);
    if (!SorteiaQuestao()) {
        passaA(FasePartida::Esperando);
        platform().messageBox(
            QStringLiteral("O banco de perguntas não tem mais perguntas novas para esta partida."));
        return;
    }
    OpcaoCerta = MostraOpcoes();
    AjudaUsada = true;
    RestauraOpcoes();
    bbAuxilio->setEnabled(true);
    passaA(FasePartida::Esperando);
}

void TfJogo::bbAuxilioClick()
{
    if (!aceitaAjuda(Fase))
        return;
    if (!fAjudaGol)
        fAjudaGol = new TfAjudaGol;
    imNaoClick();
    hideForAWhile();
    platform().showModal(*fAjudaGol);
    show();

    const EfeitoPenalti efeito = efeitoPenalti(fAjudaGol->Chutes, fAjudaGol->FezGol);
    if (efeito.eliminaOpcao) {
        QList<int> erradas;
        for (int p = 1; p <= 3; ++p) {
            if (p != OpcaoCerta)
                erradas.append(p);
        }
        EliminaOpcao(erradas[platform().random(2)]);
    }
    if (efeito.gastaAjuda) {
        bbAuxilio->setEnabled(false);
        AjudaUsada = true;
    }
    if (efeito.golsContra > 0) {
        // A missed kick ends the question: the panels take no choice while it closes.
        passaA(FasePartida::Julgando);
        for (Panel* p : {p1, p2, p3})
            p->setEnabled(false);
        fPrin->GolsContra += efeito.golsContra;
        MostraBolasPerd(fPrin->GolsContra);
        passaA(FasePartida::Animacao);
        tmBolas.start();
    }
}

void TfJogo::EliminaOpcao(int e)
{
    RestauraOpcoes();
    if (e >= 1 && e <= 3) {
        for (Label* l : {rotuloLetra(e), rotuloTexto(e)}) {
            l->setFontColor(kCinza);
            QFont f = l->font();
            f.setStrikeOut(true);
            l->setFont(f);
        }
        painel(e)->setColor(kAzulCeu);
    }
    OpcaoEliminada = e;
}

void TfJogo::AlternaDestaque(Panel* panel)
{
    if (panel->bevelOuter() == Panel::Bevel::Raised) {
        panel->setBevelOuter(Panel::Bevel::Lowered);
        panel->setBevelWidth(1);
        panel->setColor(kLima);
        panel->setFontColor(kMarinho);
    } else {
        panel->setBevelOuter(Panel::Bevel::Raised);
        panel->setBevelWidth(2);
        panel->setColor(kMarinho);
        panel->setFontColor(Qt::white);
    }
    for (int posicao = 1; posicao <= 3; ++posicao) {
        if (posicao == OpcaoEliminada)
            continue;
        rotuloLetra(posicao)->setFontColor(painel(posicao)->fontColor());
        rotuloTexto(posicao)->setFontColor(painel(posicao)->fontColor());
    }
    for (Panel* p : {p1, p2, p3})
        p->repaint();
}

void TfJogo::RestauraOpcoes()
{
    for (int posicao = 1; posicao <= 3; ++posicao) {
        rotuloNeutro(rotuloLetra(posicao));
        rotuloNeutro(rotuloTexto(posicao));
        painel(posicao)->setColor(kLima);
    }
    OpcaoEliminada = 0;
}

void TfJogo::tmBolasTimer()
{
    if (OpcaoCerta >= 1 && OpcaoCerta <= 3 && QuadroAnim >= 1 && QuadroAnim <= 4) {
        for (int f = 0; f < 4; ++f)
            marcadores[size_t(OpcaoCerta - 1)][size_t(f)]->setVisible(f == QuadroAnim - 1);
    }
    QuadroAnim = QuadroAnim == 4 ? 1 : QuadroAnim + 1;
    ++TiquesAnim;
    if (TiquesAnim < 25)
        return;

    TiquesAnim = 0;
    for (const auto& painelMarcadores : marcadores) {
        for (Picture* m : painelMarcadores)
            m->hide();
    }
    if (OpcaoEscolhida >= 1 && OpcaoEscolhida <= 3)
        AlternaDestaque(painel(OpcaoEscolhida));
    for (int posicao = 1; posicao <= 3; ++posicao) {
        painel(posicao)->setFontColor(kMarinho);
        rotuloNeutro(rotuloLetra(posicao));
        rotuloNeutro(rotuloTexto(posicao));
    }
    for (Panel* p : {p1, p2, p3})
        p->setEnabled(true);
    tmBolas.stop();
    dbtComplemento->hide();
    dbtComplemento->clear();
    EncerraQuestao();
}

som::Chave TfJogo::chaveSom() const
{
    return {imComSom, imSemSom, som::kEstadio2};
}

void TfJogo::imComSomClick()
{
    chaveSom().desliga();
}

void TfJogo::imSemSomClick()
{
    chaveSom().liga();
}

void TfJogo::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    int opcao = 0;
    if (key >= Qt::Key_1 && key <= Qt::Key_3)
        opcao = key - Qt::Key_1 + 1;
    else if (key >= Qt::Key_A && key <= Qt::Key_C)
        opcao = key - Qt::Key_A + 1;
    if (opcao != 0) {
        lbOp1Click(rotuloLetra(opcao));
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        imSimClick();
        return;
    }
    if (key == Qt::Key_Escape) {
        imNaoClick();
        return;
    }
    Screen::keyPressEvent(event);
}
