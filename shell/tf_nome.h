#pragma once

#include "common/label.h"
#include "common/panel.h"
#include "common/picture.h"
#include "common/screen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

// Player selection: lists the players of the album file, creates new ones and starts the match
// for the chosen player.
class TfNome : public Screen {
    Q_OBJECT

public:
    explicit TfNome(QWidget* parent = nullptr);

    Panel* Panel1;
    Picture* Image1;
    Label* lbDescr;
    QLineEdit* edNome;
    QLineEdit* edeMail;
    QTableWidget* sgJogadores;
    QPushButton* BitBtn1;
    QPushButton* btAlbum;
    Picture* Image2;

    void FormActivate() override;
    void FormDeactivate() override;
    void BitBtn1Click();
    void edNomeKeyPress(int key);
    void edeMailKeyPress(int key);
    void sgJogadoresClick(int row);
    void sgJogadoresDblClick(int row);
    void btAlbumClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selecionaAviso(QLineEdit* caixa, Qt::FocusReason motivo);
    void jogaPartida();

    // The list's place when it is shown alone.
    QRect lugarDaGrade;
};

extern TfNome* fNome;
