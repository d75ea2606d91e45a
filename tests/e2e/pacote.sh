#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: unpacks it into a scratch root,
# validates the desktop and AppStream files and runs lintian, then starts the unpacked game twice
# under its own Xvfb with a fresh HOME. The first start must create and seed the per-user folder
# and show the menu; a player is created there; the second start must reuse the folder and list
# that player. Usage: tests/e2e/pacote.sh [BUILD_DIR]   (default: build)
# Needs: dpkg-dev file lintian desktop-file-utils appstream xvfb xdotool imagemagick.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$(realpath "${1:-build}")
saida=$build/pacote
rm -rf "$saida"
mkdir -p "$saida"
tmp=$(mktemp -d)
pid_x=0
pid_jogo=0
encerra() {
    [ "$pid_jogo" -ne 0 ] && kill "$pid_jogo" 2>/dev/null
    [ "$pid_x" -ne 0 ] && kill "$pid_x" 2>/dev/null
    rm -rf "$tmp"
}
trap encerra EXIT
falha() { echo "pacote: $*" >&2; exit 1; }

echo "-- construindo o pacote"
rm -f "$build"/dribolex_*.deb
cmake --build "$build" --target package >"$saida/cpack.log" 2>&1 || {
    tail -30 "$saida/cpack.log"; falha "o pacote não foi construído"; }
deb=$(ls "$build"/dribolex_*.deb)
echo "$(basename "$deb")"
dpkg-deb -f "$deb" Depends | sed 's/^/Depends: /'
dpkg-deb -c "$deb" | awk '{print $6, $7, $8}' >"$saida/arquivos.txt"

raiz=$tmp/raiz
dpkg-deb -x "$deb" "$raiz"
jogo=$raiz/usr/games/dribolex
[ -x "$jogo" ] && [ -x "$raiz/usr/games/banco-perguntas" ] || falha "programas ausentes"
[ -f "$raiz/usr/share/games/dribolex/Quest1.Dat" ] || falha "conteúdo ausente"

echo "-- validando o menu, o AppStream e o pacote"
desktop-file-validate "$raiz"/usr/share/applications/*.desktop
appstreamcli validate --no-net --pedantic "$raiz"/usr/share/metainfo/*.metainfo.xml
for tamanho in 16 22 24 32 48 64 128 256 512; do
    icone=$raiz/usr/share/icons/hicolor/${tamanho}x${tamanho}/apps/dribolex.png
    [ "$(identify -format '%wx%h' "$icone")" = "${tamanho}x${tamanho}" ] || falha "ícone $tamanho"
done
# Accepted warning: no-english-manual-page, since the game and its tool speak only Portuguese
# and their manual pages are written in it (under man/pt_BR).
lintian --fail-on error "$deb" 2>&1 | { grep -v 'root privileges' || true; } | tee "$saida/lintian.txt"

echo "-- abrindo o jogo desempacotado sob Xvfb"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
pid_x=$!
for _ in $(seq 50); do [ -s "$tmp/display" ] && break; sleep 0.1; done
[ -s "$tmp/display" ] || falha "o Xvfb não abriu"
export DISPLAY=:$(head -1 "$tmp/display")
# test.sh runs the suite offscreen: this check needs the real window system.
export HOME=$tmp/casa SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp/execucao
unset XDG_DATA_HOME
mkdir -p "$HOME"
mkdir -m 0700 "$XDG_RUNTIME_DIR"
pasta=$HOME/.local/share/dribolex

# Screens at 1280 x 1024 (design points scaled by 1400/1280).
escala() { echo $(( ($1 * 1400 + 640) / 1280 )); }
janela() { # the top-left corner of the visible game window of the given size
    local id
    for id in $(xdotool search --onlyvisible --classname dribolex 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then echo "$X $Y"; return 0; fi
    done
    return 1
}
espera_janela() { # width height what
    for _ in $(seq 150); do janela "$1" "$2" >/dev/null && return 0; sleep 0.2; done
    import -window root "$saida/erro.png"
    falha "$3 não apareceu (veja $saida/erro.png e $saida/jogo.log)"
}
clica() { # width height x y [clicks]
    local wx wy
    read -r wx wy < <(janela "$1" "$2")
    xdotool mousemove $((wx + $3)) $((wy + $4)) click --repeat "${5:-1}" --delay 120 1
    sleep 0.6
}
inicia() {
    (cd / && exec "$jogo") >>"$saida/jogo.log" 2>&1 &
    pid_jogo=$!
    timeout 30 xdotool search --sync --onlyvisible --classname dribolex >/dev/null ||
        falha "nenhuma janela do jogo apareceu"
    espera_janela $MENU "o menu"
    sleep 5 # the opening animation may run
}
termina() {
    kill "$pid_jogo"
    for _ in $(seq 20); do kill -0 "$pid_jogo" 2>/dev/null || break; sleep 0.25; done
    kill -9 "$pid_jogo" 2>/dev/null || true
    wait "$pid_jogo" 2>/dev/null || true
    pid_jogo=0
}
MENU="665 622"; NOME="656 492"; JOGO="1002 713"

inicia
import -window root "$saida/menu.png"
echo "foto do menu: $saida/menu.png"
[ -d "$pasta" ] && [ ! -L "$pasta" ] || falha "a pasta $pasta não foi criada"
cmp -s "$pasta/Quest1.Dat" "$raiz/usr/share/games/dribolex/Quest1.Dat" &&
    [ ! -L "$pasta/Quest1.Dat" ] || falha "o banco não foi copiado"
[ -f "$pasta/PastaImg/LegendasImg.Dat" ] && [ ! -L "$pasta/PastaImg/LegendasImg.Dat" ] ||
    falha "as legendas não foram copiadas"
for item in PastaImg/imagem00001.bmp PastaImg/imagem0.jpg PastaImgHelp ImgPatroc sons; do
    [ -e "$pasta/$item" ] || falha "$item ausente na pasta do jogo"
done
ls -A "$HOME/.local/share" | grep -v '^dribolex$' && falha "sobrou uma pasta temporária"

# A new player: typed into the player screen, which saves the file as it closes for the match.
clica $MENU "$(escala 109)" "$(escala 238)"
espera_janela $NOME "a tela de jogadores"
xdotool key ctrl+a type --delay 40 "Pacote"
xdotool key Return
xdotool key ctrl+a type --delay 40 "pacote@jogo.br"
xdotool key Return
espera_janela $JOGO "a partida"
python3 - "$pasta/TernavoAlbum.tnv" <<'PY' || falha "o jogador não foi gravado"
import sys
dados = open(sys.argv[1], 'rb').read()
assert len(dados) == 19304 and dados[52:52 + dados[51]] == b"Pacote", dados[:80]
PY
termina
touch "$pasta/marca"

echo "-- segunda abertura"
inicia
[ -e "$pasta/marca" ] || falha "a segunda abertura não usou a mesma pasta"
clica $MENU "$(escala 109)" "$(escala 238)"
espera_janela $NOME "a tela de jogadores"
import -window root "$saida/jogadores.png"
# The first row of the list: a double click plays with that player, so the match opens only if
# the player created before is listed.
clica $NOME "$(escala 200)" $(( $(escala 96) + 12 )) 2
espera_janela $JOGO "a partida com o jogador da lista"
termina
echo "Pacote: ok ($(wc -l <"$saida/arquivos.txt") itens; lista em $saida/arquivos.txt)"
