#include "tf_mensagens.h"

#include "common/ajusta_tela.h"
#include "common/controles.h"
#include "common/cores.h"
#include "common/platform.h"
#include "common/report_errors.h"
#include "content/recursos/ajuda_paginas.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "icones_som.h"
#include "sons.h"

TfMensagens* fMensagens = nullptr;

namespace {

// The path text of a help page in the game folder.
QString caminhoAjuda(QStringView pagina)
{
    return QStringLiteral(".\\PastaImgHelp\\%1").arg(pagina);
}

} // namespace

QString abreAjuda(QStringView pagina, const QString& textoFechar)
{
    if (!fMensagens)
        fMensagens = new TfMensagens;
    const bool pergunta = textoFechar.isEmpty();
    fMensagens->bbSim->setVisible(pergunta);
    fMensagens->bbNao->setVisible(pergunta);
    fMensagens->bbCancelar->setVisible(!pergunta);
    if (!pergunta)
        fMensagens->bbCancelar->setText(textoFechar);
    // Only an answer given now counts: a dialog closed without one must not replay an earlier yes.
    fMensagens->Resposta.clear();
    if (reportErrors([&] { fMensagens->carregaPagina(caminhoAjuda(pagina)); }))
        platform().showModal(*fMensagens);
    fMensagens->bbSim->show();
    fMensagens->bbNao->show();
    fMensagens->bbCancelar->show();
    return fMensagens->Resposta;
}

TfMensagens::TfMensagens(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fMensagens"));
    resize(776, 560);
    Panel1 = novoPainel(this, QRect(0, 0, 776, 560), QColor(0, 0, 255));
    Image1 = novaFigura(Panel1, QRect(0, 0, 776, 560), caminhoArte(arte::kFundoMensagens));

    Panel2 = novoPainel(Panel1, QRect(8, 8, 513, 481), kGrena);
    Image2 = novaFigura(Panel2, QRect(0, 0, 513, 481), caminhoArte(arte::kPaginaInicial));

    const QString destaque = fonteDestaque();
    bbSim = novoBotao(Panel1, QStringLiteral("SIM"), QRect(8, 504, 250, 40), 24, true, destaque,
                      kMarinho);
    bbNao = novoBotao(Panel1, QStringLiteral("NÃO"), QRect(266, 504, 245, 40), 24, true, destaque,
                      kGrena);
    bbCancelar =
        novoBotao(Panel1, QStringLiteral("Cancelar"), QRect(591, 504, 177, 40), 24, true, destaque);
    connect(bbSim, &QPushButton::clicked, this, &TfMensagens::bbSimClick);
    connect(bbNao, &QPushButton::clicked, this, &TfMensagens::bbNaoClick);
    connect(bbCancelar, &QPushButton::clicked, this, &TfMensagens::bbCancelarClick);

    const struct {
        const char* texto;
        QStringView pagina;
    } paginas[] = {{"Iniciar o Jogo", ajuda::kIniciar},
                   {"Ajudas", ajuda::kAjudas},
                   {"Auxílio Técnico", ajuda::kAuxilio},
                   {"Substituição", ajuda::kSubstituicao},
                   {"Álbum", ajuda::kAlbum},
                   {"Imagens", ajuda::kImagens},
                   {"Finalizar", ajuda::kFinalizar},
                   {"Placar", ajuda::kPlacar}};
    for (int i = 0; i < 8; ++i) {
        QPushButton* b = novoBotao(Panel1, QString::fromUtf8(paginas[i].texto),
                                   QRect(591, 8 + 46 * i, 177, 40), 24, true, destaque, kVerde);
        b->setObjectName(QStringLiteral("bbExp%1").arg(i + 1));
        b->setProperty("pagina", paginas[i].pagina.toString());
        connect(b, &QPushButton::clicked, this, [this, b] { bbExpClick(b); });
        bbExp[size_t(i)] = b;
    }

    std::tie(imComSom, imSemSom) =
        som::criaIcones(Panel1, QRect(635, 384, 89, 85), [this] { return chaveSom(); });
    // The dialog plays its loop from its first show on; the icons are see-through, so the one of
    // the other state must not be painted behind.
    imSemSom->hide();

    scaleScreen(*this, platform().screenWidth(), 1200);
}

void TfMensagens::carregaPagina(const QString& texto)
{
    Image2->load(programFile(texto));
}

void TfMensagens::showEvent(QShowEvent* event)
{
    Screen::showEvent(event);
    som::tocaEmLaco(som::kTempo);
    if (!bbCancelar->isHidden())
        bbCancelar->setFocus();
}

void TfMensagens::hideEvent(QHideEvent* event)
{
    Screen::hideEvent(event);
    som::para();
}

void TfMensagens::FormActivate()
{
    for (QPushButton* b : bbExp)
        b->setVisible(bbSim->isHidden());
}

void TfMensagens::bbSimClick()
{
    Resposta = QStringLiteral("S");
    close();
}

void TfMensagens::bbNaoClick()
{
    Resposta = QStringLiteral("N");
    close();
}

void TfMensagens::bbCancelarClick()
{
    Resposta = QStringLiteral("C");
    close();
}

void TfMensagens::bbExpClick(QPushButton* sender)
{
    reportErrors(
        [this, sender] { carregaPagina(caminhoAjuda(sender->property("pagina").toString())); });
}

som::Chave TfMensagens::chaveSom() const
{
    return {imComSom, imSemSom, som::kTempo, false};
}
