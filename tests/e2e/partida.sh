#!/usr/bin/env bash
# Plays the game as a player would, in a real window under Xvfb, with xdotool: the menu, the
# explanations, two matches (a draw with the technical aid, then a new player's win), the
# scoreboard, the packet and the album, and a restart that finds the stickers again.
# Screenshots go to the folder given (default: build/e2e). Needs: xvfb xdotool imagemagick.
# The bank is replaced by one whose right answer is always the longest text, so that the
# script can find it on the screen: its option takes two lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
saida=$(realpath -m "${1:-build/e2e}")
mkdir -p "$saida"
jogo=$(mktemp -d)
trap 'kill $pid_jogo $pid_x 2>/dev/null || true; rm -rf "$jogo"' EXIT
cp -r build/jogo/. "$jogo"
rm -f "$jogo/TernavoAlbum.tnv"
build/jogo/banco-perguntas importar tests/e2e/perguntas-e2e.tsv "$jogo/Quest1.Dat" 2>/dev/null

export DISPLAY=:91 SDL_AUDIODRIVER=dummy
Xvfb :91 -screen 0 1280x1024x24 >/dev/null 2>&1 &
pid_x=$!
sleep 1
pid_jogo=0

# Design points are scaled like the screens: by 1400/1280, or not at all (packet and album).
escala() { echo $(( ($1 * 1400 + 640) / 1280 )); }
escala_d() { echo $(( ($1 * 1280 + 600) / 1200 )); }
# The top-left corner of the visible window of the given size.
janela() {
    for id in $(xdotool search --onlyvisible --classname dribolex 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id")"
        if [ "$WIDTH" = "$1" ] && [ "$HEIGHT" = "$2" ]; then echo "$X $Y"; return 0; fi
    done
    return 1
}
espera_janela() {
    for _ in $(seq 100); do janela "$1" "$2" >/dev/null && return 0; sleep 0.2; done
    echo "janela $1x$2 não apareceu" >&2; foto erro; exit 1
}
clica() { # largura altura x y (design, já escalados se preciso)
    read -r wx wy < <(janela "$1" "$2")
    xdotool mousemove $((wx + $3)) $((wy + $4)) click 1
    sleep 0.6
}
foto() { import -window root "$saida/$1.png"; echo "foto: $saida/$1.png"; }
tecla() { xdotool key "$@"; sleep 0.4; }
escreve() { xdotool type --delay 40 "$1"; sleep 0.3; }

# Screens at 1280 x 1024.
MENU="665 622"; NOME="656 492"; JOGO="1002 713"; PLACAR="753 520"; PACOTE="899 464"
ALBUM="659 724"; DIALOGO="828 597"; PENALTI="333 533"

inicia() {
    (cd "$jogo" && exec ./dribolex) >"$saida/jogo.log" 2>&1 &
    pid_jogo=$!
    espera_janela $MENU
    sleep 5 # the opening animation may run
}
# Which option holds the two-line answer: its lower band has navy text.
opcao_certa() {
    import -window root /tmp/e2e-tela.png
    read -r wx wy < <(janela $JOGO)
    local melhor=1 maior=-1
    for i in 1 2 3; do
        local x=$((wx + $(escala 105))) y=$((wy + $(escala $((144 + 96 * (i - 1) + 57)))))
        local n
        n=$(convert /tmp/e2e-tela.png -crop "$(escala 400)x$(escala 14)+$x+$y" +repage \
            -fuzz 30% -fill black -opaque 'rgb(0,0,128)' -fill white +opaque black \
            -format '%[fx:round((1-mean)*10000)]' info:)
        if [ "$n" -gt "$maior" ]; then maior=$n; melhor=$i; fi
    done
    echo $melhor
}
# Answers the question on screen: c = right, e = wrong; waits for the animation.
responde() {
    local certa errada
    certa=$(opcao_certa)
    errada=$(( certa % 3 + 1 ))
    tecla $([ "$1" = c ] && echo "$certa" || echo "$errada")
    [ -n "${2:-}" ] && foto "$2"
    tecla Return
    sleep 1.5
    [ -n "${3:-}" ] && foto "$3"
    sleep 6
}

echo "== 1. Menu, explicações e um empate"
inicia
foto 01-menu
clica $MENU $(escala 304) $(escala 238)        # Explicar
espera_janela $DIALOGO
foto 02-explicacoes
clica $DIALOGO $(escala_d 679) $(escala_d 74)  # "Ajudas"
foto 03-explicacoes-ajudas
clica $DIALOGO $(escala_d 679) $(escala_d 524) # voltar
espera_janela $MENU
clica $MENU $(escala 109) $(escala 238)        # Jogar
espera_janela $NOME
foto 04-jogador-primeira-vez
xdotool key ctrl+a; escreve "Ana"; tecla Return
xdotool key ctrl+a; escreve "ana@jogo.br"; tecla Return
espera_janela $JOGO
sleep 2
foto 05-partida-inicio
responde c
responde e
responde c
responde e 06-partida-opcao-escolhida 07-partida-dois-gols-de-cada-lado
espera_janela $PLACAR
foto 08-placar-empate
clica $PLACAR 300 450
espera_janela $PACOTE
foto 09-pacotinho
clica $PACOTE 370 402
sleep 2
foto 10-pacotinho-aberto
clica $PACOTE 790 402
espera_janela $MENU
sleep 5

echo "== 2. Um jogador novo usa o pênalti, vence e vê as figurinhas no álbum"
clica $MENU $(escala 109) $(escala 238)
espera_janela $NOME
foto 11-jogadores
clica $NOME $(escala 230) $(escala 406)        # Novo Jogador
xdotool key ctrl+a; escreve "Beto"; tecla Return
xdotool key ctrl+a; escreve "beto@jogo.br"; tecla Return
espera_janela $JOGO
sleep 2
clica $JOGO $(escala 138) $(escala 442)        # Auxílio Técnico
espera_janela $PENALTI
sleep 1
tecla Return                                   # a slow kick, force 0
sleep 0.7
foto 12-penalti-em-voo
for _ in $(seq 80); do janela $PENALTI >/dev/null || break; sleep 0.25; done
espera_janela $JOGO
sleep 1
foto 13-partida-depois-do-penalti
sleep 5
for _ in $(seq 6); do
    janela $PLACAR >/dev/null && break
    responde c
done
espera_janela $PLACAR
foto 14-placar-vitoria
clica $PLACAR 300 450
espera_janela $PACOTE
clica $PACOTE 370 402
sleep 3
foto 15-pacotinho-vitoria
clica $PACOTE 630 402                          # Ver álbum
espera_janela $ALBUM
foto 16-album
clica $ALBUM 585 505                           # Fechar
clica $PACOTE 790 402                          # Fechar
espera_janela $MENU
sleep 5
clica $MENU $(escala 499) $(escala 238)        # Fim de Jogo
for _ in $(seq 20); do kill -0 $pid_jogo 2>/dev/null || break; sleep 0.5; done
if kill -0 $pid_jogo 2>/dev/null; then echo "o jogo não terminou" >&2; exit 1; fi

echo "== 3. Depois de reabrir, as figurinhas de Beto continuam no álbum"
inicia
clica $MENU $(escala 109) $(escala 238)
espera_janela $NOME
clica $NOME $(escala 200) $(( $(escala 96) + 12 ))
tecla Down                                     # Beto
clica $NOME $(escala 415) $(escala 406)        # Ver álbum
espera_janela $ALBUM
clica $ALBUM 585 645                           # Próxima
clica $ALBUM 585 575                           # Anterior: page 1 drawn again
foto 17-album-depois-de-reabrir
clica $ALBUM 585 505
tecla Escape
espera_janela $MENU
clica $MENU $(escala 499) $(escala 238)
sleep 2

python3 - "$jogo/TernavoAlbum.tnv" <<'PY'
import sys
dados = open(sys.argv[1], 'rb').read()
assert len(dados) == 2 * 19304, len(dados)
beto = dados[19304:]
nome = beto[52:52 + beto[51]].decode('cp1252')
total = sum(beto[92 + 16 * n] for n in range(1, 1201))
print(f"{nome}: {total} figurinhas no arquivo")
# A win with an aid earns 3, and 4 when no goal was conceded.
assert nome == "Beto" and total in (3, 4), (nome, total)
PY
echo "Partida de ponta a ponta: ok"
