#!/usr/bin/env bash
# Read-only folders: an installation, a copy of the build's program folder
# and a program folder given on the command line are never written to (the
# records go to the user's data folder), and a user's data folder that
# cannot be written is reported once while the game still plays.
#
#   read_only_folders.sh BUILD_DIR SCRATCH_DIR
#
# Folders are made read-only by read-only bind mounts in a user namespace
# (root would write through mere permission bits); where that is not
# allowed, a user other than root falls back on the permission bits. Exit
# status 77: neither works, the check was skipped.
set -euo pipefail

build=${1:?usage: read_only_folders.sh BUILD_DIR SCRATCH_DIR}
scratch=${2:?usage: read_only_folders.sh BUILD_DIR SCRATCH_DIR}
rm -rf "$scratch"
mkdir -p "$scratch/probe"
fail() { echo "FAIL: $*" >&2; exit 1; }

# read_only "DIR..." COMMAND...: runs the command with the folders read-only.
mount_read_only() {
    local dirs=$1
    shift
    unshare --map-root-user --mount -- bash -c '
        for dir in $1; do
            mount --bind "$dir" "$dir" && mount -o remount,bind,ro "$dir" "$dir" || exit 97
        done
        shift
        exec "$@"' bash "$dirs" "$@"
}
chmod_read_only() {
    local dirs=$1 status=0
    shift
    # shellcheck disable=SC2086
    chmod -R a-w $dirs
    "$@" || status=$?
    # shellcheck disable=SC2086
    chmod -R u+w $dirs
    return "$status"
}
mounts=0
if mount_read_only "$scratch/probe" true 2>/dev/null &&
    ! mount_read_only "$scratch/probe" touch "$scratch/probe/x" 2>/dev/null; then
    read_only() { mount_read_only "$@"; }
    mounts=1
elif [[ $(id -u) -ne 0 ]]; then
    read_only() { chmod_read_only "$@"; }
else
    echo "skipped: no way to make a folder read-only for root here"
    exit 77
fi

prefix=$scratch/installed
cmake --install "$build" --prefix "$prefix" >/dev/null
copy=$scratch/copy
mkdir -p "$copy/DATA"
cp -r "$build/dravicor/dravicor" "$build/dravicor/dravicor-cli" "$build/dravicor/GAMES.DAT" \
    "$build/dravicor/KVR.RGF" "$build/dravicor/Images" "$build/dravicor/SOUNDS" "$copy/"
export QT_QPA_PLATFORM=offscreen
export HOME=$scratch/home
user_data=$scratch/user
mkdir -p "$user_data" "$HOME"
export XDG_DATA_HOME=$user_data

# The state of a folder: every path with its size and time of change.
state() { find "$1" -printf '%p %s %C@\n' | sort; }
plays() {  # COMMAND...: a deal dealt and given up, recorded in the log
    printf 'quit\n' | read_only "$prefix $copy" "$@" play 0 77 >"$scratch/play.out" 2>"$scratch/play.err" ||
        fail "$* play failed: $(cat "$scratch/play.err")"
    grep -qx '\.' "$scratch/play.out" || fail "$* did not play: $(cat "$scratch/play.out")"
}

before_prefix=$(state "$prefix")
before_copy=$(state "$copy")
plays "$prefix/bin/dravicor-cli"
plays "$copy/dravicor-cli"
plays "$prefix/bin/dravicor-cli" --program-dir "$prefix/share/dravicor"
read_only "$prefix $copy" "$prefix/bin/dravicor" --startup-time >"$scratch/startup.txt" 2>"$scratch/startup.err" ||
    fail "the desktop program did not come up from a read-only installation: $(cat "$scratch/startup.err")"
[[ "$(state "$prefix")" == "$before_prefix" ]] || fail "the read-only installation was changed"
[[ "$(state "$copy")" == "$before_copy" ]] || fail "the read-only program folder was changed"
! grep -q '^message:' "$scratch/play.out" || fail "a message about folders: $(cat "$scratch/play.out")"
deals=$("$prefix/bin/dravicor-cli" log | wc -l)
[[ "$deals" -eq 3 ]] || fail "the user's data folder holds $deals deals, not 3"

# A user's data folder that cannot be written: told once, played, nothing written.
rm -rf "$user_data"/*
mkdir -p "$user_data/dravicor/DATA"
before_user=$(state "$user_data")
printf 'stock\nquit\n' | read_only "$user_data" "$prefix/bin/dravicor-cli" play 0 78 >"$scratch/play.out" \
    2>"$scratch/play.err" || fail "no game without a writable data folder: $(cat "$scratch/play.err")"
# The play session prints the game's messages among its answers.
told=$(grep -c "^message: Unable to write to $user_data/dravicor/DATA" "$scratch/play.out" || true)
[[ "$told" -eq 1 ]] || fail "the player was told $told times: $(cat "$scratch/play.out")"
[[ $(grep -c '^message:' "$scratch/play.out") -eq 1 ]] || fail "more messages: $(cat "$scratch/play.out")"
[[ $(grep -cx '\.' "$scratch/play.out") -ge 2 ]] || fail "the game did not answer: $(cat "$scratch/play.out")"
[[ "$(state "$user_data")" == "$before_user" ]] || fail "the read-only data folder was changed"

# A full disk: a small file system filled up before the program starts.
if ((mounts)); then
    full=$scratch/full
    mkdir -p "$full"
    printf 'quit\n' | unshare --map-root-user --mount -- bash -c '
        mount -t tmpfs -o size=64k tmpfs "$1" || exit 97
        mkdir -p "$1/dravicor/DATA"
        dd if=/dev/zero of="$1/filler" bs=4k 2>/dev/null
        XDG_DATA_HOME=$1 "$2" play 0 79' bash "$full" "$prefix/bin/dravicor-cli" >"$scratch/play.out" 2>&1 ||
        fail "no game on a full disk: $(cat "$scratch/play.out")"
    told=$(grep -c "^message: Unable to write to $full/dravicor/DATA" "$scratch/play.out" || true)
    [[ "$told" -eq 1 && $(grep -c '^message:' "$scratch/play.out") -eq 1 ]] ||
        fail "on a full disk the player was told: $(cat "$scratch/play.out")"
fi
echo "ok: read-only folders are never written to, a read-only or full data folder is reported once"
