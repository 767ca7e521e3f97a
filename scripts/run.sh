#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs kinetrack against the virtual board: installs what is missing, builds the two
# programs only (not the tests, benchmarks and other tools), starts kinetrack-board as
# port com3 (board type 3) in the background and the program in the foreground. The
# board stops when the program ends. Extra arguments go to the board, e.g.
# bash scripts/run.sh --reps 6 --up 1.3:1.6; "--lang en" goes to both, so the program
# and the board's messages are in English for this run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kinetrack kinetrack-board

uscita_scheda=$(mktemp)
build/apps/kinetrack-board --port 3 --board-type 3 "$@" >"$uscita_scheda" &
scheda=$!
fine() {
    kill "$scheda" 2>/dev/null || true
    wait "$scheda" 2>/dev/null || true
    rm -f "$uscita_scheda"
}
trap fine EXIT
# The board prints its device once its line is up and com3 is claimed.
for _ in $(seq 50); do
    [ -s "$uscita_scheda" ] && break
    kill -0 "$scheda" 2>/dev/null || { echo "kinetrack-board did not start" >&2; exit 1; }
    sleep 0.1
done
echo "Virtual board on com3: $(head -n1 "$uscita_scheda")"
programma=()
argomenti=("$@")
for i in "${!argomenti[@]}"; do
    case "${argomenti[$i]}" in
    --lang) programma+=(--lang "${argomenti[$((i + 1))]:-}") ;;
    --lang=*) programma+=("${argomenti[$i]}") ;;
    esac
done
build/apps/kinetrack "${programma[@]}"
