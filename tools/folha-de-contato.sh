#!/usr/bin/env bash
# Assembles the generated pictures into contact sheets for a visual check:
#   build/folha-figurinhas.png  the 139 stickers at album size (150 x 150) and the placeholder
#   build/folha-ajuda.png       the help pages at the size the game shows them (513 x 481)
#   build/folha-arte.png        the screen art compiled into the program
# Usage: tools/folha-de-contato.sh [BUILD_DIR]
# FIGURINHAS=lista.tsv draws the stickers from another list first (e.g. the test sample).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
command -v montage >/dev/null || { echo "instale o imagemagick (tools/instala-dependencias.sh testes)"; exit 1; }
cmake --build "$build" --target conteudo dribolex_recursos -j2 >/dev/null

figurinhas=$build/jogo/PastaImg
if [ -n "${FIGURINHAS:-}" ]; then
    figurinhas=$build/folha/figurinhas
    rm -rf "$figurinhas"
    "$build"/tools/gera_figurinhas/gera_figurinhas "$FIGURINHAS" content/jogos.tsv "$figurinhas"
fi

montage -label '%t' -pointsize 11 "$figurinhas"/imagem000*.bmp "$figurinhas"/imagem001*.bmp \
    "$figurinhas"/imagem0.jpg -tile 12x -geometry 150x150+4+4 "$build"/folha-figurinhas.png
montage -label '%t' "$build"/jogo/PastaImgHelp/*.jpg -tile 3x -geometry 513x481+6+6 \
    "$build"/folha-ajuda.png
montage -label '%t' -pointsize 12 -background '#8a96a3' "$build"/content/arte/*.png \
    "$build"/content/arte/*.jpg "$build"/jogo/ImgPatroc/LogoTernavo.bmp \
    -tile 7x -geometry '260x260>+6+6' "$build"/folha-arte.png
echo "Folhas em $build/folha-*.png"
