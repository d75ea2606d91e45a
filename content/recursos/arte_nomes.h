#pragma once

#include <QStringView>

// The screen pictures compiled into the program under the /arte resource prefix, by file name.
// The build reads the names from this file: one constant a line, every name in kTodas.
namespace arte {
inline constexpr QStringView kFundoJogo = u"fundo_jogo.jpg";
inline constexpr QStringView kBolaBranca = u"bola_branca.png";
inline constexpr QStringView kBolaAzul = u"bola_azul.png";
inline constexpr QStringView kBolaAmarela = u"bola_amarela.png";
inline constexpr QStringView kBolaVerde = u"bola_verde.png";
inline constexpr QStringView kBolaVermelha = u"bola_vermelha.png";
inline constexpr QStringView kConfirmar = u"confirmar.png";
inline constexpr QStringView kDesistir = u"desistir.png";
inline constexpr QStringView kSomLigado = u"som_ligado.png";
inline constexpr QStringView kSomDesligado = u"som_desligado.png";
inline constexpr QStringView kSair = u"sair.png";
inline constexpr QStringView kTitulo = u"titulo.jpg";
inline constexpr QStringView kMenuJogar = u"menu_jogar.png";
inline constexpr QStringView kMenuExplicar = u"menu_explicar.png";
inline constexpr QStringView kMenuSair = u"menu_sair.png";
inline constexpr QStringView kFundoNome = u"fundo_nome.jpg";
inline constexpr QStringView kFundoMensagens = u"fundo_mensagens.jpg";
inline constexpr QStringView kPaginaInicial = u"pagina_inicial.jpg";
inline constexpr QStringView kGol = u"gol.png";
inline constexpr QStringView kGoleiro = u"goleiro.png";
inline constexpr QStringView kBatedor = u"batedor.png";
inline constexpr QStringView kBola = u"bola.png";
inline constexpr QStringView kSetaEsquerda = u"seta_esquerda.png";
inline constexpr QStringView kSetaDireita = u"seta_direita.png";
inline constexpr QStringView kAjuda = u"ajuda.png";
inline constexpr QStringView kSetaAnterior = u"seta_anterior.png";
inline constexpr QStringView kSetaProxima = u"seta_proxima.png";
inline constexpr QStringView kIcone = u"icone.png";

inline constexpr QStringView kTodas[] = {
    kFundoJogo, kBolaBranca,   kBolaAzul,    kBolaAmarela,  kBolaVerde,      kBolaVermelha,
    kConfirmar, kDesistir,     kSomLigado,   kSomDesligado, kSair,           kTitulo,
    kMenuJogar, kMenuExplicar, kMenuSair,    kFundoNome,    kFundoMensagens, kPaginaInicial,
    kGol,       kGoleiro,      kBatedor,     kBola,         kSetaEsquerda,   kSetaDireita,
    kAjuda,     kSetaAnterior, kSetaProxima, kIcone};
} // namespace arte
