#!/usr/bin/env bash
# Windows of the platform layer on X screens of their own (Xvfb):
#  - 1305 x 915 on a 1024 x 600 screen is shown scaled to fit, aspect kept;
#    the screen shows the presented squares, and a click lands on the client
#    pixel under the pointer;
#  - the same window on a 1600 x 1200 screen is shown pixel for pixel;
#  - with VQ_SCALE=2 a 400 x 300 window is shown doubled.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool xwd python3
screen_script sdl_window_scaling

# shows_scaled SCREEN WIDTH HEIGHT EXPECT DUMP: the window $id is placed and
# sized as EXPECT says and the screen dump DUMP shows the presented squares
# through its scale; prints the screen point of a click and the client pixel
# it must reach.
shows_scaled() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$id")" || return 1
  python3 - "$source_dir/tests/scripts" "$5" "$1" "$2" "$3" "$X" "$Y" "$WIDTH" "$HEIGHT" "$4" "$work/out" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
screen = Dump(sys.argv[2])
sw, sh = map(int, sys.argv[3].split('x'))
w, h, X, Y, W, H = map(int, sys.argv[4:10])
expect, out = sys.argv[10], open(sys.argv[11]).read()
assert (screen.width, screen.height) == (sw, sh), (screen.width, screen.height)
assert f"window {w}x{h} shown {W}x{H}\n" in out, out
assert "readback matches\n" in out, out
assert X >= 0 and Y >= 0 and X + W <= sw and Y + H <= sh, f"{W}x{H} at {X},{Y} leaves the screen"
if expect == 'fit':
    assert W < w and H < h and (W == sw or H == sh), (W, H)
    assert abs(W * h - H * w) <= max(w, h), f"aspect of {W}x{H} is not that of {w}x{h}"
elif expect == 'exact':
    assert (W, H) == (w, h), (W, H)
else:
    assert (W, H) == (2 * w, 2 * h), (W, H)

def color(x, y):
    bx, by = x // 32, y // 32
    return ((bx * 37 + 40) & 255, (by * 53 + 20) & 255, ((bx + by) * 29) & 255)

def screen_of(cx, cy):   # the screen pixel that shows client pixel cx, cy
    return X + (2 * cx + 1) * W // (2 * w), Y + (2 * cy + 1) * H // (2 * h)

bad = []
if expect == 'exact':
    points = [(x, y) for y in range(0, h, 7) for x in range(0, w, 5)]
else:
    points = [(bx * 32 + 16, by * 32 + 16) for by in range(h // 32) for bx in range(w // 32)]
for cx, cy in points:
    px, py = screen_of(cx, cy)
    if screen.at(px, py) != color(cx, cy):
        bad.append((cx, cy, screen.at(px, py), color(cx, cy)))
assert not bad, f"{len(bad)} of {len(points)} points wrong, first {bad[:3]}"
print(f"{W}x{H} at {X},{Y}: {len(points)} points show the presented picture")
# A click on a screen pixel must reach the client pixel whose centre is nearest.
sx, sy = X + W * 37 // 100, Y + H * 61 // 100
ex, ey = (2 * (sx - X) + 1) * w // (2 * W), (2 * (sy - Y) + 1) * h // (2 * H)
print(sx, sy, ex, ey)
PY
}

# check SCREEN WIDTH HEIGHT VQ_SCALE EXPECT(fit|exact|double)
check() {
  local screen=$1 w=$2 h=$3 scale=$4 expect=$5
  echo "--- $w x $h on a $screen screen, VQ_SCALE=$scale"
  local id rc=0
  open_on_screen "$screen" vqplatform_check "$work/out" \
    env VQ_PLATFORM=sdl VQ_SCALE=$scale "$build/tools/vqplatform_check" "$w" "$h" 90 || rc=$?
  [ "$rc" -eq 77 ] && { echo "Xvfb did not start: skipped"; exit 77; }
  [ "$rc" -eq 0 ] || exit 1
  id=$window_id
  local click
  click=$(until_shown -root "$work/root.xwd" shows_scaled "$screen" "$w" "$h" "$expect") || { echo "$click"; exit 1; }
  echo "${click%$'\n'*}"
  set -- ${click##*$'\n'}
  xdotool mousemove "$1" "$2" click 1
  wait_for_line "$work/out" "^button 1 up at" "$program" > /dev/null || { echo "the click did not arrive"; exit 1; }
  xdotool key --window "$id" Escape
  wait "$program"
  local status=$?
  program=""
  cat "$work/out"
  [ "$status" -eq 0 ] || { echo "ended with $status"; exit 1; }
  grep -q "^button 1 down at $3,$4\$" "$work/out" || { echo "click at screen $1,$2 did not reach client $3,$4"; exit 1; }
  grep -q '^key 27 down$' "$work/out" || { echo "Escape not received"; exit 1; }
}

check 1024x600 1305 915 auto fit
check 1600x1200 1305 915 auto exact
check 1600x1200 400 300 2 double
echo "all windows shown and clicked as expected"
