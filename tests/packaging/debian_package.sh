#!/usr/bin/env bash
# The Debian package: built by CPack from the build, unpacked into a
# scratch root, both programs started from there, and lintian without
# errors or warnings.
#
#   debian_package.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail

build=${1:?usage: debian_package.sh BUILD_DIR SCRATCH_DIR}
scratch=${2:?usage: debian_package.sh BUILD_DIR SCRATCH_DIR}
rm -rf "$scratch"
mkdir -p "$scratch"
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/cpack" >"$scratch/cpack.log" 2>&1) || fail "cpack: $(tail "$scratch/cpack.log")"
deb=$(find "$scratch/cpack" -maxdepth 1 -name 'dravicor_*.deb')
[[ -f "$deb" ]] || fail "cpack made no package: $(tail "$scratch/cpack.log")"

# The dependencies were computed from the libraries the programs use.
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6widgets6 libstdc++6; do
    grep -q "\b$library\b" <<<"$depends" || fail "Depends lacks $library: $depends"
done

root=$scratch/root
dpkg-deb -x "$deb" "$root"
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data QT_QPA_PLATFORM=offscreen
games=$("$root/usr/games/dravicor-cli" games)
[[ "$(head -n 1 <<<"$games")" == "0 5 Klondike" ]] || fail "dravicor-cli games printed: $(head -n 3 <<<"$games")"
[[ -f "$XDG_DATA_HOME/dravicor/DATA/CFG.DAT" ]] || fail "the unpacked dravicor-cli kept no preferences"
"$root/usr/games/dravicor" --program-dir "$root/usr/share/dravicor" --startup-time >"$scratch/startup.txt" \
    2>"$scratch/startup.err" || fail "the unpacked dravicor did not come up: $(cat "$scratch/startup.err")"
grep -q '^total [0-9]' "$scratch/startup.txt" || fail "no start-up report: $(cat "$scratch/startup.txt")"

# Status 1 means it found errors; anything higher that lintian itself failed.
status=0
lintian --no-tag-display-limit "$deb" >"$scratch/lintian.txt" 2>&1 || status=$?
((status <= 1)) || fail "lintian did not run: $(cat "$scratch/lintian.txt")"
if grep -E '^[EW]: ' "$scratch/lintian.txt"; then
    fail "lintian found errors or warnings"
fi
echo "ok: $(basename "$deb") unpacks and runs, lintian finds no error or warning"
