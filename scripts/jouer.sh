#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/dependances.sh" jeu
cmake -S "$racine" -B "$racine/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$racine/build" --target marbello
exec "$racine/build/ui/marbello"
