#include "inicio.h"

#include "tf_ajuda_gol.h"
#include "tf_album.h"
#include "tf_jogo.h"
#include "tf_mensagens.h"
#include "tf_nome.h"
#include "tf_pacotinho.h"
#include "tf_placar.h"
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
