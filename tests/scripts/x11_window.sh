#!/usr/bin/env bash
# A real window on the SDL back end under an X server: its client area shows
# exactly the presented pixels (read back with xwd), and a click and a key
# sent by xdotool arrive as platform messages.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools xwd xdotool python3
screen_script x11_window
out=$work/out
# shows_quarters DUMP: the window dump shows the four presented quarters.
shows_quarters() {
  python3 - "$source_dir/tests/scripts" "$1" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
shot = Dump(sys.argv[2])
assert (shot.width, shot.height) == (200, 120), (shot.width, shot.height)
expect = {(10, 10): (255, 0, 0), (190, 10): (0, 255, 0), (10, 110): (0, 0, 255), (190, 110): (255, 255, 0),
          (99, 59): (255, 0, 0), (100, 60): (255, 255, 0)}
for (x, y), rgb in expect.items():
    assert shot.at(x, y) == rgb, f"pixel {x},{y} is {shot.at(x, y)}, expected {rgb}"
print("client area shows the presented pixels")
PY
}

# The test command's display where there is one, else a screen of its own.
size=1280x1024
[ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry > /dev/null 2>&1 && size=""
open_on_screen "$size" vqwindow_check "$out" env VQ_PLATFORM=sdl "$build/tools/vqwindow_check" 60
case $? in
  0) id=$window_id ;;
  77) echo "no X display and Xvfb did not start: skipped"; exit 77 ;;
  *) exit 1 ;;
esac
until_shown "-id $id" "$out.xwd" shows_quarters || exit 1
xdotool mousemove --window "$id" 30 20 click 1
xdotool key --window "$id" Return
wait_for_line "$out" '^key 10 down$' "$program" > /dev/null
xdotool key --window "$id" Escape
wait $program
status=$?
program=""
cat "$out"
grep -q '^window 200x120$' "$out" || { echo "client size wrong"; exit 1; }
grep -q '^button 1 down at 30,20$' "$out" || { echo "click not received"; exit 1; }
grep -q '^key 10 down$' "$out" || { echo "Enter not received as key 10"; exit 1; }
grep -q '^key 27 down$' "$out" || { echo "Escape not received"; exit 1; }
exit $status
