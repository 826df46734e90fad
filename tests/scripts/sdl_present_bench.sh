#!/usr/bin/env bash
# The presenting and idle benchmark on an X screen of its own that is too
# small for its 1280 x 720 window, so that presenting scales; then on a
# 3840 x 2160 screen the frame in a window maximised on 1920 x 1080 (under a
# title bar: a fractional factor), a fullscreen one there (1.5), one
# maximised on 3840 x 2160 (2.96) and a fullscreen one (a whole factor).
# The bounds are loose (this runs beside other tests on a shared machine); a
# sanitizer build only has to run it.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool python3
trap stop_screen EXIT
start_screen 1024x600 || { echo "Xvfb did not start: skipped"; exit 77; }
out=$(VQ_PLATFORM=sdl "$build/tools/bench_present" 2 20) || { echo "$out"; echo "benchmark failed"; exit 1; }
echo "$out"
if ! grep -q 'VQ_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2> /dev/null; then
python3 - "$out" << 'PY' || exit 1
import re, sys
out = sys.argv[1]
shown = re.search(r'shown at (\d+)x(\d+)', out).groups()
assert shown == ('1024', '576'), shown
# The processor time of this process, which other programs on a busy
# machine disturb far less than the wall time. Windows draw through SDL's
# plain X surface (shared memory), whose update alone costs a fraction of
# the scaling itself when the picture shrinks: measured 0.39 to 0.48 ms
# against 0.17 to 0.19 ms (2.2 to 2.6 times) on two cores shared with other builds.
ratio = float(re.search(r'per frame: [0-9.]+ ms against [0-9.]+ ms; ratio ([0-9.]+)', out).group(1))
idle = float(re.search(r'10 ms ticks: ([0-9.]+) %', out).group(1))
assert ratio < 4, f"presenting takes {ratio} times the processor time of SDL's own update"
assert idle < 3.0, f"an idle window takes {idle} % of a core"
PY
fi
start_screen 3840x2160 || { echo "Xvfb did not start for the large screen: skipped"; exit 77; }
out=$(VQ_PLATFORM=sdl "$build/tools/bench_present" 0 20 1920x1050 1920x1080 3840x2130 3840x2160) || { echo "$out"; echo "benchmark failed"; exit 1; }
echo "$out"
grep -q 'VQ_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2> /dev/null && exit 0
python3 - "$out" << 'PY'
import re, sys
ratios = re.findall(r'in a (\d+x\d+) window \(picture (\d+x\d+)\).*?processor time .*?ratio ([0-9.]+)', sys.argv[1])
assert [(r[0], r[1]) for r in ratios] == [('1920x1050', '1867x1050'), ('1920x1080', '1920x1080'),
                                         ('3840x2130', '3787x2130'), ('3840x2160', '3840x2160')], ratios
# The budget is 1.4 times; measured 1.04 to 1.27 for the fractional factors
# at 1920 x 1080, 0.53 to 0.60 at 3840 x 2160, whole factors 0.8 to 1.1, on
# two cores shared with other builds (load 10 to 16). The bound leaves room
# for a busier machine.
for size, picture, ratio in ratios:
    assert float(ratio) < 1.6, f"presenting at {size} takes {ratio} times the processor time of SDL's own update"
PY
