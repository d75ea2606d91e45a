#!/usr/bin/env bash
# Long unattended run of every fuzzer (default 10 minutes each), one after the other, on the
# sanitizer build. Prints, per fuzzer, the executions, the coverage, the crashes and the
# largest unit of its corpus in bytes and in whole records of its format.
#   fuzz/longo.sh [segundos por fuzzer]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${DRIBOLEX_FUZZ_SECONDS:-600}}
build=$PWD/build-san
# Every save syncs its file; the harnesses' scratch folders go to a memory file system, where a
# sync costs nothing, unless TMPDIR says otherwise.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi

if ! ls "$build"/fuzz/fuzz_* >/dev/null 2>&1; then
    san_flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$san_flags" -DDRIBOLEX_FUZZ=ON
    cmake --build "$build" -j"$(nproc)" --target fuzz_banco fuzz_legendas fuzz_jogadores fuzz_importar
fi

# Bytes of one whole record of each format (the TSV has no fixed record).
declare -A record=([fuzz_banco]=576 [fuzz_legendas]=160 [fuzz_jogadores]=19304 [fuzz_importar]=0)

failed=0
total=0
printf '%-16s %12s %8s %8s %8s %14s\n' fuzzer execucoes cobertura falhas maior registros
for name in fuzz_banco fuzz_legendas fuzz_jogadores fuzz_importar; do
    fuzzer=$build/fuzz/$name
    corpus=$build/fuzz/corpus-$name
    artifacts=$build/fuzz/falhas-$name/
    log=$build/fuzz/$name-longo.log
    mkdir -p "$corpus" "$artifacts"
    status=0
    LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
        nice "$fuzzer" -max_total_time="$seconds" -max_len=65536 -len_control=0 \
        -print_final_stats=1 -artifact_prefix="$artifacts" "$corpus" "$PWD/fuzz/seeds/$name" \
        >"$log" 2>&1 || status=$?
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
    crashes=$(find "$artifacts" -type f | wc -l)
    largest=$(find "$corpus" "$PWD/fuzz/seeds/$name" -type f -printf '%s\n' | sort -n | tail -1)
    whole=-
    [ "${record[$name]}" -gt 0 ] && whole=$((largest / record[$name]))
    printf '%-16s %12s %8s %8s %8s %14s\n' "$name" "$runs" "$cov" "$crashes" "$largest" "$whole"
    total=$((total + runs))
    if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
        echo "$name falhou (veja $log e $artifacts)"
        failed=1
    fi
done
echo "execuções no total: $total"
exit "$failed"
