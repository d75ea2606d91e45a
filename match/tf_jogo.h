#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"
#include "regras_partida.h"
#include "shell/sons.h"

#include <QPushButton>
#include <QTimer>

#include <array>

// The match screen: one instance serves exactly one match.
class TfJogo : public Screen {
    Q_OBJECT

public:
    explicit TfJogo(QWidget* parent = nullptr);
    ~TfJogo() override;

    QString NomeJogador;

    Panel* Panel1;
    Picture* Image1;
    Label* lbNumQuestao;
    Label* lbPergunta;
    Panel *p1, *p2, *p3;
    Label *lbOpA, *lbOpB, *lbOpC;
    Label *lbOp1, *lbOp2, *lbOp3;
    // Markers of each option panel, in frame order: white, blue, yellow, green.
    std::array<std::array<Picture*, 4>, 3> marcadores;
    QPushButton* bbAuxilio;
    QPushButton* bbSubst;
    Picture* imNao;
    Picture* imSim;
    Label* dbtComplemento;
    Panel* Panel2;
    Picture* Imagem;
    Panel* Panel3;
    Label* lbLegenda;
    Picture* imComSom;
    Picture* imSemSom;
    std::array<Picture*, 6> imBolaPt;
    Label* lbJogador;
    Label* lbBonus;
    std::array<Picture*, 8> imBolaPerd;
    Picture* imSair;
    QTimer tmBolas;

    void FormActivate() override;
    void IniciaPartida();
    // Draws the next question; false when the bank has none to give.
    bool SorteiaQuestao();
    int MostraOpcoes();
    void EncerraQuestao();

    void lbOp1Click(Label* sender);
    void imSimClick();
    void imNaoClick();
    void Acertou();
    void Errou();
    void MostraBolasPt(int n);
    void MostraBolasPerd(int n);
    void CresceBola(Picture* image);
    void VerificaBonus();
    void FimDaPartida();
    void imSairClick();

    void bbSubstClick();
    void bbAuxilioClick();
    void EliminaOpcao(int e);
    void AlternaDestaque(Panel* panel);
    void RestauraOpcoes();
    void tmBolasTimer();
    som::Chave chaveSom() const;

    // The match ran to its end (not left early).
    bool concluida = false;

    Panel* painel(int posicao) const;
    Label* rotuloLetra(int posicao) const;
    Label* rotuloTexto(int posicao) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void criaControles();
    void encerraSemPerguntas();
    void substitui();
    void passaA(FasePartida nova);
    Placar placar() const;
    bool iniciada = false;
    // What the last completed match earned, for a match left early to give back.
    quint8 pacoteAnterior = 0;
};

extern TfJogo* fJogo;
