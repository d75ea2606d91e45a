#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless: the suite, the suite again
# under AddressSanitizer + UndefinedBehaviorSanitizer, and each fuzzer for a bounded time.
set -euo pipefail
cd "$(dirname "$0")"
tools/instala-dependencias.sh testes

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy

echo "== Compilação e testes"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

echo "== Testes com sanitizadores (ASan + UBSan) e fuzzers"
san_flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B build-san -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san_flags" -DDRIBOLEX_FUZZ=ON
cmake --build build-san -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-san --output-on-failure -j"$jobs"

fuzz_seconds=${DRIBOLEX_FUZZ_SECONDS:-30}
for fuzzer in build-san/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    name=$(basename "$fuzzer")
    corpus=build-san/fuzz/corpus-$name
    mkdir -p "$corpus"
    seeds=()
    [ -d fuzz/seeds/"$name" ] && seeds=(fuzz/seeds/"$name")
    echo "-- $name (${fuzz_seconds}s)"
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
        "$fuzzer" -max_total_time="$fuzz_seconds" -print_final_stats=1 "$corpus" "${seeds[@]}" \
        2>&1 | grep -E 'stat::number_of_executed_units|ERROR|SUMMARY' || true
    [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$name falhou"; exit 1; }
done
echo "Todos os testes passaram."
