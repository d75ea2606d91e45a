#include "inicio.h"

#include "album/tf_album.h"
#include "album/tf_pacotinho.h"
#include "match/tf_jogo.h"
#include "penalty/tf_ajuda_gol.h"
#include "shell/tf_mensagens.h"
#include "shell/tf_nome.h"
#include "shell/tf_placar.h"
#include "tf_prin.h"
#include "tf_trocas.h"

void CriaTelas()
{
    fPrin = new TfPrin;
    fJogo = new TfJogo;
    fAjudaGol = new TfAjudaGol;
    fNome = new TfNome;
    fMensagens = new TfMensagens;
    fPlacar = new TfPlacar;
    fAlbum = new TfAlbum;
    fPacotinho = new TfPacotinho;
    fTrocas = new TfTrocas;
}

template <class T> void destroi(T*& tela)
{
    delete tela;
    tela = nullptr;
}

void DestroiTelas()
{
    destroi(fTrocas);
    destroi(fPacotinho);
    destroi(fAlbum);
    destroi(fPlacar);
    destroi(fMensagens);
    destroi(fNome);
    destroi(fAjudaGol);
    destroi(fJogo);
    destroi(fPrin);
}
