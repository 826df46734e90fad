#!/usr/bin/env bash
# Makes the README's picture of the teachers' report: the report over the
# committed class logs, photographed by Debian's headless chromium.
#   bash tools/report/report_shot.sh build/release docs/pictures/report.png
set -eu
build=$1
out=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/tools/quorila-report" "$(dirname "$0")/../../tests/report/data/klasse" -o "$work/bericht.html" 2> /dev/null
chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
  --disable-component-update --disable-sync --hide-scrollbars --user-data-dir="$work/profile" \
  --screenshot="$(realpath "$out")" --window-size=900,1320 "file://$work/bericht.html" 2> /dev/null
