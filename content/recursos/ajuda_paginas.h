#pragma once

#include <QStringView>

// The help pages in the game's PastaImgHelp folder, by file name; each is drawn from the text of
// the same name in content/ajuda/. The build reads the names from this file: one constant a line,
// every name in kTodas.
namespace ajuda {
inline constexpr QStringView kIniciar = u"ImagemExp1.jpg";
inline constexpr QStringView kAjudas = u"ImagemExp2.jpg";
inline constexpr QStringView kFinalizar = u"ImagemExp7.jpg";
inline constexpr QStringView kPlacar = u"ImagemExp8.jpg";
inline constexpr QStringView kAuxilio = u"ImagemExp9.jpg";
inline constexpr QStringView kImagens = u"ImagemExp11.jpg";
inline constexpr QStringView kSubstituicao = u"ImagemExp12.jpg";
inline constexpr QStringView kAlbum = u"ImagemExp13.jpg";
inline constexpr QStringView kPenalti = u"ImagemExp14.jpg";
inline constexpr QStringView kPergunta = u"ImagemPgt1.jpg";

inline constexpr QStringView kTodas[] = {kIniciar, kAjudas,       kFinalizar, kPlacar,  kAuxilio,
                                         kImagens, kSubstituicao, kAlbum,     kPenalti, kPergunta};
} // namespace ajuda
