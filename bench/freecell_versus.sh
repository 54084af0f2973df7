#!/usr/bin/env bash
# FreeCell deals FROM..TO (default 1..1000) of our numbering, solved by our
# solver (dravicor-cli survey) and by fc-solve -l lg (Debian's
# freecell-solver-bin, installed if missing) on the same boards, verdicts
# compared deal by deal. Prints deals per second and peak memory of both.
# Usage: bench/freecell_versus.sh BUILD_DIR [FROM TO]   (run it under nice)
set -euo pipefail
build=${1:?usage: freecell_versus.sh BUILD_DIR [FROM TO]}
from=${2:-1}
to=${3:-1000}
if ! command -v fc-solve >/dev/null; then
  apt-get install -y freecell-solver-bin >&2
fi
# The program as built (the build tree also holds packaged copies of it).
cli="$build/dravicor/dravicor-cli"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/bench/freecell_boards" "$from" "$to" "$work"

# Ours: one process for the whole range, one core, a line per deal.
/usr/bin/time -f "%e %M" -o "$work/ours.time" \
  "$cli" --program-dir "$(dirname "$cli")" survey 1 "$from" "$to" --jobs 1 --seconds 10 --deals \
  >"$work/ours.txt" 2>/dev/null
# Theirs: one process per board (its start-up is part of the cost, measured apart below).
start=$(date +%s.%N)
for ((n = from; n <= to; n++)); do
  /usr/bin/time -f "%M" -o "$work/$n.mem" timeout 60 fc-solve -l lg "$work/$n.board" >"$work/$n.out" 2>&1 || true
done
end=$(date +%s.%N)
printf 'AS\n\n\n\n\n\n\n\n' >"$work/empty.board"
startup_begin=$(date +%s.%N)
for i in $(seq 20); do fc-solve -l lg "$work/empty.board" >/dev/null 2>&1 || true; done
startup_end=$(date +%s.%N)

agree=0; disagree=0; theirs_won=0; ours_won=0; ours_unknown=0; their_peak=0
while read -r _ n verdict _; do
  if grep -q "This game is solveable" "$work/$n.out"; then theirs=won; theirs_won=$((theirs_won + 1));
  elif grep -q "I could not solve" "$work/$n.out"; then theirs=lost; else theirs=unknown; fi
  [[ $verdict == won ]] && ours_won=$((ours_won + 1))
  [[ $verdict == unknown ]] && ours_unknown=$((ours_unknown + 1))
  if [[ $verdict == "$theirs" ]]; then agree=$((agree + 1)); else disagree=$((disagree + 1)); echo "deal $n: ours $verdict, fc-solve $theirs"; fi
  mem=$(tail -1 "$work/$n.mem"); ((mem > their_peak)) && their_peak=$mem
done < <(grep '^deal ' "$work/ours.txt")

read -r ours_seconds ours_rss <"$work/ours.time"
deals=$((to - from + 1))
awk -v d="$deals" -v os="$ours_seconds" -v orss="$ours_rss" -v ts="$(echo "$end - $start" | bc)" \
    -v su="$(echo "($startup_end - $startup_begin) / 20" | bc -l)" -v tp="$their_peak" \
    -v ow="$ours_won" -v tw="$theirs_won" -v ou="$ours_unknown" -v a="$agree" -v x="$disagree" 'BEGIN {
  printf "deals %d: verdicts agree %d, differ %d; won: ours %d (unknown %d), fc-solve %d\n", d, a, x, ow, ou, tw
  printf "ours:     %.1f s, %.1f deals/s, peak RSS %.1f MiB (whole run)\n", os, d / os, orss / 1024
  printf "fc-solve: %.1f s, %.1f deals/s, peak RSS %.1f MiB (worst deal); start-up %.1f ms a process, %.1f deals/s without it\n", ts, d / ts, tp / 1024, su * 1000, d / (ts - d * su)
}'
grep -E '^(peak memory|time per deal)' "$work/ours.txt" | sed 's/^/ours: /'
awk '$1 == "deal" && $6 > m { m = $6 } END { printf "ours: largest search memory of one deal %.1f MiB\n", m / 1048576 }' "$work/ours.txt"
