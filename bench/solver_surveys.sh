#!/usr/bin/env bash
# The solver's surveys of the benchmark games, one after the other on one
# core: deals FROM..TO (default 1..1000) of Klondike, Klondike by Threes,
# Spider, Canfield, Forty Thieves, Baker's Dozen, Golf and La Belle Lucie,
# at most SECONDS (default 2) a deal. Run it under nice.
# Usage: bench/solver_surveys.sh BUILD_DIR [FROM TO [SECONDS [CODES...]]]
set -euo pipefail
build=${1:?usage: solver_surveys.sh BUILD_DIR [FROM TO [SECONDS [CODES...]]]}
from=${2:-1}
to=${3:-1000}
seconds=${4:-2}
shift $(($# < 4 ? $# : 4))
codes=("$@")
((${#codes[@]})) || codes=(0 2 3 4 5 6 12 18)
cli=$(find "$build" -name dravicor-cli -type f -perm -u+x | head -1)
for code in "${codes[@]}"; do
  "$cli" --program-dir "$(dirname "$cli")" survey "$code" "$from" "$to" --seconds "$seconds" --jobs 1 2>/dev/null
  echo
done
