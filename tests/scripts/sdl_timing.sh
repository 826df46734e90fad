#!/usr/bin/env bash
# On the real back end sleeping is real: vqwait(0.5) takes half a second and
# an idle event loop does not spin.
set -u
build=$1
out=$(VQ_PLATFORM=sdl "$build/tools/bench_frame" 3)
echo "$out"
python3 - << PY
import re, sys
out = """$out"""
waits = [float(m) for m in re.findall(r'vqwait\(0.5\) took ([0-9.]+) ms', out)]
cpu = float(re.search(r'idle vqwaitevent loop: ([0-9.]+) %', out).group(1))
assert len(waits) == 5, waits
# Generous bounds: this runs beside other tests on a loaded machine.
assert all(470 <= w <= 560 for w in waits), waits
assert cpu < 5.0, cpu
PY
