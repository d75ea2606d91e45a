#include "tf_nome.h"

#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "common/ajusta_tela.h"
#include "common/controles.h"
#include "common/cores.h"
#include "common/platform.h"
#include "common/report_errors.h"
#include "content/recursos/arte_nomes.h"
#include "content/recursos/recursos.h"
#include "data/jogadores.h"
#include "match/estado_partida.h"
#include "match/tf_jogo.h"

#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTimer>

#include <memory>

TfNome* fNome = nullptr;

namespace {
const QString kAvisoNome = QStringLiteral("Digite seu nome");
const QString kAvisoEmail = QStringLiteral("eMail@");
} // namespace

TfNome::TfNome(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("fNome"));
    resize(600, 450);
    Panel1 = novoPainel(this, QRect(0, 0, 600, 450), kAmarelo);
    Panel1->setSingleBorder(true);
    Panel1->setBevelOuter(Panel::Bevel::None);
    Image1 = novaFigura(Panel1, QRect(1, 1, 598, 448), caminhoArte(arte::kFundoNome));

    lbDescr = novoRotulo(
        Panel1, QRect(30, 16, 540, 64),
        QStringLiteral("Dê um duplo clique no seu nome na lista abaixo para entrar em campo."),
        Qt::white, 22, true);
    lbDescr->setAlignment(Qt::AlignCenter);
    lbDescr->setWordWrap(true);

    auto caixa = [this](const QString& texto, int top, int maximo, const QString& nome) {
        auto* e = new QLineEdit(texto, Panel1);
        e->setGeometry(130, top, 340, 36);
        e->setMaxLength(maximo);
        e->setAccessibleName(nome);
        QFont f = e->font();
        f.setPixelSize(20);
        e->setFont(f);
        e->installEventFilter(this);
        return e;
    };
    edNome = caixa(kAvisoNome, 96, 15, QStringLiteral("Nome"));
    edeMail = caixa(kAvisoEmail, 142, 50, QStringLiteral("E-mail"));

    sgJogadores = new QTableWidget(1, 2, Panel1);
    sgJogadores->setGeometry(129, 96, 344, 270);
    sgJogadores->horizontalHeader()->hide();
    sgJogadores->verticalHeader()->hide();
    sgJogadores->setColumnWidth(0, 170);
    sgJogadores->setColumnWidth(1, 170);
    sgJogadores->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgJogadores->setSelectionMode(QAbstractItemView::SingleSelection);
    sgJogadores->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgJogadores->setAccessibleName(QStringLiteral("Jogadores"));
    QFont grade = sgJogadores->font();
    grade.setPixelSize(17);
    sgJogadores->setFont(grade);
    sgJogadores->installEventFilter(this);
    connect(sgJogadores, &QTableWidget::cellClicked, this,
            [this](int row, int) { sgJogadoresClick(row); });
    connect(sgJogadores, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int) { sgJogadoresDblClick(row); });

    BitBtn1 =
        novoBotao(Panel1, QStringLiteral("Novo Jogador"), QRect(130, 384, 200, 44), 20, false);
    connect(BitBtn1, &QPushButton::clicked, this, &TfNome::BitBtn1Click);

    btAlbum = novoBotao(Panel1, QStringLiteral("Ver álbum"), QRect(340, 384, 150, 44), 20, false);
    btAlbum->setToolTip(QStringLiteral("Mostra o álbum do jogador escolhido na lista"));
    connect(btAlbum, &QPushButton::clicked, this, &TfNome::btAlbumClick);

    Image2 = novaFigura(Panel1, QRect(526, 380, 49, 49), caminhoArte(arte::kSair),
                        QStringLiteral("Voltar ao menu"));
    Image2->setCursor(Qt::ForbiddenCursor);
    connect(Image2, &Picture::clicked, this, &TfNome::close);

    AjustaTela(*this);
    lugarDaGrade = sgJogadores->geometry();
}

void TfNome::FormActivate()
{
    edNome->selectAll();
    const bool existe = QFile::exists(caminhoJogadores());
    if (existe)
        sgJogadores->show();
    reportErrors([this] {
        CarregaJogadores([this](int k, const tJogador& jogador) {
            sgJogadores->setRowCount(k);
            sgJogadores->setItem(k - 1, 0, new QTableWidgetItem(jogador.Nome.texto()));
            sgJogadores->setItem(k - 1, 1, new QTableWidgetItem(jogador.eMail.texto()));
        });
    });
    if (!existe) {
        sgJogadores->hide();
        edNome->setFocus();
    }
    const bool semJogadores = QtdJogadores == 0;
    edNome->setVisible(semJogadores);
    edeMail->setVisible(semJogadores);
    // A list shown with the boxes starts below them, so that neither covers the other.
    QRect grade = lugarDaGrade;
    if (semJogadores)
        grade.setTop(edeMail->geometry().bottom() + edeMail->y() - edNome->geometry().bottom());
    sgJogadores->setGeometry(grade);
}

void TfNome::FormDeactivate()
{
    reportErrors([] { GravaJogadores(false); });
}

void TfNome::BitBtn1Click()
{
    sgJogadores->hide();
    edNome->show();
    edeMail->show();
    lbDescr->setText(
        QStringLiteral("Digite o seu Nome e eMail. Tecle ENTER para entrar em campo."));
    edNome->setFocus();
}

void TfNome::edNomeKeyPress(int key)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (edNome->text().isEmpty())
            edNome->setText(kAvisoNome);
        else
            edeMail->setFocus();
    } else if (key == Qt::Key_Escape) {
        close();
    }
}

void TfNome::edeMailKeyPress(int key)
{
    if (key == Qt::Key_Escape) {
        close();
        return;
    }
    if ((key != Qt::Key_Return && key != Qt::Key_Enter) || edeMail->text().isEmpty())
        return;
    // As after a double click, the match takes this screen's place.
    const HandOver vez;
    if (!fJogo)
        fJogo = new TfJogo;
    fJogo->NomeJogador = edNome->text();
    if (!AcrescentaJogador(edNome->text(), edeMail->text()))
        return;
    // The new player is the current player from now on, as if chosen in the list.
    EscolheJogador(QtdJogadores);
    close();
    jogaPartida();
}

void TfNome::sgJogadoresClick(int row)
{
    if (row >= 0 && row < kCapacidadeJogadores)
        JogadorAtual = Jogadores[row + 1];
}

void TfNome::sgJogadoresDblClick(int row)
{
    if (row < 0 || row >= kCapacidadeJogadores)
        return;
    // The match takes this screen's place: the menu below is active again only once the
    // player's turn is over, not between the two screens.
    const HandOver vez;
    close();
    if (!fJogo)
        fJogo = new TfJogo;
    EscolheJogador(row + 1);
    fJogo->NomeJogador = JogadorAtual.Nome.texto();
    close();
    jogaPartida();
}

void TfNome::btAlbumClick()
{
    const int row = sgJogadores->currentRow();
    if (sgJogadores->isHidden() || row < 0 || row >= QtdJogadores) {
        platform().messageBox(QStringLiteral("Escolha um jogador na lista para ver o álbum."));
        return;
    }
    // The album works on the current player: the one chosen here.
    EscolheJogador(row + 1);
    AbreAlbum();
}

void TfNome::selecionaAviso(QLineEdit* caixa, Qt::FocusReason motivo)
{
    // A box full of its prompt would refuse what is typed (the name's prompt fills its 15
    // characters), and typing is meant to replace the prompt anyway.
    if (caixa->text() != (caixa == edNome ? kAvisoNome : kAvisoEmail))
        return;
    if (motivo == Qt::MouseFocusReason)
        // The click that gave the focus places the cursor once it is delivered.
        QTimer::singleShot(0, caixa, &QLineEdit::selectAll);
    else
        caixa->selectAll();
}

void TfNome::jogaPartida()
{
    // The match screen serves one match: it is released however the match ends, and the next
    // match creates a fresh one that loads the bank again.
    std::unique_ptr<TfJogo> partida(fJogo);
    platform().showModal(*partida);
    fJogo = nullptr;
    const bool ganhou = partida->concluida && TamPacotinho > 0;
    // Released as soon as its showing ends, the match saves its drawn questions before
    // anything else can go wrong.
    partida.reset();
    if (!ganhou)
        return;
    // The packet goes into the album of the player who played, which must be in the file.
    if (IdxJogador < 1 || IdxJogador > QtdJogadores) {
        platform().messageBox(QStringLiteral(
            "As figurinhas desta partida não podem ser guardadas sem um jogador. Para criar um, "
            "clique em \"Novo Jogador\" na tela dos jogadores e digite o seu nome e o seu "
            "e-mail."));
        return;
    }
    if (!fPacotinho)
        fPacotinho = new TfPacotinho;
    fPacotinho->novoPacote();
    platform().showModal(*fPacotinho);
}

bool TfNome::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == sgJogadores) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            sgJogadoresDblClick(sgJogadores->currentRow());
            return true;
        }
    }
    if (event->type() == QEvent::FocusIn && (watched == edNome || watched == edeMail))
        selecionaAviso(static_cast<QLineEdit*>(watched),
                       static_cast<QFocusEvent*>(event)->reason());
    if (event->type() == QEvent::KeyPress && (watched == edNome || watched == edeMail)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            if (watched == edNome)
                edNomeKeyPress(key);
            else
                edeMailKeyPress(key);
            return true;
        }
    }
    return Screen::eventFilter(watched, event);
}
