#include "tf_album.h"

#include "common/controles.h"
#include "common/cores.h"
#include "common/formata_numero.h"
#include "common/platform.h"
#include "common/report_errors.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "data/jogadores.h"

#include <QKeyEvent>

TfAlbum* fAlbum = nullptr;
int UltimaFigurinhaDistribuida = 0;

namespace {

constexpr int kPaginas = 100;

Panel* quadro(QWidget* parent, const QRect& geometry, const QString& titulo, Label** figura)
{
    Panel* painel = novoPainel(parent, geometry, kLima);
    auto* cabecalho = new Label(titulo, painel);
    cabecalho->setGeometry(0, 4, geometry.width(), 24);
    cabecalho->setAlignment(Qt::AlignCenter);
    cabecalho->setPixelFont(16, true);
    *figura = new Label(QStringLiteral("001"), painel);
    (*figura)->setGeometry(0, 28, geometry.width(), 38);
    (*figura)->setAlignment(Qt::AlignCenter);
    (*figura)->setPixelFont(28, true);
    return painel;
}

} // namespace

TfAlbum::TfAlbum(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fAlbum"));
    setWindowTitle(QStringLiteral("fAlbum"));
    resize(659, 724);
    QPalette fundo = palette();
    fundo.setColor(QPalette::Window, QColor(0, 70, 30));
    setPalette(fundo);
    setAutoFillBackground(true);

    for (int k = 0; k < 12; ++k) {
        Panel* painel =
            novoPainel(this, QRect(20 + 170 * (k % 3), 20 + 170 * (k / 3), 150, 150), kCinzaClaro);
        Picture* figura = novaFigura(painel, QRect(0, 0, 150, 150));
        figura->setObjectName(QStringLiteral("im") + numeroDoisDigitos(k + 1));
        // The number sits in the gap below its sticker, so it never hides the picture's text.
        Label* numero = novoRotulo(this, QRect(painel->x(), painel->y() + 150, 150, 20),
                                   QStringLiteral("01"), Qt::white, 14, true);
        numero->setAlignment(Qt::AlignCenter);
        pn[size_t(k)] = painel;
        im[size_t(k)] = figura;
        numeros[size_t(k)] = numero;
    }

    Panel1 = quadro(this, QRect(530, 20, 110, 70), QStringLiteral("Pág. "), &stPag);
    lbProgresso = novoRotulo(this, QRect(520, 92, 130, 40), {}, Qt::white, 14, true);
    lbProgresso->setAlignment(Qt::AlignCenter);
    lbProgresso->setWordWrap(true);
    Panel2 = quadro(this, QRect(530, 136, 110, 70), QStringLiteral("Repetidas"), &stRepet);
    Panel3 = quadro(this, QRect(530, 216, 110, 70), QStringLiteral("Ocultas"), &StaticText5);
    BitBtn3 = new QPushButton(QStringLiteral("Ver"), this);
    BitBtn3->setGeometry(555, 296, 60, 30);
    BitBtn1 =
        new QPushButton(QIcon(caminhoArte(arte::kSetaAnterior)), QStringLiteral("Anterior"), this);
    BitBtn1->setGeometry(530, 560, 110, 50);
    BitBtn2 =
        new QPushButton(QIcon(caminhoArte(arte::kSetaProxima)), QStringLiteral("Próxima"), this);
    BitBtn2->setGeometry(530, 620, 110, 50);
    btFechar = new QPushButton(QStringLiteral("Fechar"), this);
    btFechar->setGeometry(530, 480, 110, 50);
    for (QPushButton* b : {BitBtn1, BitBtn2, BitBtn3, btFechar}) {
        b->setAutoDefault(false);
        // A focused button would take the arrow keys to move the focus instead.
        b->installEventFilter(this);
    }
    connect(btFechar, &QPushButton::clicked, this, &TfAlbum::close);
    connect(BitBtn1, &QPushButton::clicked, this, &TfAlbum::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TfAlbum::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TfAlbum::BitBtn3Click);

    Pagina = 1;
    mostraPagina(Pagina);
}

void TfAlbum::mostraPagina(int pagina)
{
    NumeraPagina(pagina);
    reportErrors([this, pagina] { CarregaPagina(pagina); });
}

void TfAlbum::NumeraPagina(int pagina)
{
    for (int k = 1; k <= 12; ++k)
        numeros[size_t(k - 1)]->setText(QString::number((pagina - 1) * 12 + k));
}

void TfAlbum::CarregaPagina(int pagina)
{
    for (int k = 1; k <= 12; ++k) {
        const int n = (pagina - 1) * 12 + k;
        Picture* figura = findChild<Picture*>(QStringLiteral("im") + numeroDoisDigitos(k));
        const bool tem = JogadorAtual.figurinha(n).Qtd >= 1;
        figura->load(workingFile(tem ? QStringLiteral(".\\PastaImg\\imagem") +
                                           numeroCincoDigitos(n) + QStringLiteral(".bmp")
                                     : QStringLiteral(".\\PastaImg\\imagem0.jpg")));
    }
    stPag->setText(QString::number(pagina));
}

void TfAlbum::BitBtn1Click()
{
    if (Pagina > 1)
        --Pagina;
    mostraPagina(Pagina);
}

void TfAlbum::BitBtn2Click()
{
    if (Pagina < kPaginas)
        ++Pagina;
    mostraPagina(Pagina);
}

void TfAlbum::BitBtn3Click()
{
    const int n = UltimaFigurinhaDistribuida;
    Pagina = n >= 1 ? (n - 1) / 12 + 1 : 1;
    mostraPagina(Pagina);
}

qint32 TfAlbum::ContaRepetidas()
{
    qint32 soma = 0;
    for (int n = 1; n <= kFigurinhasAlbum; ++n) {
        platform().processEvents();
        const int qtd = JogadorAtual.figurinha(n).Qtd;
        if (qtd >= 2)
            soma += qtd - 1;
    }
    return soma;
}

int ContaOcultas()
{
    int ocultas = 0;
    for (int n = 1; n <= kFigurinhasGanhaveis; ++n)
        if (JogadorAtual.figurinha(n).Qtd == 0)
            ++ocultas;
    return ocultas;
}

void TfAlbum::viraPagina(int key)
{
    if (key == Qt::Key_Left || key == Qt::Key_PageUp)
        BitBtn1Click();
    else
        BitBtn2Click();
}

void TfAlbum::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape: close(); break;
    case Qt::Key_Left:
    case Qt::Key_PageUp:
    case Qt::Key_Right:
    case Qt::Key_PageDown: viraPagina(event->key()); break;
    default: Screen::keyPressEvent(event);
    }
}

bool TfAlbum::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(event);
        if (tecla->key() == Qt::Key_Left || tecla->key() == Qt::Key_Right) {
            viraPagina(tecla->key());
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}

void TfAlbum::FormActivate()
{
    stRepet->setText(QString::number(ContaRepetidas()));
    const int ocultas = ContaOcultas();
    StaticText5->setText(QString::number(ocultas));
    lbProgresso->setText(QStringLiteral("%1 de %2 figurinhas")
                             .arg(kFigurinhasGanhaveis - ocultas)
                             .arg(kFigurinhasGanhaveis));
}

void TfAlbum::FormDeactivate()
{
    reportErrors([] {
        GuardaJogadorAtual();
        GravaJogadores(true);
    });
}

void AbreAlbum()
{
    if (!fAlbum)
        fAlbum = new TfAlbum;
    fAlbum->mostraPagina(fAlbum->Pagina);
    platform().showModal(*fAlbum);
}
