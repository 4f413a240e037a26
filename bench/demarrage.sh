#!/usr/bin/env bash
# Start-up time of the game: from the launch of the program to its main window shown (mapped and
# visible on the X server), over several runs. Uses the X server of DISPLAY, or a private Xvfb.
# Usage: bench/demarrage.sh [path to marbello] [runs]   (default: build/ui/marbello, 10 runs)
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
programme="${1:-$racine/build/ui/marbello}"
essais="${2:-10}"
[ -x "$programme" ] || { echo "programme introuvable : $programme" >&2; exit 1; }

xvfb_pid=""
if [ -z "${DISPLAY:-}" ]; then
    # A private server that picks a free display itself and writes its number on descriptor 3. It
    # never starts afresh when a run's program leaves, which the next run could meet half way.
    numero="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$numero" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$numero" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$numero")"
    rm -f "$numero"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
fi
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
pid=""
nettoyer() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap nettoyer EXIT

mesures=()
for _ in $(seq "$essais"); do
    debut=$(date +%s%N)
    "$programme" >/dev/null 2>&1 &
    pid=$!
    until xdotool search --onlyvisible --name '^Jeu du Marbello$' >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "le programme s'est arrêté" >&2; exit 1; }
        sleep 0.002
    done
    fin=$(date +%s%N)
    mesures+=($(( (fin - debut) / 1000000 )))
    kill "$pid"; wait "$pid" 2>/dev/null || true
    pid=""
    sleep 0.2
done

tri=($(printf '%s\n' "${mesures[@]}" | sort -n))
echo "démarrage jusqu'à la fenêtre affichée, $essais essais (ms) : ${mesures[*]}"
echo "médiane ${tri[$(( essais / 2 ))]} ms, min ${tri[0]} ms, max ${tri[$(( essais - 1 ))]} ms"
