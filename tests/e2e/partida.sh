#!/usr/bin/env bash
# Plays the game as a player would, in a real window under an Xvfb of its own, with xdotool: the
# menu and the explanations (the exit page among them), a draw, a win after a scored penalty (an
# option struck out), the scoreboard, the packet and the album, a restart that finds the stickers
# again and turns the album's pages with a button focused and the arrow keys, and a race:
# "Auxílio Técnico" clicked while the balls of a confirmed answer grow must be refused.
# Nothing waits a fixed time: every wait polls the windows, the screen (ImageMagick) or the
# game's main thread, and gives up after a time limit with a message.
# Screenshots and the game's output go to the folder given (default: build/e2e); a failure
# leaves the screen it saw there as falha.png.
# DRIBOLEX_E2E_RACE=skip leaves the race out; DRIBOLEX_E2E_RACE=only runs the race alone.
# The game's sound is recorded through SDL's disk driver, one file per start, and must never be
# cut off: tools/confere-cortes.py looks at every stop.
# Needs: xvfb xdotool imagemagick python3. The bank is replaced by one whose right answer is
# always the longest text, so that the script can find it on the screen: its option takes two
# lines.
set -euo pipefail
cd "$(dirname "$0")/../.."
saida=$(realpath -m "${1:-build/e2e}")
corrida=${DRIBOLEX_E2E_RACE:-run}
case $corrida in run | skip | only) ;; *)
    echo "DRIBOLEX_E2E_RACE: use skip ou only" >&2
    exit 2
    ;;
esac
mkdir -p "$saida"
rm -f "$saida"/*.png "$saida"/*.raw "$saida/jogo.log"
tmp=$(mktemp -d)
jogo=$tmp/jogo
tela=$tmp/tela.png
pid_jogo=0
pid_x=0

encerra() {
    if [ "$pid_jogo" -ne 0 ]; then kill "$pid_jogo" 2>/dev/null || true; fi
    if [ "$pid_x" -ne 0 ]; then kill "$pid_x" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$tmp"
}
trap encerra EXIT

falha() {
    echo "FALHOU: $*" >&2
    if [ "$pid_jogo" -ne 0 ] && [ -r "/proc/$pid_jogo/wchan" ]; then
        echo "a linha principal do jogo estava em: $(cat "/proc/$pid_jogo/wchan")" >&2
    fi
    if [ -n "${DISPLAY:-}" ] && import -window root "$saida/falha.png" 2>/dev/null; then
        echo "tela no momento da falha: $saida/falha.png" >&2
    fi
    exit 1
}

# Milliseconds since the epoch, in $agora.
relogio() {
    local us=${EPOCHREALTIME//[!0-9]/}
    agora=$((us / 1000))
}
relogio
# A safety net over all the waits together.
prazo_total=$((agora + 300 * 1000))

# espera SECONDS "what did not happen" COMMAND...: runs COMMAND until it succeeds.
espera() {
    local segundos=$1 descricao=$2 prazo
    shift 2
    relogio
    prazo=$((agora + segundos * 1000))
    until "$@"; do
        relogio
        ((agora < prazo)) || falha "$descricao (esperou ${segundos}s)"
        ((agora < prazo_total)) || falha "o roteiro passou de 300s; $descricao"
        sleep 0.1
    done
}

tem_tela() { [[ $(cat "$tmp/display" 2>/dev/null) =~ ^[0-9]+$ ]]; }

Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$tmp/display" >/dev/null 2>&1 &
pid_x=$!
espera 15 "o Xvfb não abriu uma tela" tem_tela
DISPLAY=:$(cat "$tmp/display")
export DISPLAY SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb

cp -r build/jogo/. "$jogo"
rm -f "$jogo/TernavoAlbum.tnv"
build/jogo/banco-perguntas importar tests/e2e/perguntas-e2e.tsv "$jogo/Quest1.Dat" 2>/dev/null

# The screens at 1280 x 1024 are told apart by their size.
declare -A tamanho=([menu]="665 622" [nome]="656 492" [jogo]="1002 713" [placar]="753 520"
    [pacote]="899 464" [album]="659 724" [dialogo]="828 597" [penalti]="333 533")

# Design points are scaled like the screens: by 1400/1280 (menu, player screen, match,
# scoreboard), by 1280/1200 (dialog, penalty), or not at all (packet and album).
e() { echo $((($1 * 1400 + 640) / 1280)); }
e_d() { echo $((($1 * 1280 + 600) / 1200)); }

# Finds the visible window of a screen: its id and corner go to jid, jx and jy.
acha() {
    local id largura altura WIDTH HEIGHT X Y
    read -r largura altura <<<"${tamanho[$1]}"
    for id in $(xdotool search --onlyvisible --classname dribolex 2>/dev/null); do
        WIDTH=0 HEIGHT=0
        eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT|X|Y)=')" ||
            continue
        if [ "$WIDTH" = "$largura" ] && [ "$HEIGHT" = "$altura" ]; then
            jid=$id jx=$X jy=$Y
            return 0
        fi
    done
    return 1
}
sumiu() { ! acha "$@"; }
com_foco() { acha "$@" && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$jid" ]; }

# What the game's main thread is blocked in, from the kernel: "poll" while its event loop waits,
# "nanosleep" while a blocking wait runs (the balls growing, the opening animation).
bloqueio() { [[ $(cat "/proc/$pid_jogo/wchan" 2>/dev/null) == *$1* ]]; }
# Idle: waiting in the event loop, seen twice in a row.
ocioso() { bloqueio poll && sleep 0.05 && bloqueio poll; }
# A visible window of this size whose program has nothing left to do.
pronta() { acha "$@" && ocioso; }
rodando() { [ "$pid_jogo" -ne 0 ] && kill -0 "$pid_jogo" 2>/dev/null; }
terminou() { ! rodando; }

foto() {
    import -window root "$saida/$1.png"
    echo "foto: $saida/$1.png"
}
captura() { import -window root "$tela"; }
# A rectangle of the window found last, in design points scaled by e: "WxH+X+Y" on the screen.
area() { echo "$(e "$3")x$(e "$4")+$((jx + $(e "$1")))+$((jy + $(e "$2")))"; }
# Per mille of the pixels of an area of the last capture that are near the given colour.
fracao() {
    convert "$tela" -crop "$1" +repage -alpha off -fuzz "$3" -fill white +opaque "$2" \
        -fill black -opaque "$2" -format '%[fx:round((1-mean)*1000)]' info:
}
assinatura() { convert "$tela" -crop "$1" +repage -format '%#' info:; }
# The top-left square of a screen, of the given design size, against a signature taken before.
quadro() { pronta "$1" && captura && assinatura "$(area 0 0 "$2" "$2")"; }
quadro_lido() { pagina=$(quadro "$1" "$2"); }
quadro_mudou() { local a; a=$(quadro "$1" "$2") && [ "$a" != "$3" ]; }
quadro_voltou() { local a; a=$(quadro "$1" "$2") && [ "$a" = "$3" ]; }

clica() { # screen x y: a click at a point of that screen's window
    acha "$1" || falha "a tela $1 sumiu antes do clique"
    xdotool mousemove $((jx + $2)) $((jy + $3)) click 1
}
# Sends keys to a screen once it has the keyboard and the game is free to take them.
digita() { # screen xdotool-arguments...
    espera 15 "a tela $1 não recebeu o teclado" com_foco "$1"
    espera 15 "o jogo não ficou livre para receber o teclado" ocioso
    shift
    xdotool "$@"
}

gravacoes=0
inicia() {
    gravacoes=$((gravacoes + 1))
    (cd "$jogo" && SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$saida/som$gravacoes.raw" \
        exec ./dribolex) >>"$saida/jogo.log" 2>&1 &
    pid_jogo=$!
    no_menu
}
# The main menu is up and its opening animation, if it ran, is over.
no_menu() { espera 30 "o menu não ficou pronto" pronta menu; }
fecha_jogo() {
    clica menu "$(e 499)" "$(e 238)" # Fim de Jogo
    espera 15 "o jogo não terminou depois de \"Fim de Jogo\"" terminou
    wait "$pid_jogo" || falha "o jogo terminou com erro (veja $saida/jogo.log)"
    pid_jogo=0
}

# The match, on the last capture. The right option is the one whose lower band has navy text.
certa=0
acha_certa() {
    local i n maior=0 soma=0
    certa=0
    for i in 1 2 3; do
        n=$(fracao "$(area 105 $((201 + 96 * (i - 1))) 400 14)" 'rgb(0,0,128)' 30%)
        soma=$((soma + n))
        if ((n > maior)); then maior=$n certa=$i; fi
    done
    # Two lines in one option only: the texts of a question are on screen.
    ((maior > 40 && 3 * (soma - maior) < maior)) || certa=0
    ((certa > 0))
}
# The look of option i: lima (neutral), marinho (chosen) or celeste (struck out).
cor_opcao() {
    local r g b
    read -r r g b < <(convert "$tela" -crop "$(area 26 $((146 + 96 * ($1 - 1))) 488 68)" +repage \
        -format '%[fx:round(mean.r*100)] %[fx:round(mean.g*100)] %[fx:round(mean.b*100)]' info:)
    if ((g > 60 && r < 30)); then
        echo lima
    elif ((b > 35 && g < 25)); then
        echo marinho
    elif ((r > 45 && g > 55 && b > 70)); then
        echo celeste
    else
        echo outra
    fi
}
opcao_riscada() {
    local i
    for i in 1 2 3; do [ "$(cor_opcao $i)" = celeste ] && return 0; done
    return 1
}
numero_questao() { assinatura "$(area 20 8 80 149)"; }
complemento_visivel() { (($(fracao "$(area 20 476 353 100)" yellow 25%) > 5)); }
bola_pro() { (($(fracao "$(area $((72 + 28 * ($1 - 1))) 592 26 26)" '#EDEDED' 15%) > 200)); }
bola_contra() { (($(fracao "$(area $((808 - 28 * ($1 - 1))) 592 26 26)" 'rgb(215,34,34)' 25%) > 200)); }

# A question waits for a choice: the match is idle with its texts on screen and no complement.
pergunta_aberta() {
    pronta jogo && captura && acha jogo && acha_certa && ! complemento_visivel
}
# The question whose number showed the given signature is over: the next one waits for a choice,
# or the match is over (the scoreboard).
pergunta_encerrada() {
    acha placar && return 0
    pergunta_aberta && [ "$(numero_questao)" != "$1" ]
}
opcao_escolhida() { acha jogo && captura && [ "$(cor_opcao "$1")" = marinho ]; }
# The yellow bonus lines, under the balls.
bonus_visivel() { acha jogo && captura && (($(fracao "$(area 72 624 760 24)" yellow 25%) > 20)); }
segunda_bola_contra() { acha jogo && captura && bola_contra 2; }

# Picks and confirms the right (c) or a wrong (e) option of the question on screen, and waits
# for the next question or the scoreboard. Optional screenshots: with the option chosen, and
# once the second goal-against ball is on screen.
responde() {
    espera 20 "a pergunta não ficou pronta para uma escolha" pergunta_aberta
    local alvo=$certa sinal
    [ "$1" = c ] || alvo=$((certa % 3 + 1))
    sinal=$(numero_questao)
    digita jogo key "$alvo"
    espera 10 "a opção $alvo não ficou escolhida" opcao_escolhida "$alvo"
    if [ -n "${2:-}" ]; then foto "$2"; fi
    xdotool key Return
    if [ -n "${3:-}" ]; then
        espera 10 "a segunda bola contra não apareceu" segunda_bola_contra
        foto "$3"
    fi
    espera 30 "a pergunta não terminou depois da confirmação" pergunta_encerrada "$sinal"
}
responde_ate_o_placar() {
    local n
    for n in 1 2 3 4 5 6; do
        acha placar && return 0
        responde c
    done
    falha "a partida não terminou"
}

# The scoreboard shows its score in the result's colour: lime (win) or white (draw).
placar_com_cor() {
    pronta placar && captura && (($(fracao "$(area 20 128 645 171)" "$1" 20%) > 20))
}
# Packet slot k shows a sticker rather than its grey number.
figurinha_no_slot() {
    local k=$(($1 - 1))
    pronta pacote && captura &&
        (($(fracao "150x150+$((jx + 25 + 174 * (k % 5)))+$((jy + 20 + 170 * (k / 5)))" \
            'rgb(230,230,230)' 3%) < 500))
}
# Closes the scoreboard, opens the packet and waits for its n stickers.
abre_pacotinho() { # stickers [screenshot of the closed packet] [screenshot of the open one]
    clica placar 300 450
    espera 20 "o pacotinho não abriu depois do placar" pronta pacote
    if [ -n "${2:-}" ]; then foto "$2"; fi
    clica pacote 370 402 # Abrir pacotinho de figurinhas
    espera 20 "o pacotinho não distribuiu $1 figurinhas" figurinha_no_slot "$1"
    if [ -n "${3:-}" ]; then foto "$3"; fi
}
novo_jogador() { # name
    clica menu "$(e 109)" "$(e 238)" # Jogar
    espera 20 "a tela de jogadores não abriu" pronta nome
    clica nome "$(e 230)" "$(e 406)" # Novo Jogador
    digita nome key ctrl+a
    xdotool type --delay 40 "$1"
    xdotool key Return ctrl+a
    xdotool type --delay 40 "${1,,}@jogo.br"
    xdotool key Return
    espera 20 "a partida não abriu para $1" com_foco jogo
}

# The player's sticker count in the player file, or nothing if the file does not hold them.
figurinhas_de() {
    local arq=$jogo/TernavoAlbum.tnv k base comprimento nome
    for ((k = 0; k < $(stat -c %s "$arq") / 19304; k++)); do
        base=$((k * 19304))
        comprimento=$(od -An -tu1 -j $((base + 51)) -N1 "$arq")
        nome=$(dd if="$arq" bs=1 skip=$((base + 52)) count=$((comprimento)) status=none)
        if [ "$nome" = "$1" ]; then
            od -An -v -tu1 -w16 -j $((base + 92 + 16)) -N $((1200 * 16)) "$arq" |
                awk '{ total += $1 } END { print total }'
            return
        fi
    done
}
confere_figurinhas() { # name count why
    local total
    total=$(figurinhas_de "$1")
    [ "$total" = "$2" ] || falha "$1 tem ${total:-nenhuma} figurinha(s) no arquivo, esperava $2: $3"
    echo "$1: $total figurinha(s) no arquivo"
}

icone_mudou() { pronta menu && captura && [ "$(assinatura "$(area 564 145 40 37)")" != "$1" ]; }
passo_abertura() {
    echo "== Menu e explicações"
    inicia
    foto 01-menu
    captura
    local icone
    icone=$(assinatura "$(area 564 145 40 37)")
    clica menu "$(e 584)" "$(e 163)" # Ligar o som: off at every start, on for the recording
    espera 10 "o ícone do som não mudou" icone_mudou "$icone"
    clica menu "$(e 304)" "$(e 238)" # Explicar
    espera 20 "as explicações não abriram" pronta dialogo
    foto 02-explicacoes
    espera 10 "as explicações não puderam ser lidas" quadro_lido dialogo 400
    clica dialogo "$(e_d 679)" "$(e_d 74)" # Ajudas
    espera 10 "a página \"Ajudas\" não apareceu" quadro_mudou dialogo 400 "$pagina"
    foto 03-explicacoes-ajudas
    quadro_lido dialogo 400
    clica dialogo "$(e_d 679)" "$(e_d 304)" # Finalizar: its white question inside the blue box
    espera 10 "a página \"Finalizar\" não apareceu" quadro_mudou dialogo 400 "$pagina"
    foto 23-explicacoes-finalizar
    clica dialogo "$(e_d 679)" "$(e_d 524)" # voltar
    espera 10 "as explicações não fecharam" sumiu dialogo
    no_menu
}

passo_empate() {
    echo "== Ana, na primeira vez, empata 2 x 2"
    clica menu "$(e 109)" "$(e 238)" # Jogar
    espera 20 "a tela de jogadores não abriu" pronta nome
    foto 04-jogador-primeira-vez
    digita nome key ctrl+a
    xdotool type --delay 40 Ana
    xdotool key Return ctrl+a
    xdotool type --delay 40 ana@jogo.br
    xdotool key Return
    espera 20 "a partida não abriu para Ana" pergunta_aberta
    foto 05-partida-inicio
    responde c
    # The second question's options in the same bold face as the first's.
    espera 20 "a segunda pergunta não ficou pronta" pergunta_aberta
    foto 19-partida-segunda-pergunta
    responde e
    responde c
    responde e 06-partida-opcao-escolhida 07-partida-dois-gols-de-cada-lado
    espera 10 "o placar não mostrou um empate (em branco)" placar_com_cor white
    foto 08-placar-empate
    abre_pacotinho 1 09-pacotinho 10-pacotinho-aberto
    clica pacote 790 402 # Fechar
    no_menu
}

# Aims at the right corner with full force and shoots once the keeper, walking left, is far
# enough from it that it cannot come back before the ball arrives.
goleiro=-1
goleiro_longe() {
    local antes=$goleiro caixa
    caixa=$(import -window "$jid" -crop "333x8+0+100" +repage png:- |
        convert png:- -alpha off -fuzz 12% -fill black +opaque '#FF8C00' -format '%@' info: \
            2>/dev/null) || return 1
    [[ $caixa =~ ^([0-9]+)x[0-9]+\+([0-9]+) ]] && ((BASH_REMATCH[1] > 10)) || return 1
    goleiro=${BASH_REMATCH[2]}
    ((antes >= 0 && goleiro < antes - 3 && goleiro >= 95 && goleiro <= 150))
}
de_volta_a_partida() { sumiu penalti && pronta jogo; }
cobra_penalti() {
    clica jogo "$(e 138)" "$(e 442)" # Auxílio Técnico
    espera 15 "o pênalti não abriu" pronta penalti
    digita penalti key --delay 30 Up Up Up Up Up Right Right Right Right Right Right Right Right \
        Right Right Right Right Right Right Right Right
    espera 10 "o pênalti não tomou a mira" ocioso
    goleiro=-1
    espera 30 "o goleiro não se afastou do canto direito" goleiro_longe
    xdotool key Return
    foto 12-penalti
    espera 30 "o pênalti não voltou para a partida" de_volta_a_partida
}

passo_penalti() {
    echo "== Beto, um jogador novo, converte o pênalti e vence"
    novo_jogador Beto
    local perdidos=0
    espera 20 "a partida não abriu para Beto" pergunta_aberta
    local sinal
    while :; do
        sinal=$(numero_questao)
        cobra_penalti
        captura
        acha jogo || falha "a partida sumiu depois do pênalti"
        opcao_riscada && break
        # A miss ends the question and spends the aid for the next one.
        perdidos=$((perdidos + 1))
        ((perdidos < 2)) || falha "o goleiro defendeu dois pênaltis seguidos"
        echo "pênalti defendido; outra cobrança duas perguntas depois"
        espera 20 "a pergunta não terminou depois do pênalti perdido" pergunta_encerrada "$sinal"
        responde c
        espera 20 "a pergunta não ficou pronta" pergunta_aberta
    done
    foto 13-partida-opcao-riscada
    responde_ate_o_placar
    espera 10 "o placar não mostrou uma vitória (em verde)" placar_com_cor lime
    foto 14-placar-vitoria
    # A win with the aid earns 3, plus 1 when no goal was conceded (no penalty missed).
    figurinhas_beto=$((perdidos == 0 ? 4 : 3))
    abre_pacotinho "$figurinhas_beto" "" 15-pacotinho-vitoria
    clica pacote 630 402 # Ver álbum
    espera 20 "o álbum não abriu" pronta album
    foto 16-album
    clica album 585 505 # Fechar
    espera 10 "o álbum não fechou" pronta pacote
    clica pacote 790 402 # Fechar
    no_menu
}

passo_reinicio() {
    echo "== Depois de reabrir, as figurinhas continuam no álbum"
    fecha_jogo
    confere_figurinhas Ana 1 "o empate vale 1"
    confere_figurinhas Beto "$figurinhas_beto" "a vitória com pênalti convertido"
    inicia
    clica menu "$(e 109)" "$(e 238)" # Jogar
    espera 20 "a tela de jogadores não abriu" pronta nome
    clica nome "$(e 200)" $(($(e 96) + 12)) # Ana, first in the list
    digita nome key Down                     # Beto
    clica nome "$(e 415)" "$(e 406)"         # Ver álbum
    espera 20 "o álbum de Beto não abriu" pronta album
    espera 10 "o álbum não pôde ser lido" quadro_lido album 480
    clica album 585 645 # Próxima
    espera 10 "a próxima página do álbum não apareceu" quadro_mudou album 480 "$pagina"
    clica album 585 575 # Anterior: page 1 drawn again
    espera 10 "a primeira página do álbum não voltou igual" quadro_voltou album 480 "$pagina"
    foto 17-album-depois-de-reabrir
    # With a button holding the focus, the arrow keys still turn the pages.
    clica album 585 645 # Próxima
    espera 10 "a próxima página do álbum não apareceu" quadro_mudou album 480 "$pagina"
    digita album key Left
    espera 10 "a seta para a esquerda não voltou à primeira página" quadro_voltou album 480 "$pagina"
    foto 24-album-seta-esquerda
    clica album 585 505 # Fechar
    espera 10 "o álbum não fechou" pronta nome
    clica nome "$(e 550)" "$(e 404)" # voltar ao menu
    espera 10 "a tela de jogadores não fechou" sumiu nome
    no_menu
}

# A player file with no player in it: the list with its one empty row and the edit boxes, neither
# over the other; after "Novo Jogador" the name typed replaces the prompt, with no key to select it.
passo_arquivo_vazio() {
    echo "== Um arquivo de jogadores vazio, e um nome digitado sobre o aviso"
    fecha_jogo
    : >"$jogo/TernavoAlbum.tnv"
    inicia
    clica menu "$(e 109)" "$(e 238)" # Jogar
    espera 20 "a tela de jogadores não abriu" pronta nome
    foto 21-jogador-arquivo-vazio
    clica nome "$(e 230)" "$(e 406)" # Novo Jogador
    digita nome type --delay 40 Davi
    espera 10 "a tela de jogadores não mostrou o nome digitado" pronta nome
    foto 22-jogador-nome-digitado
    xdotool key Escape
    espera 10 "a tela de jogadores não fechou" sumiu nome
    no_menu
}

# The race: "Auxílio Técnico" clicked while the balls of a right answer grow. The blocking
# waits of the growing balls let pending clicks run, so the click reaches the aid during the
# judgement; it must be refused there: no penalty, the answer counts as any other.
passo_corrida() {
    echo "== Corrida: Auxílio Técnico clicado enquanto as bolas crescem"
    rodando || inicia
    novo_jogador Caio
    responde c
    responde c
    espera 20 "a terceira pergunta não ficou pronta" pergunta_aberta
    local sinal inicio
    sinal=$(numero_questao)
    digita jogo key "$certa"
    espera 10 "a opção certa não ficou escolhida" opcao_escolhida "$certa"
    relogio
    inicio=$agora
    xdotool key Return
    # Three balls grow one after another; the click goes in once the first one is growing.
    espera 5 "as bolas não começaram a crescer" bloqueio nanosleep
    xdotool mousemove $((jx + $(e 138))) $((jy + $(e 442))) click 1
    relogio
    # The third ball starts 1200 ms after the confirmation: a later click would miss the race.
    ((agora - inicio < 1000)) ||
        falha "corrida inconclusiva: o clique saiu $((agora - inicio)) ms depois da confirmação"
    relogio
    local prazo=$((agora + 30 * 1000))
    until pergunta_encerrada "$sinal"; do
        if acha penalti; then
            foto erro-corrida-penalti-aberto
            falha "o Auxílio Técnico clicado enquanto as bolas cresciam abriu o pênalti"
        fi
        relogio
        ((agora < prazo)) || falha "a terceira pergunta não terminou depois da confirmação"
        sleep 0.1
    done
    captura
    acha jogo || falha "a partida sumiu depois da terceira pergunta"
    if ! bola_pro 3 || bola_contra 1; then
        falha "o acerto da terceira pergunta não contou como um acerto normal (3 x 0)"
    fi
    # The fourth right answer without aid earns both bonus lines, under the balls.
    espera 20 "a quarta pergunta não ficou pronta" pergunta_aberta
    digita jogo key "$certa"
    espera 10 "a opção certa não ficou escolhida" opcao_escolhida "$certa"
    xdotool key Return
    espera 10 "as linhas de bônus não apareceram" bonus_visivel
    foto 20-partida-linhas-de-bonus
    espera 30 "o placar não abriu depois da quarta resposta" pronta placar
    responde_ate_o_placar
    espera 10 "o placar não mostrou uma vitória (em verde)" placar_com_cor lime
    foto 18-corrida-placar
    # 4 x 0 without aid: 3 for the win and both bonuses.
    abre_pacotinho 5
    clica pacote 790 402 # Fechar
    no_menu
    confere_figurinhas Caio 5 "4 x 0 sem ajuda"
}

if [ "$corrida" != only ]; then
    passo_abertura
    passo_empate
    passo_penalti
    passo_reinicio
    passo_arquivo_vazio
fi
if [ "$corrida" != skip ]; then passo_corrida; fi
fecha_jogo
python3 tools/confere-cortes.py "$saida"/som*.raw || falha "o som do jogo foi cortado"
echo "Partida de ponta a ponta: ok"
