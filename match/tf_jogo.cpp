// The match as it runs: creation, the start, each question from its draw through the choice,
// the judgement and the animation to its closing, the end of the match, the aids, the exit.

#include "tf_jogo.h"

#include "app/tf_prin.h"
#include "common/ajusta_tela.h"
#include "common/cores.h"
#include "common/game_error.h"
#include "common/platform.h"
#include "content/recursos/ajuda_paginas.h"
#include "data/banco_questoes.h"
#include "data/catalogo.h"
#include "estado_partida.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/sons.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_nome.h"
#include "shell/tf_placar.h"

#include <QKeyEvent>

TfJogo* fJogo = nullptr;

namespace {

const char* const kFrases[] = {"Muito bem ",       "Graaaaaande ", "Mais um gol ",
                               "Gooooooolll, do ", "Goleada ",     "Goooooolll "};

// Navy text, no longer struck out: the neutral look of an option's labels. The weight is the
// face's own and stays for the whole match.
void rotuloNeutro(Label* l)
{
    l->setFontColor(kMarinho);
    QFont f = l->font();
    f.setStrikeOut(false);
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

void TfJogo::RestauraOpcoes()
{
    for (int posicao = 1; posicao <= 3; ++posicao) {
        rotuloNeutro(rotuloLetra(posicao));
        rotuloNeutro(rotuloTexto(posicao));
        painel(posicao)->setColor(kLima);
    }
    OpcaoEliminada = 0;
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

void TfJogo::bbSubstClick()
{
    // The aids act on an open question only: not on one being judged or closed.
    if (!aceitaAjuda(Fase))
        return;
    imNaoClick();
    if (abreAjuda(ajuda::kPergunta) == QLatin1String("S"))
        substitui();
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

som::Chave TfJogo::chaveSom() const
{
    return {imComSom, imSemSom, som::kEstadio2};
}

void TfJogo::passaA(FasePartida nova)
{
    Fase = mudaFase(Fase, nova);
}
