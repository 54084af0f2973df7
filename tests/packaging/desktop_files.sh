#!/usr/bin/env bash
# The desktop integration files as the build made them: the desktop entry,
# the AppStream metainfo and the manual pages pass their validators.
#
#   desktop_files.sh BUILD_DIR
set -euo pipefail

build=${1:?usage: desktop_files.sh BUILD_DIR}
fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$build/packaging/example.dravicor.Dravicor.desktop
metainfo=$build/packaging/example.dravicor.Dravicor.metainfo.xml
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[[ -z "$report" ]] || fail "desktop-file-validate: $report"
grep -qx 'Categories=Game;CardGame;' "$desktop" || fail "the desktop entry is not in Game;CardGame;"
# Without the network: the home page is not fetched.
report=$(appstreamcli validate --no-net --explain "$metainfo" 2>&1) || fail "appstreamcli: $report"
grep -q "<release version=\"$(sed -n 's/^dravicor (\(.*\)).*/\1/p;q' "$(dirname "$0")/../../packaging/changelog")\"" \
    "$metainfo" || fail "the metainfo's release is not the changelog's"

for page in dravicor dravicor-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$build/man/$page.6" 2>&1 >/dev/null) ||
        fail "man $page: $warnings"
    [[ -z "$warnings" ]] || fail "man $page warns: $warnings"
done
echo "ok: desktop entry, metainfo and manual pages"
