# Shared by the scripts that drive the desktop program under a virtual X
# server; sourced, not run.

# enter_xvfb MARKER TOOL... -- SCRIPT ARGS...: unless already inside (the
# MARKER variable set), checks that every tool is installed (exit 77, a
# skipped test, when one is missing) and runs the script again inside a
# fresh X server.
enter_xvfb() {
    local marker=$1
    shift
    [[ -n "${!marker:-}" ]] && return 0
    while [[ "$1" != "--" ]]; do
        if ! command -v "$1" >/dev/null; then
            echo "SKIPPED: $1 is not installed"
            exit 77
        fi
        shift
    done
    shift
    export "$marker=1"
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
}

# Reports the failure with the program's output ($log) and ends the test.
fail() {
    echo "FAILED: $*"
    [[ -s "${log:-}" ]] && { echo "--- program output:"; cat "$log"; }
    exit 1
}

# find_window SECONDS PATTERN: prints the first visible window whose title
# matches, waiting up to SECONDS. A search can fail on a window that closes
# while it looks (the program's short-lived windows at start-up), so it is
# asked again until the time is up rather than once with --sync.
find_window() {
    local deadline=$((SECONDS + $1)) found=""
    while [[ -z "$found" && $SECONDS -lt $deadline ]]; do
        found=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -n 1) || true
        [[ -n "$found" ]] || sleep 0.2
    done
    echo "$found"
}
