#!/usr/bin/env bash
# The series preview tool as a teacher runs it: no display, one line per task,
# the same lines for the same seed, and exit status 2 for every bad call.
set -u
tool=$1/tools/quorila-series
[ -x "$tool" ] || { echo "quorila-series not built"; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY VQ_PLATFORM=sdl "$tool" "$@"; }
fail=0

a=$(run --level 9 --difficulty 3 --tasks 24 --seed 1733000000) || { echo "quiz form failed"; fail=1; }
b=$(run --level 9 --difficulty 3 --tasks 24 --seed 1733000000)
[ "$a" = "$b" ] || { echo "same seed gave other lines"; fail=1; }
c=$(run --level 9 --difficulty 3 --tasks 24 --seed 1733000001)
[ "$a" != "$c" ] || { echo "another seed gave the same lines"; fail=1; }
d=$(run --code 3207 --seed 42 --tasks 5) || { echo "code form failed"; fail=1; }

python3 - "$a" "$d" <<'PY' || fail=1
import re, sys
line = re.compile(r'^t=(\d+) code=(\d+) series=(-?\d+(?:,-?\d+){8}) hidden=([1-9]) '
                  r'solution=(-?\d+) choices=(-?\d+(?:,-?\d+){5})$')
def check(text, tasks, codes):
    rows = text.split('\n')
    assert len(rows) == tasks, (len(rows), tasks)
    for t, row in enumerate(rows, 1):
        m = line.match(row)
        assert m, row
        assert int(m.group(1)) == t, row
        assert codes(int(m.group(2))), row
        series = [int(v) for v in m.group(3).split(',')]
        hidden, sol = int(m.group(4)), int(m.group(5))
        choices = [int(v) for v in m.group(6).split(',')]
        assert series[hidden - 1] == sol, row
        assert sol in choices, row
check(sys.argv[1], 24, lambda c: c // 100 == 93)
check(sys.argv[2], 5, lambda c: c == 3207)
PY

expect2() {
  run "$@" > /dev/null 2> /tmp/quorila_series_err.$$
  rc=$?
  lines=$(wc -l < /tmp/quorila_series_err.$$)
  if [ $rc -ne 2 ] || [ "$lines" -ne 1 ]; then
    echo "expected exit 2 and one line for: $* (got $rc, $lines lines)"; fail=1
  fi
}
expect2
expect2 --level 3 --difficulty 2 --tasks 4
expect2 --level 13 --difficulty 1 --tasks 4 --seed 1
expect2 --level 3 --difficulty 0 --tasks 4 --seed 1
expect2 --level 3 --difficulty 1 --tasks 25 --seed 1
expect2 --level 3 --difficulty 1 --tasks x --seed 1
expect2 --code 3299 --seed 1
expect2 --code 3207 --level 3 --seed 1
expect2 --seed 1 --frobnicate 3
expect2 --seed
rm -f /tmp/quorila_series_err.$$
run --help | grep -q 'quorila-series --code' || { echo "--help does not explain the forms"; fail=1; }
[ $fail -eq 0 ] && echo "quorila-series: all checks passed"
exit $fail
