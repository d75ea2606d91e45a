#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"
#include "sons.h"

#include <QPushButton>

#include <array>

// The one dialog that asks yes/no questions and shows the explanation pages; its content is a
// picture that the caller loads before showing it.
class TfMensagens : public Screen {
    Q_OBJECT

public:
    explicit TfMensagens(QWidget* parent = nullptr);

    // The player's answer: "S", "N" or "C"; kept from show to show.
    QString Resposta;

    Panel* Panel1;
    Picture* Image1;
    Panel* Panel2;
    Picture* Image2;
    QPushButton* bbSim;
    QPushButton* bbNao;
    QPushButton* bbCancelar;
    std::array<QPushButton*, 8> bbExp;
    Picture* imComSom;
    Picture* imSemSom;

    // Loads a page picture named by its path text beside the program; throws GameError.
    void carregaPagina(const QString& texto);

    void FormActivate() override;
    void bbSimClick();
    void bbNaoClick();
    void bbCancelarClick();
    void bbExpClick(QPushButton* sender);
    // The dialog's switch plays and stops its own loop only.
    som::Chave chaveSom() const;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
};

extern TfMensagens* fMensagens;

// Opens the help dialog (made on first use) on a page of PastaImgHelp. With a closing text the
// page is read and closed with one button of that text; without one it asks yes or no. Returns
// the answer, "S" or "N", or an empty text when closed without one or when the page could not
// be loaded (which is reported). The dialog is left with all its buttons shown.
QString abreAjuda(QStringView pagina, const QString& textoFechar = {});
