#include "tf_ajuda_gol.h"

#include "common/ajusta_tela.h"
#include "common/controles.h"
#include "common/cores.h"
#include "common/forma.h"
#include "common/platform.h"
#include "content/recursos/ajuda_paginas.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "match/tf_jogo.h"
#include "shell/sons.h"
#include "shell/tf_mensagens.h"

#include <QKeyEvent>
#include <QPainter>

#include <algorithm>
#include <functional>

TfAjudaGol* fAjudaGol = nullptr;

qint32 PosGoleiro = 0;
bool GoleiroDireita = false;
qint32 PosBola = 0;
qint32 TopoBolaInicial = 0;
qint32 Forca = 0;

namespace {

// Screen pixels, never scaled.
constexpr int kPassoMira = 5;
constexpr int kDesvioBola = 6;
constexpr int kPassoSaida = 5;
constexpr int kEsperaSaida = 30;

} // namespace

TfAjudaGol::TfAjudaGol(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fAjudaGol"));
    setWindowTitle(QStringLiteral("Dribolex 2018"));
    criaControles();

    // FormCreate.
    scaleScreen(*this, platform().screenWidth(), 1200);
    platform().reseedRandom();
    PosGoleiro = imGol->x() + (imGol->width() - imGol->x()) / 2;
    TopoBolaInicial = imBola->y();
    imGoleiro->move(PosGoleiro, imGoleiro->y());
    GoleiroDireita = false;
}

void TfAjudaGol::criaControles()
{
    resize(312, 500);
    setAutoFillBackground(true);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, kVerde);
    setPalette(fundo);

    Shape1 = new Forma(this, QRect(0, 0, 312, 500), Forma::Tipo::Retangulo, kVerde, Qt::white, 10);
    imGol = novaFigura(this, QRect(24, 24, 261, 105), caminhoArte(arte::kGol));
    imGoleiro = novaFigura(this, QRect(64, 76, 45, 53), caminhoArte(arte::kGoleiro));
    Shape2 =
        new Forma(this, QRect(4, 245, 305, 10), Forma::Tipo::Retangulo, Qt::white, Qt::white, 0);
    Shape3 = new Forma(this, QRect(120, 210, 80, 80), Forma::Tipo::Circulo, QColor(), Qt::white, 5);

    imJogador = novaFigura(this, QRect(144, 356, 45, 57), caminhoArte(arte::kBatedor),
                           QStringLiteral("Chutar (Enter)"));
    imJogador->setCursor(Qt::UpArrowCursor);
    imBola = novaFigura(this, QRect(134, 380, 20, 20), caminhoArte(arte::kBola),
                        QStringLiteral("Chutar a bola (Enter)"));
    imBola->setCursor(Qt::UpArrowCursor);
    connect(imJogador, &Picture::clicked, this, &TfAjudaGol::imJogadorClick);
    connect(imBola, &Picture::clicked, this, &TfAjudaGol::imJogadorClick);

    const int topos[] = {404, 388, 372, 356, 340};
    for (int i = 0; i < 5; ++i) {
        auto* barra = new Forma(this, QRect(280, topos[i], 13, 13), Forma::Tipo::Retangulo,
                                kAzulCeu, Qt::black, 1);
        const int tag = i + 1;
        barra->setObjectName(QStringLiteral("shForca%1").arg(tag));
        barra->setProperty("tag", tag);
        barra->setAccessibleName(QStringLiteral("Força %1").arg(tag));
        barra->setToolTip(QStringLiteral("Força %1 (setas para cima e para baixo)").arg(tag));
        barra->setCursor(Qt::PointingHandCursor);
        barra->aoPressionar = [this, tag] { shForca1MouseDown(tag); };
        shForca[size_t(i)] = barra;
    }

    Image1 = novaFigura(this, QRect(104, 456, 49, 25), caminhoArte(arte::kSetaEsquerda),
                        QStringLiteral("Mirar para a esquerda (seta para a esquerda)"));
    Image3 = novaFigura(this, QRect(160, 456, 49, 25), caminhoArte(arte::kSetaDireita),
                        QStringLiteral("Mirar para a direita (seta para a direita)"));
    Image2 = novaFigura(this, QRect(12, 439, 49, 49), caminhoArte(arte::kAjuda),
                        QStringLiteral("Ajuda"));
    Image2->setCursor(Qt::WhatsThisCursor);
    imSair =
        novaFigura(this, QRect(251, 439, 49, 49), caminhoArte(arte::kSair), QStringLiteral("Sair"));
    imSair->setCursor(Qt::ForbiddenCursor);
    for (Picture* seta : {Image1, Image3})
        seta->setCursor(Qt::PointingHandCursor);
    connect(Image1, &Picture::clicked, this, &TfAjudaGol::Image1Click);
    connect(Image3, &Picture::clicked, this, &TfAjudaGol::Image3Click);
    connect(Image1, &Picture::doubleClicked, this, &TfAjudaGol::Image1DblClick);
    connect(Image3, &Picture::doubleClicked, this, &TfAjudaGol::Image3DblClick);
    connect(Image2, &Picture::clicked, this, &TfAjudaGol::Image2Click);
    connect(imSair, &Picture::clicked, this, &TfAjudaGol::imSairClick);
    // A double click is one click and one double click, as on the window system the game
    // was made for: the release that ends it is not a second click.
    for (Picture* p : {imJogador, imBola, Image1, Image3, Image2, imSair})
        p->installEventFilter(this);

    lbAcerto = novoRotulo(this, QRect(9, 140, 293, 109),
                          QStringLiteral("Você fez um gol! uma alternativa errada será eliminada "
                                         "das opções possíveis!"),
                          Qt::black, 20);
    lbErro = novoRotulo(this, QRect(9, 255, 293, 82),
                        QStringLiteral("Você ERROU a cobrança de pênalti! irá sofrer 2 gols na sua "
                                       "pontuação!"),
                        kGrena, 20, true);
    for (Label* l : {lbAcerto, lbErro}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        l->setLineWidth(1);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, kAmarelo);
        l->setPalette(p);
        QFont f = l->font();
        f.setFamilies({QStringLiteral("Automatic Black SSi"), QStringLiteral("DejaVu Sans"),
                       QStringLiteral("Liberation Sans")});
        l->setFont(f);
        l->hide();
    }

    tGoleiro.setInterval(100);
    tBola.setInterval(10);
    tBola.setTimerType(Qt::PreciseTimer);
    connect(&tGoleiro, &QTimer::timeout, this, &TfAjudaGol::tGoleiroTimer);
    connect(&tBola, &QTimer::timeout, this, &TfAjudaGol::tBolaTimer);
}

bool TfAjudaGol::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        fimDeDuploClique = watched;
    } else if (event->type() == QEvent::MouseButtonRelease && fimDeDuploClique == watched) {
        fimDeDuploClique = nullptr;
        return true;
    }
    return Screen::eventFilter(watched, event);
}

void TfAjudaGol::FormActivate()
{
    som::tocaEmLaco(som::kGoleiro);
    imBola->move(imBola->x(), TopoBolaInicial);
    PosBola = imBola->y();
    tGoleiro.start();
    tBola.stop();
    Chutes = 0;
    FezGol = false;
    imJogador->move(width() / 2 - imJogador->width() / 2, imJogador->y());
    imBola->move(imJogador->x() - kDesvioBola, imBola->y());
    for (QWidget* barra : shForca)
        Forma::pintaForma(barra, kAzulCeu);
    Forca = 0;
}

void TfAjudaGol::tGoleiroTimer()
{
    imGoleiro->move(PosGoleiro, imGoleiro->y());
    const int esquerda = imGol->x() + 3;
    const int direita = imGol->x() + imGol->width() - imGoleiro->width();
    if (PosGoleiro < esquerda) {
        PosGoleiro += platform().random(60);
        GoleiroDireita = true;
    } else if (PosGoleiro >= direita) {
        PosGoleiro -= platform().random(60);
        GoleiroDireita = false;
    } else if (GoleiroDireita) {
        PosGoleiro += platform().random(25);
    } else {
        PosGoleiro -= platform().random(25);
    }
}

void TfAjudaGol::alinhaBola()
{
    imBola->move(imJogador->x() - kDesvioBola, imBola->y());
}

void TfAjudaGol::Image1Click()
{
    if (imJogador->x() >= width() / 3)
        imJogador->move(imJogador->x() - kPassoMira, imJogador->y());
    alinhaBola();
}

void TfAjudaGol::Image3Click()
{
    if (imJogador->x() <= (width() / 3) * 2 - 10)
        imJogador->move(imJogador->x() + kPassoMira, imJogador->y());
    alinhaBola();
}

void TfAjudaGol::Image1DblClick()
{
    imJogador->move(width() / 3, imJogador->y());
    alinhaBola();
}

void TfAjudaGol::Image3DblClick()
{
    imJogador->move((width() / 3) * 2 - 10, imJogador->y());
    alinhaBola();
}

void TfAjudaGol::keyReleaseEvent(QKeyEvent* event)
{
    // Holding a key sends repeated releases here; the game acts once, when the key comes up.
    if (event->isAutoRepeat())
        return;
    FormKeyUp(event->key());
}

void TfAjudaGol::FormKeyUp(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: imJogadorClick(); break;
    case Qt::Key_Up:
    case Qt::Key_Down: Forca = std::clamp(Forca + (key == Qt::Key_Up ? 1 : -1), 0, 5); break;
    case Qt::Key_Left: Image1Click(); break;
    case Qt::Key_Right: Image3Click(); break;
    default: break;
    }
    alinhaBola();
    PintaForca();
}

void TfAjudaGol::shForca1MouseDown(int tag)
{
    Forca = tag;
    PintaForca();
}

void TfAjudaGol::PintaForca()
{
    for (QWidget* barra : shForca)
        Forma::pintaForma(barra, kAzulCeu);
    for (int i = 0; i < Forca && i < int(shForca.size()); ++i)
        Forma::pintaForma(shForca[size_t(i)], kMarinho);
}

void TfAjudaGol::imJogadorClick()
{
    som::tocaUmaVez(som::kSuspense);
    tBola.start();
    ++Chutes;
}

void TfAjudaGol::tBolaTimer()
{
    imBola->move(imBola->x(), PosBola);
    PosBola -= 2 * Forca + 1;
    if (PosBola > imGoleiro->y() + imGoleiro->height() / 3)
        return;
    tGoleiro.stop();
    const bool defesa = imBola->x() + imBola->width() / 2 > imGoleiro->x() &&
                        imBola->x() < imGoleiro->x() + imGoleiro->width();
    if (defesa)
        TerminaDefesa();
    else
        TerminaGol();
    sai();
}

void TfAjudaGol::TerminaDefesa()
{
    lbErro->show();
    lbErro->repaint();
    tBola.stop();
    tGoleiro.stop();
    imBola->move(imGoleiro->x() + (imGoleiro->width() - imBola->width()) / 2,
                 imGoleiro->y() + (imGoleiro->height() - imBola->height()) / 2);
    imBola->repaint();
    FezGol = false;
    som::tocaEEspera(som::kErrada1);
    lbErro->hide();
    // The slide that follows lets no event run: the hidden message must be painted away now.
    repaint();
}

void TfAjudaGol::TerminaGol()
{
    lbAcerto->show();
    lbAcerto->repaint();
    tBola.stop();
    tGoleiro.stop();
    imBola->move(imBola->x(), PosBola - 30);
    FezGol = true;
    imBola->repaint();
    som::tocaEEspera(som::kCerto4);
    lbAcerto->hide();
    repaint();
}

void TfAjudaGol::imSairClick()
{
    sai();
}

void TfAjudaGol::sai()
{
    tBola.stop();
    tGoleiro.stop();
    const int topo = y();
    som::tocaUmaVez(som::kSaida);
    // The match screen is always there when the aid runs; without it the screen slides its
    // own height.
    const int passos = (fJogo ? fJogo->height() : height()) / 5;
    for (int i = 0; i < passos; ++i) {
        move(x(), y() + kPassoSaida);
        platform().sleep(kEsperaSaida);
    }
    close();
    move(x(), topo);
}

void TfAjudaGol::Image2Click()
{
    // A page that cannot be loaded is reported and not shown; the turn goes on.
    abreAjuda(ajuda::kPenalti, QStringLiteral("OK"));
}
