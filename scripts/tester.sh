#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window tests, the tests
# that drive the real program under an X server, the same tests built with AddressSanitizer and
# UndefinedBehaviorSanitizer, the tests of the threads' code with ThreadSanitizer, the Debian
# package through lintian, then clang-format and clang-tidy on the project's own code.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
cd "$racine"
"$racine/scripts/dependances.sh" tests

export XDG_RUNTIME_DIR="$(mktemp -d /tmp/marbello-xdg.XXXXXX)"
# The game run by the tests keeps its settings there, never in the user's own.
export XDG_CONFIG_HOME="$XDG_RUNTIME_DIR/config"
export QT_QPA_PLATFORMTHEME=
cpus="$(nproc)"

# A private X server for the tests labelled x11 (no window manager, like a bare session). The
# server picks a free display itself and writes its number on descriptor 3.
numero="$XDG_RUNTIME_DIR/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numero" >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill $xvfb_pid 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for _ in $(seq 100); do [ -s "$numero" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$numero")"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# Size of the tests against the code, counted as ../shared/tools/count_lines.py counts them:
# non-blank lines of C++ and shell that are not comments.
echo "== Taille : $(git ls-files -- model solver ui bench fuzz scripts tests | grep -E '\.(cpp|h|sh)$' |
    xargs awk 'FNR == 1 { bloc = 0; sh = FILENAME ~ /\.sh$/ }
        { s = $0; gsub(/^[ \t\r]+|[ \t\r]+$/, "", s) }
        bloc { if (index(s, "*/")) bloc = 0; next }
        s == "" || s ~ /^\/\// || (sh && s ~ /^#/) { next }
        s ~ /^\/\*/ { bloc = !index(s, "*/"); next }
        { n[FILENAME ~ /^tests\//]++ }
        END { printf "code %d tests %d ratio %.2f", n[0], n[1], n[1] / n[0] }')"

echo "== Construction"
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$cpus"

echo "== Tests"
ctest --test-dir build --output-on-failure -j "$cpus"

echo "== Paquet Debian, vu par lintian"
rm -f build/marbello_*.deb
# Silent when clean; lintian's own notice about running as root would be the only line.
sortie="$(cmake --build build --target package 2>&1 &&
    lintian --fail-on error,warning build/marbello_*.deb 2>&1)" || { echo "$sortie"; exit 1; }

echo "== Tests sous AddressSanitizer et UndefinedBehaviorSanitizer"
drapeaux="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 $drapeaux" -DCMAKE_EXE_LINKER_FLAGS="$drapeaux" >/dev/null
cmake --build build-asan -j "$cpus"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS="suppressions=$racine/scripts/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$cpus"

echo "== Tests sous ThreadSanitizer : le modèle, la recherche et son fil"
drapeaux="-fsanitize=thread -fno-omit-frame-pointer"
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="-O1 $drapeaux" -DCMAKE_EXE_LINKER_FLAGS="$drapeaux" >/dev/null
cmake --build build-tsan -j "$cpus" --target test_model test_solver
for test in model/test_model solver/test_solver; do
    TSAN_OPTIONS=halt_on_error=1 "build-tsan/tests/$test"
done

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== clang-tidy"
git ls-files 'model/*.cpp' 'solver/*.cpp' 'ui/*.cpp' 'bench/*.cpp' |
    xargs -P "$cpus" -n 4 clang-tidy -p build --quiet --warnings-as-errors='*' 2>/dev/null

echo "Tous les tests sont passés."
