#!/usr/bin/env bash
# Installs, through apt-get, whatever Debian 12 packages the build, the game or the tests lack.
# Usage: scripts/dependances.sh jeu|tests
set -euo pipefail

paquets=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
         libgtest-dev qt6-qpa-plugins fonts-dejavu-core fonts-liberation2)
if [ "${1:-jeu}" = tests ]; then
    paquets+=(xvfb xauth xdotool x11-utils imagemagick clang clang-tidy clang-format
              libclang-rt-14-dev desktop-file-utils appstream dpkg-dev file weston qt6-wayland
              at-spi2-core dbus orca speech-dispatcher
              locales lintian)
fi

manquants=()
for p in "${paquets[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        manquants+=("$p")
    fi
done
[ ${#manquants[@]} -eq 0 ] && exit 0

echo "Installation de : ${manquants[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
    "${manquants[@]}" >/dev/null
