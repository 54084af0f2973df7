#!/usr/bin/env bash
# A player's session with the desktop program under a virtual X server:
# Klondike is dealt, cards are moved by dragging them with the mouse (the
# stock is clicked when no drag moves anything), then
# the moves are undone and redone from the keyboard. Each step is checked on
# the screen itself: a move changes the table, undo brings back exactly the
# table before it, redo the table after it.
#
#   xvfb_play.sh PATH/TO/dravicor OUTPUT_DIR
#
# The screenshots stay in OUTPUT_DIR for a person to look at. Exit status 77
# means a tool is missing and the check was skipped.
set -u

program=${1:?usage: xvfb_play.sh PROGRAM OUTPUT_DIR}
output_dir=${2:?usage: xvfb_play.sh PROGRAM OUTPUT_DIR}
here=$(cd "$(dirname "$0")" && pwd)
probe="$here/table_probe.py"
# A Klondike deal whose columns offer moves from the start.
game_number=${DRAVICOR_PLAY_NUMBER:-3}

# shellcheck source=xvfb_session.sh
source "$here/xvfb_session.sh"
enter_xvfb DRAVICOR_PLAY_IN_XVFB xvfb-run xdotool import convert python3 -- "$0" "$@"

mkdir -p "$output_dir"
log="$output_dir/program.log"
rm -f "$output_dir"/*.png "$log"

program_dir=$(mktemp -d -t dravicor-play.XXXXXX)
cp -r "$(dirname "$program")/GAMES.DAT" "$(dirname "$program")/KVR.RGF" "$(dirname "$program")/Images" "$program_dir/"
# Klondike on the plain default green, without autoplay, flights or the
# animated deal, so that every picture taken shows the table at rest.
mkdir -p "$program_dir/DATA"
printf '[Preference]\r\nGame=0\r\nAutoPlay=N\r\nSpeed_Move_Card=0\r\nDeal_Animation=N\r\nSounds_Enabled=N\r\nBackground_def=Y\r\n' \
    >"$program_dir/DATA/CFG.DAT"
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null
    rm -rf "$program_dir"
}
trap cleanup EXIT

QT_QPA_PLATFORM=xcb "$program" --program-dir "$program_dir" --number "$game_number" >"$log" 2>&1 &
pid=$!
window=$(find_window 20 '^Dravicor')
[[ -n "$window" ]] || fail "no visible window titled Dravicor within 20 seconds"
sleep 2

shot=0
# Takes a screenshot (kept as NAME.png) and prints the digest of the table.
look() {
    local name=$1
    import -window root "$output_dir/$name.png" || fail "no screenshot"
    convert "$output_dir/$name.png" -crop "$table" +repage ppm:- | sha1sum | cut -d' ' -f1
}

import -window root "$output_dir/dealt.png"
table=$(python3 "$probe" box "$output_dir/dealt.png") || fail "no table on the screen"
echo "table: $table"
history=("$(look dealt)")

drag() {
    xdotool mousemove "$1" "$2" mousedown 1 sleep 0.05 \
        mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.05 \
        mousemove "$3" "$4" sleep 0.05 mouseup 1
    sleep 0.3
}

# Where a pile's top card lies on the screen now: the columns of the
# tableau, the top row (stock, waste, four foundations).
grip_of() {
    local pile=$1
    case "$pile" in
        Fila*) echo "${columns[$((${pile#Fila} - 1))]}" ;;
        Mazzo_Vis) echo "${top[1]}" ;;
        Dest*) echo "${top[$((${pile#Dest} + 1))]}" ;;
        *) fail "no place on the screen for $pile" ;;
    esac
}

# The text front end plays the same deal alongside (in a program folder of
# its own) and names the moves a player could make; the mouse makes them.
cli_dir=$(mktemp -d -t dravicor-play-cli.XXXXXX)
cp -r "$program_dir/." "$cli_dir/"
played=()
cp "$output_dir/dealt.png" "$output_dir/current.png"
moves=0
for attempt in $(seq 1 20); do
    { printf '%s\n' "${played[@]}" snapshot moves quit; } |
        "$(dirname "$program")/dravicor-cli" --program-dir "$cli_dir" play 0 "$game_number" \
            >"$output_dir/choices.txt" 2>/dev/null
    read -r from to card < <(python3 "$probe" choose "$output_dir/choices.txt")
    mapfile -t columns < <(python3 "$probe" columns "$output_dir/current.png")
    mapfile -t top < <(python3 "$probe" top "$output_dir/current.png")
    ((${#columns[@]} == 7)) || fail "expected seven columns, saw ${#columns[@]}"
    ((${#top[@]} == 6)) || fail "expected stock, waste and four foundations, saw ${#top[@]}"
    if [[ "$from" == "stock" ]]; then
        # shellcheck disable=SC2086
        xdotool mousemove ${top[0]} click 1
        sleep 0.3
        played+=(stock)
        what="clicked the stock"
    else
        # shellcheck disable=SC2046
        drag $(grip_of "$from") $(grip_of "$to")
        played+=("move $card $to")
        moves=$((moves + 1))
        what="dragged card $card from $from to $to"
    fi
    now=$(look current)
    [[ "$now" != "${history[-1]}" ]] || fail "the table did not change: $what"
    history+=("$now")
    echo "$what"
    [[ "$from" != "stock" ]] && cp "$output_dir/current.png" "$output_dir/move$moves.png"
    ((moves == 3)) && break
done
rm -rf "$cli_dir"
((moves >= 2)) || fail "only $moves moves by dragging were made"

# Undo every step back to the deal, checking each table on the way; then
# redo them all.
steps=$((${#history[@]} - 1))
for ((i = steps - 1; i >= 0; i--)); do
    xdotool key --window "$window" ctrl+z
    sleep 0.3
    [[ "$(look undone)" == "${history[$i]}" ]] || fail "undo to step $i does not show the table of that step"
done
echo "undid $steps steps"
for ((i = 1; i <= steps; i++)); do
    xdotool key --window "$window" ctrl+y
    sleep 0.3
    [[ "$(look redone)" == "${history[$i]}" ]] || fail "redo to step $i does not show the table of that step"
done
echo "redid $steps steps"

kill -TERM "$pid"
for _ in $(seq 1 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "the program did not end on SIGTERM"; fi
wait "$pid"
status=$?
pid=""
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "PASSED: $moves moves by dragging, $steps steps undone and redone; screenshots in $output_dir"
