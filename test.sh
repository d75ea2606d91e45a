#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the suite, a match played in a
# real window under Xvfb, the check of the Debian package, the suite again under AddressSanitizer
# + UndefinedBehaviorSanitizer, and each fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
tools/instala-dependencias.sh testes

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

echo "== Compilação e testes"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Partida numa janela de verdade (Xvfb)"
tests/e2e/partida.sh build/e2e

echo "== Pacote Debian: construído, desempacotado e aberto duas vezes sob Xvfb"
tests/e2e/pacote.sh build

echo "== Testes com sanitizadores (ASan + UBSan) e fuzzers"
san_flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san_flags" -DDRIBOLEX_FUZZ=ON
cmake --build build-san -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-san --output-on-failure -j"$jobs"

fuzz_seconds=${DRIBOLEX_FUZZ_SECONDS:-30}
for fuzzer in "$PWD"/build-san/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=$PWD/build-san/fuzz/corpus-$name
    mkdir -p "$corpus"
    seeds=()
    [ -d fuzz/seeds/"$name" ] && seeds=("$PWD/fuzz/seeds/$name")
    echo "-- $name (${fuzz_seconds}s)"
    status=0
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
        "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=65536 -len_control=0 -print_final_stats=1 \
        "$corpus" "${seeds[@]}" >build-san/fuzz/"$name".log 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' build-san/fuzz/"$name".log || true
    if [ "$status" -ne 0 ]; then
        echo "$name falhou (veja build-san/fuzz/$name.log)"
        exit 1
    fi
done
echo "Todos os testes passaram."
