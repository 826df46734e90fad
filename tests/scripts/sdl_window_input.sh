#!/usr/bin/env bash
# A window of the platform layer on an X screen of its own, played by
# xdotool: every key of the key table arrives with its toolkit code, typed
# text as Latin-1 characters (Enter, Space, Tab and Escape only as keys),
# wheel and double clicks at client positions, two quick clicks far apart
# stay two clicks, a Latin-1 title reaches the desktop as UTF-8, a move is
# reported, and after the window was unmapped and mapped again (nothing
# keeps its pixels on this server) the back end shows the picture again
# without the program drawing.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool xwd python3
screen_script sdl_window_input
# shows_pattern DUMP: the window shows the presented squares (after it was
# mapped again nothing keeps its pixels but the back end's own copy).
shows_pattern() {
  python3 - "$source_dir/tests/scripts" "$1" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
shot = Dump(sys.argv[2])
assert (shot.width, shot.height) == (300, 200), (shot.width, shot.height)
def color(x, y):
    bx, by = x // 32, y // 32
    return ((bx * 37 + 40) & 255, (by * 53 + 20) & 255, ((bx + by) * 29) & 255)
bad = [(x, y) for y in range(0, 200, 3) for x in range(0, 300, 3) if shot.at(x, y) != color(x, y)]
assert not bad, f"{len(bad)} pixels wrong after the window was mapped again, first {bad[:3]}"
PY
}
rc=0
open_on_screen 1280x1024 vqplatform_check "$work/out" \
  env VQ_PLATFORM=sdl "$build/tools/vqplatform_check" 300 200 90 || rc=$?
[ "$rc" -eq 77 ] && { echo "Xvfb did not start: skipped"; exit 77; }
[ "$rc" -eq 0 ] || exit 1
id=$window_id
# focus_window X Y: gives the window the keyboard and waits until the
# program has been told (SDL settles a focus change a moment later).
focus_window() {
  xdotool mousemove --window "$id" "$1" "$2" windowfocus --sync "$id"
  for _ in $(seq 600); do
    [ "$(grep -E '^(un)?focus$' "$work/out" | tail -n 1)" = focus ] && return 0
    sleep 0.05
  done
  echo "the window never got the keyboard"
  exit 1
}
focus_window 100 80
xdotool key Return KP_Enter space Tab Left Right Up Down F1 F3 F4 F5 F12 Insert Home End Prior Next Delete \
  Control_L Shift_L Alt_L BackSpace ctrl+c ctrl+v
# Characters off the keymap are typed one at a time: xdotool binds each to a
# spare key for the moment it is pressed, and a client that reads the key
# after the binding was undone (a busy machine) sees nothing. Each is given
# until the program has it; the euro sign, not Latin-1, types nothing.
xdotool type a9
wait_for_line "$work/out" '^char 57$' "$program" > /dev/null
for c in ä:228 ÿ:255 é:233; do
  for _ in 1 2 3; do
    before=$(grep -c "^char ${c#*:}\$" "$work/out")
    xdotool type --delay 150 "${c%:*}"
    for _ in $(seq 100); do
      [ "$(grep -c "^char ${c#*:}\$" "$work/out")" -gt "$before" ] && break 2
      sleep 0.05
    done
  done
done
xdotool type --delay 150 €
xdotool key F2
xdotool click 4 click 5
xdotool click --repeat 2 --delay 60 1
# Well after the double click, so that these two count as single clicks.
sleep 0.6
xdotool mousemove --window "$id" 20 150 click 1 mousemove --window "$id" 30 150 click 1
title=""
for _ in $(seq 600); do
  title=$(xdotool getwindowname "$id")
  [ "$title" = "Grüße" ] && break
  sleep 0.05
done
xdotool windowmove --sync "$id" 200 150
wait_for_line "$work/out" '^move 200,150$' "$program" > /dev/null
xdotool windowunmap --sync "$id"
xdotool windowmap --sync "$id"
until_shown "-id $id" "$work/window.xwd" shows_pattern || exit 1
wait_for_line "$work/out" '^button 1 up at 30,150$' "$program" > /dev/null
# Mapped again, the window gets the keyboard back, but whether the program
# hears of both changes depends on how quickly they follow each other:
# Escape is given until the program ends.
xdotool mousemove --window "$id" 10 10 windowfocus --sync "$id"
for _ in $(seq 60); do
  xdotool key Escape
  for _ in $(seq 10); do
    kill -0 "$program" 2> /dev/null || break 2
    sleep 0.05
  done
done
wait "$program"
status=$?
program=""
cat "$work/out"
[ "$status" -eq 0 ] || { echo "ended with $status"; exit 1; }
[ "$title" = "Grüße" ] || { echo "title shows as '$title'"; exit 1; }
python3 - "$source_dir/tests/scripts" "$work/out" "$source_dir/toolkit/platform/vqkeys.h" << 'PY'
import re, sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
lines = open(sys.argv[2]).read().splitlines()
# The toolkit's key codes by name (ENTER, F2, CONTROL_C ...), from its one key list.
K, value = {}, -1
for name, given in re.findall(r'\bVQ(?:KEY|CHAR)_(\w+)(?:\s*=\s*(\d+))?', re.sub(r'//.*', '', open(sys.argv[3]).read())):
    value = int(given) if given else value + 1
    K[name] = value
keys = [int(l.split()[1]) for l in lines if l.startswith('key ') and l.endswith(' down')]
chars = [int(l.split()[1]) for l in lines if l.startswith('char ')]
want_keys = [K[n] for n in ('ENTER ENTER SPACE TAB LEFT RIGHT UP DOWN F1 F3 F4 F5 F12 INSERT HOME END PAGEUP '
                            'PAGEDOWN DELETE CONTROL SHIFT ALT').split()]
assert keys[:len(want_keys)] == want_keys, f"keys {keys}"
assert K['F2'] in keys and keys[-1] == K['ESCAPE'], f"keys {keys}"
assert chars == [K['BACKSPACE'], K['CONTROL_C'], K['CONTROL_V'], ord('a'), ord('9'), 0xE4, 0xFF, 0xE9], f"characters {chars}"
def after(prefix):
    return [l for l in lines if l.startswith(prefix)]
assert after('wheel') == ['wheel +1 at 100,80', 'wheel -1 at 100,80'], after('wheel')
assert after('double') == ['double 1 at 100,80'], after('double')
far = [l for l in after('button 1 down') if l.endswith(',150')]
assert far == ['button 1 down at 20,150', 'button 1 down at 30,150'], far
assert 'move 200,150' in lines, after('move')
assert 'focus' in lines and lines.index('activate') < lines.index('focus'), 'activation before focus'
print("keys, characters, wheel, clicks, title, move and expose as expected")
PY
