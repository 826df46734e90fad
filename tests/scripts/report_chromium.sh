#!/usr/bin/env bash
# The teachers' report over the committed class logs, opened in a real
# browser (Debian's headless chromium): the page it parses holds the class
# table and a section per learner, it renders to a picture, and it prints
# on A4 with every learner on pages of their own.
set -u
build=$1
source_dir=$2
command -v chromium > /dev/null || { echo "report_chromium: no chromium"; exit 77; }
[ -x "$build/tools/quorila-report" ] || { echo "report_chromium: no quorila-report in $build/tools"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "report_chromium: $*"; exit 1; }

"$build/tools/quorila-report" "$source_dir/tests/report/data/klasse" -o "$work/bericht.html" 2> "$work/problems" ||
  fail "quorila-report ended with $?"
browse() {
  timeout 120 chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile-$1" "${@:2}" "file://$work/bericht.html" \
    2> "$work/chromium-$1.log"
}
browse dom --dump-dom > "$work/dom.html" || fail "chromium could not open the page"
rows=$(grep -c '<tr class="learner">' "$work/dom.html")
sections=$(grep -c '<section class="learner">' "$work/dom.html")
[ "$rows" -eq 3 ] && [ "$sections" -eq 3 ] || fail "the browser sees $rows class rows and $sections learner sections, not 3 and 3"
grep -q '<svg class="timeline"' "$work/dom.html" || fail "no chart in the browser's page"

browse shot --screenshot="$work/shot.png" --window-size=900,1400 > /dev/null
[ -s "$work/shot.png" ] || fail "no screenshot"
if command -v pngcheck > /dev/null; then pngcheck -q "$work/shot.png" || fail "pngcheck rejects the screenshot"; fi

browse pdf --print-to-pdf="$work/bericht.pdf" --no-pdf-header-footer > /dev/null
[ -s "$work/bericht.pdf" ] || fail "no PDF printed"
if command -v pdfinfo > /dev/null; then
  info=$(pdfinfo "$work/bericht.pdf")
  printf '%s\n' "$info" | grep -Eq '^Page size: +59[45]\.[0-9]+ x 84[12]\.[0-9]+ pts \(A4\)' ||
    fail "not printed on A4: $(printf '%s\n' "$info" | grep '^Page size')"
  pages=$(printf '%s\n' "$info" | sed -n 's/^Pages: *//p')
  [ "$pages" -ge 4 ] || fail "$pages pages printed: the class and three learners need at least 4"
  echo "report_chromium: 3 learners in the browser, $pages A4 pages printed"
fi
