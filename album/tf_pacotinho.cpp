#include "tf_pacotinho.h"

#include "common/controles.h"
#include "common/cores.h"
#include "common/formata_numero.h"
#include "common/report_errors.h"
#include "data/catalogo.h"
#include "data/jogadores.h"
#include "match/estado_partida.h"
#include "tf_album.h"

#include <QKeyEvent>

TfPacotinho* fPacotinho = nullptr;

TfPacotinho::TfPacotinho(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fPacotinho"));
    setWindowTitle(QStringLiteral("fPacotinho"));
    resize(899, 464);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, QColor(0, 96, 40));
    setPalette(fundo);
    setAutoFillBackground(true);
    for (int k = 0; k < 10; ++k) {
        Panel* painel =
            novoPainel(this, QRect(25 + 174 * (k % 5), 20 + 170 * (k / 5), 150, 150), kCinzaClaro);
        Label* numero = novoRotulo(painel, QRect(0, 0, 150, 150), numeroDoisDigitos(k + 1),
                                   QColor(160, 160, 160), 40, true);
        numero->setAlignment(Qt::AlignCenter);
        Picture* figura = novaFigura(painel, QRect(0, 0, 150, 150));
        figura->setObjectName(QStringLiteral("im") + numeroDoisDigitos(k + 1));
        p[size_t(k)] = painel;
        im[size_t(k)] = figura;
    }
    lb01 = new Label(QStringLiteral("lb01"), this);
    lb01->hide();
    lbGanhou = novoRotulo(this, QRect(25, 341, 850, 32), {}, Qt::white, 24, true);
    lbGanhou->setAlignment(Qt::AlignCenter);

    BitBtn1 = novoBotao(this, QStringLiteral("Abrir pacotinho de figurinhas"),
                        QRect(200, 375, 340, 54), 20, true);
    btAlbum = novoBotao(this, QStringLiteral("Ver álbum"), QRect(560, 375, 140, 54), 20, true);
    btFechar = novoBotao(this, QStringLiteral("Fechar"), QRect(720, 375, 140, 54), 20, true);
    BitBtn1->setEnabled(false);
    connect(BitBtn1, &QPushButton::clicked, this, &TfPacotinho::BitBtn1Click);
    connect(btAlbum, &QPushButton::clicked, this, &TfPacotinho::btAlbumClick);
    connect(btFechar, &QPushButton::clicked, this, &TfPacotinho::close);
}

void TfPacotinho::novoPacote()
{
    distribuido = false;
    BitBtn1->setEnabled(true);
    const int tamanho = qMin(int(TamPacotinho), 10);
    lbGanhou->setText(tamanho == 1 ? QStringLiteral("Você ganhou 1 figurinha!")
                                   : QStringLiteral("Você ganhou %1 figurinhas!").arg(tamanho));
}

void TfPacotinho::BitBtn1Click()
{
    if (distribuido)
        return;
    distribuido = true;
    BitBtn1->setEnabled(false);
    for (int k = 1; k <= 10; ++k) {
        if (TamPacotinho < k)
            break;
        Picture* figura = im[size_t(k - 1)];
        int n = 0;
        if (!reportErrors([&] { n = SorteiaImagem(0, *figura, *lb01); }) || n == 0)
            break;
        AcrescentaFigurinha(figura->tag());
        UltimaFigurinhaDistribuida = figura->tag();
    }
}

void TfPacotinho::btAlbumClick()
{
    AbreAlbum();
}

void TfPacotinho::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        Screen::keyPressEvent(event);
}

void TfPacotinho::FormDeactivate()
{
    // The stickers dealt reach the player's file even if the album is never opened.
    reportErrors([] {
        GuardaJogadorAtual();
        GravaJogadores(true);
    });
}
