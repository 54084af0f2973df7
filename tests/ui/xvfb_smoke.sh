#!/usr/bin/env bash
# End-to-end check of the desktop program under a virtual X server: the
# window opens with the green table, and a termination request ends the
# program with status 0.
#
#   xvfb_smoke.sh PATH/TO/dravicor OUTPUT_DIR
#
# The screenshot stays in OUTPUT_DIR for a person to look at. Exit status 77
# means a tool is missing and the check was skipped.
#
# Xvfb runs no window manager, so nothing would act on a close request sent
# to the window (and "xdotool windowclose" destroys the window behind the
# program's back, leaving it running). The program closes its window on
# SIGTERM, which is what the check sends.
set -u

program=${1:?usage: xvfb_smoke.sh PROGRAM OUTPUT_DIR}
output_dir=${2:?usage: xvfb_smoke.sh PROGRAM OUTPUT_DIR}
expected_pixel="srgb(0,96,0)"

# shellcheck source=xvfb_session.sh
source "$(cd "$(dirname "$0")" && pwd)/xvfb_session.sh"
enter_xvfb DRAVICOR_SMOKE_IN_XVFB xvfb-run xdotool import convert -- "$0" "$@"
# From here on the script runs inside the X server.

mkdir -p "$output_dir"
screenshot="$output_dir/screenshot.png"
log="$output_dir/program.log"
rm -f "$screenshot" "$log"

program_dir=$(mktemp -d -t dravicor-smoke.XXXXXX)
# A scratch program directory with the built game catalogue, resource
# library and card pictures in it.
cp -r "$(dirname "$program")/GAMES.DAT" "$(dirname "$program")/KVR.RGF" "$(dirname "$program")/Images" "$program_dir/"
# The plain default green (a fresh installation fades its table; the fade
# has tests of its own), so one pixel tells that the table is drawn.
mkdir -p "$program_dir/DATA"
printf '[Preference]\r\nBackground_def=Y\r\n' >"$program_dir/DATA/CFG.DAT"
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null
    rm -rf "$program_dir"
}
trap cleanup EXIT

# The X server is the point here, whatever platform the caller's tests use.
QT_QPA_PLATFORM=xcb "$program" --program-dir "$program_dir" >"$log" 2>&1 &
pid=$!

# The caption names the game, the player and the deal once the game is dealt.
window=$(find_window 20 '^Dravicor( |$)')
[[ -n "$window" ]] || fail "no visible window titled \"Dravicor ...\" within 20 seconds"
echo "window: $window"

eval "$(xdotool getwindowgeometry --shell "$window")"
[[ -n "${WIDTH:-}" && -n "${HEIGHT:-}" ]] || fail "cannot read the geometry of window $window"
# The table shows at its bottom right corner, clear of the cards of the deal;
# the status bar lies below it, so the sample is taken 60 pixels up.
corner_x=$((X + WIDTH - 4))
corner_y=$((Y + HEIGHT - 60))
echo "geometry: ${WIDTH}x${HEIGHT} at $X,$Y; sampled at $corner_x,$corner_y"

# The first frame may not be painted the moment the window is mapped.
pixel=""
for _ in $(seq 50); do
    import -window root "$screenshot" 2>/dev/null &&
        pixel=$(convert "$screenshot" -format "%[pixel:p{$corner_x,$corner_y}]" info: 2>/dev/null)
    [[ "$pixel" == "$expected_pixel" ]] && break
    sleep 0.1
done
echo "screenshot: $screenshot"
[[ "$pixel" == "$expected_pixel" ]] || fail "pixel at the window's corner is \"$pixel\", not $expected_pixel"
echo "corner pixel: $pixel"

[[ -f "$program_dir/DATA/CFG.DAT" ]] || fail "the program made no DATA/CFG.DAT in --program-dir $program_dir"

kill -TERM "$pid"
for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program was still running 5 seconds after SIGTERM"
wait "$pid"
status=$?
pid=""
[[ $status -eq 0 ]] || fail "the program exited with status $status after SIGTERM"

echo "PASSED: green table at the corner, exit status 0 after SIGTERM"
