#!/usr/bin/env bash
# Start-up time and memory of the desktop program under a virtual X server.
#
#   bench/startup.sh [--runs N] [--compare-kpat] [PATH/TO/dravicor]
#
# Runs "dravicor --startup-time" N times (default 10): each run reports the
# milliseconds from the start of its process to the first painting of the
# first deal, phase by phase. Prints the median of every phase, the minimum
# and the median of the total, then the resident memory (VmRSS of
# /proc/PID/status) of the program 3 seconds after it came up: once with
# the first deal on the table (the deal --number asks for), once with the
# open-game dialog a normal start shows. With --compare-kpat, the resident
# memory of KDE's patience game kpat is measured the same way under the
# same server for comparison; kpat (Debian package "kpat") is installed
# with apt-get first when it is missing.
#
# The program runs on a scratch copy of its program directory, so the runs
# write no records into the build's DATA folder. The default program is the
# one of build/ in this worktree; an installed one (PREFIX/bin/dravicor)
# finds its data in PREFIX/share/dravicor.
#
# Goals on the development machine: under 150 ms to the first painted deal
# and under 50 MiB resident.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
runs=10
compare_kpat=0
program="$root/build/dravicor/dravicor"
while (($#)); do
    case "$1" in
        --runs) runs=${2:?--runs needs a number}; shift 2 ;;
        --compare-kpat) compare_kpat=1; shift ;;
        -h|--help) sed -n '2,23p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        -*) echo "unknown option: $1" >&2; exit 2 ;;
        *) program=$1; shift ;;
    esac
done
[[ "$runs" =~ ^[1-9][0-9]*$ ]] || { echo "--runs needs a positive number, not \"$runs\"" >&2; exit 2; }
[[ -x "$program" ]] || { echo "no program at $program (build it first)" >&2; exit 2; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")

# Debian puts games in /usr/games, which is not always on the path.
find_kpat() { PATH="$PATH:/usr/games" command -v kpat || true; }

if [[ -z "${DRAVICOR_BENCH_IN_XVFB:-}" ]]; then
    for tool in xvfb-run xdotool; do
        command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 2; }
    done
    if ((compare_kpat)) && [[ -z "$(find_kpat)" ]]; then
        sudo=()
        [[ $(id -u) -ne 0 ]] && sudo=(sudo)
        echo "Installing kpat for the comparison ..."
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends kpat >/dev/null
    fi
    DRAVICOR_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" \
        --runs "$runs" $( ((compare_kpat)) && echo --compare-kpat) "$program"
fi

# From here on the script runs inside the X server.
export QT_QPA_PLATFORM=xcb
scratch=$(mktemp -d -t dravicor-bench.XXXXXX)
pid=""
cleanup() {
    [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# The generated files of the program directory, shared by link; DATA/ is the
# scratch folder's own.
built=$(dirname "$program")
[[ -e "$built/GAMES.DAT" ]] || built="$built/../share/dravicor"
mkdir -p "$scratch/program/DATA"
for item in GAMES.DAT KVR.RGF Images SOUNDS Demos HELP; do
    [[ -e "$built/$item" ]] && ln -s "$built/$item" "$scratch/program/$item"
done

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

times=()
: >"$scratch/phases"
for ((i = 1; i <= runs; i++)); do
    timeout 60 "$program" --program-dir "$scratch/program" --startup-time >"$scratch/report" 2>"$scratch/stderr" || {
        echo "run $i failed:" >&2
        cat "$scratch/stderr" >&2
        exit 1
    }
    ms=$(awk '$1 == "total" { print $2 }' "$scratch/report")
    [[ "$ms" =~ ^[0-9]+$ ]] || { echo "run $i reported no total:" >&2; cat "$scratch/report" >&2; exit 1; }
    times+=("$ms")
    cat "$scratch/report" >>"$scratch/phases"
done
mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
echo "dravicor start-up to the first painted deal, ${#sorted[@]} runs: min ${sorted[0]} ms, median $(printf '%s\n' "${times[@]}" | median) ms"
echo "  (all runs: ${times[*]})"
echo "  median per phase:"
# The phases in the order the program reports them.
for phase in $(awk '!seen[$1]++ { print $1 }' "$scratch/phases"); do
    [[ "$phase" == total ]] && continue
    printf '    %-18s %4s ms\n' "$phase" "$(awk -v p="$phase" '$1 == p { print $2 }' "$scratch/phases" | median)"
done

# Resident memory of a running process, in kB.
rss_of() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# Waits until the process shows a window and then for the given seconds
# more, so that what start-up loads is counted.
wait_for_window() {
    local process=$1 settle=$2
    timeout 30 xdotool search --sync --onlyvisible --pid "$process" >/dev/null ||
        { echo "no window of process $process within 30 seconds" >&2; return 1; }
    sleep "$settle"
}

# Memory of a program left running: with the arguments given.
measure_memory() {
    local what=$1
    shift
    "$program" --program-dir "$scratch/program" "$@" >"$scratch/program.log" 2>&1 &
    pid=$!
    wait_for_window "$pid" 3
    # The caption carries the deal's number once it is dealt.
    window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    echo "dravicor resident memory $what: $(rss_of "$pid") kB  (window: \"$(xdotool getwindowname "$window")\")"
    kill -TERM "$pid"
    wait "$pid" || true
    pid=""
}
measure_memory "after the first deal" --number 1
measure_memory "with the open-game dialog"

if ((compare_kpat)); then
    # kpat keeps its settings in the home folder: a scratch one.
    mkdir -p "$scratch/home"
    HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share" \
        dbus-run-session -- "$(find_kpat)" >"$scratch/kpat.log" 2>&1 &
    launcher=$!
    # dbus-run-session starts kpat as its child.
    for _ in $(seq 100); do
        pid=$(pgrep -P "$launcher" -x kpat || true)
        [[ -n "$pid" ]] && break
        sleep 0.1
    done
    [[ -n "$pid" ]] || { echo "kpat did not start:" >&2; cat "$scratch/kpat.log" >&2; exit 1; }
    wait_for_window "$pid" 3
    window=$(xdotool search --onlyvisible --pid "$pid" | head -n 1)
    echo "kpat resident memory after start-up: $(rss_of "$pid") kB  (window: \"$(xdotool getwindowname "$window")\")"
    kill -TERM "$pid"
    wait "$launcher" 2>/dev/null || true
    pid=""
fi
