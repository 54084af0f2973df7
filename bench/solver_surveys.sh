#!/usr/bin/env bash
# The solver's surveys of the benchmark games, one after the other on one
# core: deals FROM..TO (default 1..1000) of Klondike, Klondike by Threes,
# Spider, Canfield, Forty Thieves, Baker's Dozen, Golf and La Belle Lucie,
# at most SECONDS (default 2) of processor time a deal, so that a busy
# machine changes the times but not the verdicts. Run it under nice.
# Usage: bench/solver_surveys.sh BUILD_DIR [FROM TO [SECONDS [CODES...]]]
set -euo pipefail
build=${1:?usage: solver_surveys.sh BUILD_DIR [FROM TO [SECONDS [CODES...]]]}
from=${2:-1}
to=${3:-1000}
seconds=${4:-2}
shift $(($# < 4 ? $# : 4))
codes=("$@")
((${#codes[@]})) || codes=(0 2 3 4 5 6 12 18)
# The program as built (the build tree also holds packaged copies of it).
cli="$build/dravicor/dravicor-cli"
for code in "${codes[@]}"; do
  "$cli" --program-dir "$(dirname "$cli")" survey "$code" "$from" "$to" --seconds 0 --cpu-seconds "$seconds" --jobs 1 2>/dev/null
  echo
done
