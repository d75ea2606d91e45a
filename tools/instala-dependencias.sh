#!/usr/bin/env bash
# Installs the Debian packages that are missing; run.sh and test.sh call it.
# Usage: tools/instala-dependencias.sh [jogo|pacote|testes]
set -euo pipefail

# The Bebas Neue and Open Sans fonts are compiled into the program.
pacotes=(cmake make g++ pkg-config qt6-base-dev libsdl2-mixer-dev fonts-dejavu-core
    fonts-bebas-neue fonts-open-sans)
# The Debian package: dpkg-shlibdeps works out its dependencies, with file to find the programs.
if [ "${1:-jogo}" = pacote ] || [ "${1:-jogo}" = testes ]; then
    pacotes+=(dpkg-dev file)
fi
if [ "${1:-jogo}" = testes ]; then
    pacotes+=(clang libclang-rt-14-dev xvfb xdotool imagemagick python3 hunspell hunspell-pt-br
        lintian desktop-file-utils appstream)
fi

faltam=()
for p in "${pacotes[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || faltam+=("$p")
done
[ ${#faltam[@]} -eq 0 ] && exit 0

echo "Instalando: ${faltam[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${faltam[@]}"
