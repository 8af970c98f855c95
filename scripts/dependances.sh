#!/usr/bin/env bash
# Installs with apt-get whatever the build and the tests need and this machine lacks (Debian 12).
set -euo pipefail

paquets=(cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev
         clang-format xvfb xauth desktop-file-utils appstream libxml2-utils xdg-utils
         qt6-translations-l10n libxml2-dev nlohmann-json3-dev libmagic-dev pkg-config clang
         libclang-rt-14-dev libarchive-dev emscripten node-acorn chromium neovim)
# The web engine's build and the page's tests run on node: Debian's, unless one is installed.
command -v node >/dev/null || paquets+=(nodejs npm)
manquants=()
for p in "${paquets[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if ((${#manquants[@]})); then
    echo "Installation de : ${manquants[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -q
    "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${manquants[@]}"
fi
