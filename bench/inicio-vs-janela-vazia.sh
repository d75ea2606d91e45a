#!/usr/bin/env bash
# Start-up of the game beside an empty Qt window of the menu's size, both under an Xvfb of their
# own: time from exec to a visible window, peak resident memory at the idle menu (1.5 s later)
# and CPU over the next 3 s. Prints each run, the medians and the game's two ratios.
# Usage: bench/inicio-vs-janela-vazia.sh [build folder, default build] [runs, default 8]
# Needs: xvfb xdotool (tools/instala-dependencias.sh testes).
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
rodadas=${2:-8}
[ -x "$build/jogo/dribolex" ] && [ -x "$build/bench/janela_vazia" ] || {
    echo "Compile antes: cmake --build $build (faltam jogo/dribolex ou bench/janela_vazia)" >&2
    exit 2
}
tmp=$(mktemp -d)
pid_x=0
encerra() {
    [ "$pid_x" -ne 0 ] && kill "$pid_x" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$tmp"
}
trap encerra EXIT

Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$tmp/display" >/dev/null 2>&1 &
pid_x=$!
for _ in $(seq 100); do
    [[ $(cat "$tmp/display" 2>/dev/null) =~ ^[0-9]+$ ]] && break
    sleep 0.05
done
[[ $(cat "$tmp/display" 2>/dev/null) =~ ^[0-9]+$ ]] || { echo "O Xvfb não abriu" >&2; exit 1; }
export DISPLAY=:$(cat "$tmp/display") QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy

ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# One run of a program started in folder $1: prints "ms KiB cpu%".
mede() {
    local pasta=$1 inicio agora pid ms kib c0 c1
    shift
    inicio=$(date +%s%N)
    (cd "$pasta" && exec "$@") >/dev/null 2>>"$tmp/erros" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$* terminou antes de abrir uma janela:" >&2; cat "$tmp/erros" >&2; exit 1; }
        agora=$(date +%s%N)
        ((agora - inicio < 20000000000)) || { echo "$* não abriu uma janela em 20 s" >&2; exit 1; }
    done
    agora=$(date +%s%N)
    ms=$(((agora - inicio) / 1000000))
    sleep 1.5
    kib=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status")
    c0=$(cpu "$pid")
    sleep 3
    c1=$(cpu "$pid")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$ms $kib $(((c1 - c0) * 100 / (3 * ticks)))"
}

mediana() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# The game plays in a copy of its folder, so that no run touches the build's saves.
cp -r "$build/jogo" "$tmp/jogo"
: >"$tmp/vazia" && : >"$tmp/jogo.txt"
for i in $(seq "$rodadas"); do
    read -r ms kib c < <(mede "$tmp" "$build/bench/janela_vazia")
    echo "$ms $kib $c" >>"$tmp/vazia"
    printf 'rodada %d  janela vazia: %5d ms %7d KiB %3d%% CPU' "$i" "$ms" "$kib" "$c"
    read -r ms kib c < <(mede "$tmp/jogo" ./dribolex)
    echo "$ms $kib $c" >>"$tmp/jogo.txt"
    printf '   jogo: %5d ms %7d KiB %3d%% CPU\n' "$ms" "$kib" "$c"
done

tv=$(cut -d' ' -f1 "$tmp/vazia" | mediana) mv=$(cut -d' ' -f2 "$tmp/vazia" | mediana)
tj=$(cut -d' ' -f1 "$tmp/jogo.txt" | mediana) mj=$(cut -d' ' -f2 "$tmp/jogo.txt" | mediana)
cj=$(cut -d' ' -f3 "$tmp/jogo.txt" | sort -n | tail -1)
echo "medianas de $rodadas rodadas"
printf 'janela vazia: %s ms, %s KiB\n' "$tv" "$mv"
printf 'jogo:         %s ms, %s KiB (CPU no menu parado: até %s%%)\n' "$tj" "$mj" "$cj"
awk -v tj="$tj" -v tv="$tv" -v mj="$mj" -v mv="$mv" \
    'BEGIN { printf "razões: início %.2f×, memória %.2f×\n", tj / tv, mj / mv }'
