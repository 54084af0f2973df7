#!/usr/bin/env bash
# A whole game won from the keyboard alone, under a virtual X server: the
# keys that win the recorded demo of a game (printed by demo_keys, which
# plays them on the engine first) go to the desktop program through
# xdotool, with no mouse at all. The game must end won: the "Game won"
# window appears. With openbox installed the program runs under it, as on
# a desktop.
#
#   xvfb_keys.sh PATH/TO/dravicor PATH/TO/demo_keys GAME_CODE OUTPUT_DIR
#
# Screenshots of the deal, after every sixty keys and of the end stay in
# OUTPUT_DIR for a person to look at. Exit status 77 means a tool is
# missing and the check was skipped.
set -u

program=${1:?usage: xvfb_keys.sh PROGRAM DEMO_KEYS GAME_CODE OUTPUT_DIR}
demo_keys=${2:?usage: xvfb_keys.sh PROGRAM DEMO_KEYS GAME_CODE OUTPUT_DIR}
code=${3:?usage: xvfb_keys.sh PROGRAM DEMO_KEYS GAME_CODE OUTPUT_DIR}
output_dir=${4:?usage: xvfb_keys.sh PROGRAM DEMO_KEYS GAME_CODE OUTPUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)

# shellcheck source=xvfb_session.sh
source "$here/xvfb_session.sh"
enter_xvfb DRAVICOR_KEYS_IN_XVFB xvfb-run xdotool import -- "$0" "$@"

mkdir -p "$output_dir"
log="$output_dir/program.log"
rm -f "$output_dir"/*.png "$log"
built=$(dirname "$program")
demo=$(printf '%s/Demos/G%04d.GAM' "$built" "$code")

mapfile -t keys < <("$demo_keys" "$built/GAMES.DAT" "$demo") || true
[[ "${keys[0]:-}" == number\ * ]] || fail "demo_keys found no keys for $demo"
number=${keys[0]#number }
keys=("${keys[@]:1}")
echo "game $code, number $number: ${#keys[@]} keys"

program_dir=$(mktemp -d -t dravicor-keys.XXXXXX)
cp -r "$built/GAMES.DAT" "$built/KVR.RGF" "$built/Images" "$program_dir/"
# Autoplay off, as the demo was recorded; no flights, no animated deal, no
# celebration, no questions, so that every key finds the table at rest.
mkdir -p "$program_dir/DATA"
printf '[Preference]\r\nGame=%s\r\nAutoPlay=N\r\nSpeed_Move_Card=0\r\nDeal_Animation=N\r\nSounds_Enabled=N\r\nBackground_def=Y\r\nWinning_Animation=N\r\nRedeal_Animation=N\r\nTips_StartUp=N\r\nConfirmEnterHiScores=N\r\n' \
    "$code" >"$program_dir/DATA/CFG.DAT"
pid=""
wm=""
cleanup() {
    [[ -n "$pid" ]] && { kill -KILL "$pid"; wait "$pid"; } 2>/dev/null
    [[ -n "$wm" ]] && kill -TERM "$wm" 2>/dev/null
    rm -rf "$program_dir"
}
trap cleanup EXIT

if command -v openbox >/dev/null; then
    openbox >"$output_dir/openbox.log" 2>&1 &
    wm=$!
    sleep 1
fi
QT_QPA_PLATFORM=xcb "$program" --program-dir "$program_dir" --number "$number" >"$log" 2>&1 &
pid=$!
window=$(find_window 20 '^Dravicor')
[[ -n "$window" ]] || fail "no visible window titled Dravicor within 20 seconds"
# The deal, and autoplay after it (keys during its pause would be dropped).
sleep 3
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
import -window root "$output_dir/dealt.png" || fail "no screenshot"

# In batches, with a look at the table after each.
batch=60
for ((first = 0; first < ${#keys[@]}; first += batch)); do
    xdotool key --clearmodifiers --delay 25 "${keys[@]:first:batch}"
    import -window root "$output_dir/keys$((first + batch)).png"
done
sleep 1
import -window root "$output_dir/end.png"
won=$(find_window 10 '^Game won$')
[[ -n "$won" ]] || fail "no \"Game won\" window after ${#keys[@]} keys; see $output_dir/end.png"
kill -TERM "$pid"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
wait "$pid" 2>/dev/null
pid=""
echo "PASSED: game $code number $number won with ${#keys[@]} keys; screenshots in $output_dir"
