#!/usr/bin/env bash
# The installation laid out by "cmake --install": where every part goes,
# the programs started from it, their records in the user's data folder,
# and two installed copies sharing those records.
#
#   installed_layout.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

build=${1:?usage: installed_layout.sh BUILD_DIR SCRATCH_DIR}
scratch=${2:?usage: installed_layout.sh BUILD_DIR SCRATCH_DIR}
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

for copy in first second; do
    cmake --install "$build" --prefix "$scratch/$copy" >/dev/null
done
prefix=$scratch/first

for file in bin/dravicor bin/dravicor-cli lib/dravicor/modules/dravicor-charts.so share/dravicor/GAMES.DAT share/dravicor/KVR.RGF \
            share/dravicor/Images/CB001H.bmp share/dravicor/SOUNDS/Won.wav share/dravicor/HELP/contents.html \
            share/applications/example.dravicor.Dravicor.desktop share/metainfo/example.dravicor.Dravicor.metainfo.xml \
            share/icons/hicolor/scalable/apps/dravicor.svg share/icons/hicolor/48x48/apps/dravicor.png \
            share/icons/hicolor/128x128/apps/dravicor.png share/icons/hicolor/256x256/apps/dravicor.png \
            share/man/man6/dravicor.6.gz share/man/man6/dravicor-cli.6.gz share/doc/dravicor/copyright \
            share/doc/dravicor/changelog.gz; do
    [[ -s "$prefix/$file" ]] || fail "the installation lacks $file"
done
[[ -n "$(ls "$prefix/share/dravicor/Demos")" ]] || fail "no demo was installed"
# No DATA folder and none of the build's marks are installed.
leftovers=$(find "$prefix" -name DATA -o -name '.*' | sed "s|^$prefix/||")
[[ -z "$leftovers" ]] || fail "installed, but not to be: $leftovers"

# The programs find their data in share/ and make DATA in the user's data folder.
export XDG_DATA_HOME=$scratch/home/data
export HOME=$scratch/home
export QT_QPA_PLATFORM=offscreen
games=$("$prefix/bin/dravicor-cli" games)
[[ "$(head -n 1 <<<"$games")" == "0 5 Klondike" ]] || fail "dravicor-cli games printed: $(head -n 3 <<<"$games")"
data=$XDG_DATA_HOME/dravicor/DATA
[[ -f "$data/CFG.DAT" ]] || fail "no configuration file in $data"
"$prefix/bin/dravicor-cli" settings | grep -qx "ProgramDir=$prefix/share/dravicor/" || fail "wrong program folder"
"$prefix/bin/dravicor" --startup-time >"$scratch/startup.txt" 2>"$scratch/startup.err" ||
    fail "the installed desktop program did not come up: $(cat "$scratch/startup.err")"
grep -q '^total [0-9]' "$scratch/startup.txt" || fail "no start-up report: $(cat "$scratch/startup.txt")"
# Without XDG_DATA_HOME, the home's .local/share.
(unset XDG_DATA_HOME; "$prefix/bin/dravicor-cli" numbers >/dev/null)
[[ -f "$HOME/.local/share/dravicor/DATA/CFG.DAT" ]] || fail "nothing in ~/.local/share/dravicor/DATA"

# Two installed copies playing at once keep every record of both.
runs=8
for ((i = 0; i < runs; i++)); do
    for copy in first second; do
        printf 'quit\n' | "$scratch/$copy/bin/dravicor-cli" play 0 $((1000 + i)) >/dev/null &
    done
done
wait
deals=$((2 * runs))
log_lines=$("$prefix/bin/dravicor-cli" log | wc -l)
[[ "$log_lines" -eq "$deals" ]] || fail "the game log holds $log_lines deals, not $deals"
"$scratch/second/bin/dravicor-cli" stats 0 "Player 1" | grep -qx "Lost=$deals" ||
    fail "the statistics lost a deal: $("$prefix/bin/dravicor-cli" stats 0 "Player 1" | tr '\n' ' ')"
[[ -z "$(find "$data" -name '*.rpl*')" ]] || fail "a rewrite left its temporary file behind"
echo "ok: installed layout, user data folder, two copies sharing the records"
