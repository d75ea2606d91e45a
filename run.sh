#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from its game folder.
set -euo pipefail
cd "$(dirname "$0")"
tools/instala-dependencias.sh jogo
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build/jogo
exec ./dribolex "$@"
