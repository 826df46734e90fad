#!/usr/bin/env bash
# The panel demo on the SDL back end under X (Xvfb):
#  - on the test display (1280 x 1024) a click at a known client position
#    draws the demo's red cross centred on that client pixel, read back from
#    the window with xwd; a click in the main panel likewise; Escape ends the
#    demo with status 0;
#  - on a 1024 x 600 screen of its own the 1305 x 915 window is shown scaled
#    to fit, and a click given in screen pixels reaches the client pixel under
#    it: the demo says which, and its own screenshot (read back at client
#    resolution) has the cross there;
#  - without any display the demo ends at once with status 1 and one line
#    that names VQ_PLATFORM=headless.
set -u
build=$1
source_dir=$2
demo=$build/tools/panel_demo
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool xwd python3 pngtopnm
screen_script demo_window

# start_demo TITLE ARGS...: runs the demo in the background until it says
# its window shows, and sets $id to the window's X id.
start_demo() {
  local title=$1
  shift
  VQ_PLATFORM=sdl "$demo" "$@" > "$work/out" 2>&1 &
  program=$!
  id=""
  for _ in $(seq 200); do
    grep -q '^window ' "$work/out" && id=$(xdotool search --name "^$title\$" 2> /dev/null | head -n 1)
    [ -n "$id" ] && return 0
    kill -0 "$program" 2> /dev/null || break
    sleep 0.1
  done
  echo "the demo's window did not appear"
  cat "$work/out"
  exit 1
}

# wait_line TEXT: waits until the demo has printed this line.
wait_line() {
  for _ in $(seq 200); do
    grep -qx "$1" "$work/out" && return 0
    sleep 0.1
  done
  echo "the demo did not print '$1'"
  cat "$work/out"
  exit 1
}

finish_demo() {
  # The key's release may find the window gone already: that is the point.
  xdotool key --window "$id" Escape 2> /dev/null
  local status=0
  wait "$program" || status=$?
  program=""
  [ "$status" -eq 0 ] || { echo "Escape ended the demo with status $status"; cat "$work/out"; exit 1; }
}

# looks before DUMP: the window shows the demo's panels and no cross yet;
# looks after BEFORE DUMP: the two crosses are there, centred on the clicked
# pixels, and nothing beside them changed.
looks() {
  python3 - "$source_dir/tests/scripts" "$@" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
mode, shot = sys.argv[2], Dump(sys.argv[-1])
assert (shot.width, shot.height) == (640, 480), (shot.width, shot.height)
red = (255, 0, 0)
assert shot.at(600, 10) == (216, 216, 216), f"main panel background is {shot.at(600, 10)}"
for cx, cy in [(150, 240), (600, 465)]:
    cross = [(cx + d, cy) for d in range(-5, 6)] + [(cx, cy + d) for d in range(-5, 6)]
    if mode == 'before':
        assert shot.at(cx, cy) != red, f"{cx},{cy} is red before the click"
        continue
    before = Dump(sys.argv[3])
    wrong = [(x, y, shot.at(x, y)) for x, y in cross if shot.at(x, y) != red]
    assert not wrong, f"cross at {cx},{cy}: not red at {wrong[:4]}"
    for x, y in [(cx + 7, cy), (cx, cy - 7), (cx + 2, cy + 2)]:
        assert shot.at(x, y) == before.at(x, y), f"{x},{y} changed though it is off the cross"
PY
}

echo "--- a click lands on its client pixel (the test display)"
if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry > /dev/null 2>&1; then
  start_screen 1280x1024 || { echo "no X display and Xvfb did not start: skipped"; exit 77; }
fi
start_demo "panel demo" --window "panel demo,x=40,y=30,xs=640,ys=480,bgcolor=d8d8d8"
wait_line "window 640 480"
until_shown "-id $id" "$work/before.xwd" looks before || exit 1
xdotool mousemove --window "$id" 150 240 click 1
wait_line "click 150 240"
xdotool mousemove --window "$id" 600 465 click 1
wait_line "click 600 465"
until_shown "-id $id" "$work/after.xwd" looks after "$work/before.xwd" || exit 1
finish_demo
echo "both crosses are centred on the clicked client pixels"

echo "--- scaled to fit a 1024 x 600 screen"
start_screen 1024x600 || { echo "Xvfb did not start for the small screen: skipped"; exit 77; }
start_demo "panel demo big" --window "panel demo big,x=0,y=0,xs=1305,ys=915,bgcolor=d8d8d8" --shot "$work/shot.png"
wait_line "window 1305 915"
eval "$(xdotool getwindowgeometry --shell "$id")"
echo "the 1305 x 915 window is shown $WIDTH x $HEIGHT at $X,$Y"
# The screen pixel that shows client pixel (400, 500), and the client pixel
# whose centre lies nearest to it (what the click must reach).
set -- $(python3 -c "
w, h, X, Y, W, H = 1305, 915, $X, $Y, $WIDTH, $HEIGHT
assert W < w and H < h and X + W <= 1024 and Y + H <= 600, (W, H, X, Y)
assert abs(W * h - H * w) <= max(w, h), 'aspect not kept'
sx, sy = X + (2 * 400 + 1) * W // (2 * w), Y + (2 * 500 + 1) * H // (2 * h)
print(sx, sy, (2 * (sx - X) + 1) * w // (2 * W), (2 * (sy - Y) + 1) * h // (2 * H))") || exit 1
echo "screen pixel $1,$2 should reach client pixel $3,$4"
rm -f "$work/shot.png"
xdotool mousemove "$1" "$2" click 1
wait_line "click $3 $4"
finish_demo
pngtopnm "$work/shot.png" > "$work/shot.ppm" || { echo "the demo's screenshot is no PNG that netpbm reads"; exit 1; }
python3 - "$work/shot.ppm" "$3" "$4" << 'PY' || exit 1
import sys
magic, size, depth, pixels = open(sys.argv[1], 'rb').read().split(b'\n', 3)
w, h = map(int, size.split())
assert (magic, w, h, depth) == (b'P6', 1305, 915, b'255'), (magic, w, h, depth)
at = lambda x, y: tuple(pixels[3 * (y * w + x):3 * (y * w + x) + 3])
cx, cy = int(sys.argv[2]), int(sys.argv[3])
cross = [(cx + d, cy) for d in range(-5, 6)] + [(cx, cy + d) for d in range(-5, 6)]
wrong = [(x, y, at(x, y)) for x, y in cross if at(x, y) != (255, 0, 0)]
assert not wrong, f"cross at {cx},{cy}: not red at {wrong[:4]}"
assert at(cx + 7, cy) != (255, 0, 0)
print(f"the click reached client pixel {cx},{cy} and the cross is there")
PY

echo "--- no display at all"
out=$(env -u DISPLAY -u WAYLAND_DISPLAY VQ_PLATFORM=sdl timeout 20 "$demo" 2> /dev/null)
status=$?
echo "$out"
[ "$status" -eq 1 ] || { echo "ended with status $status instead of 1"; exit 1; }
[ "$(grep -c . <<< "$out")" -eq 1 ] && grep -q 'VQ_PLATFORM=headless' <<< "$out" ||
  { echo "expected one line on standard output naming VQ_PLATFORM=headless"; exit 1; }
echo "demo window test passed"
