#!/usr/bin/env bash
# A play-through of the game by keyboard alone on an X screen of its own
# (Xvfb, the SDL back end, keys by xdotool, no mouse event at all): level 2,
# difficulty 2 and N = 4 set with Tab and the arrow keys (the last steps down
# by the keypad's 2 with NumLock off), START by Enter, the first task
# answered by its digit key, the second wrongly by the ring (arrows, then
# Enter), which must be seen on the screen around the chosen box, the third
# by the keypad's digit (xdotool turns NumLock on for it), the fourth by the
# keypad with NumLock off (End, Down, Page down, Left, 5, Right then); then
# Tab to ENDE and Enter end the game with 0, and the results log holds the
# quiz. QUORILA_TEST_HOOK=1 tells the right box.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool xwd python3
need_game "$build"
screen_script keyboard_play "the game"

# wait_line PATTERN: the first line of the game's output that matches.
wait_line() { wait_for_line "$work/out" "$1" "$program"; }

keys() { xdotool key --delay 60 "$@"; }

# ring_at K DUMP: whether the ring (0,60,200) stands around box K in the
# window's read-back: the middle of its top bar and of its left bar, in
# client pixels (10 + 120 K + 4 + 56, 200 + 1) and (10 + 120 K + 5, 200 + 25).
ring_at() {
  python3 - "$source_dir/tests/scripts" "$2" "$1" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
window, k = Dump(sys.argv[2]), int(sys.argv[3])
x = 10 + 120 * k + 4
ring = (0, 60, 200)
sys.exit(0 if window.at(x + 56, 201) == ring and window.at(x + 1, 225) == ring else 1)
PY
}

# ring_seen K: polls the window until the ring stands around box K.
ring_seen() { until_shown "-id $window_id" "$work/window.xwd" ring_at "$1"; }

mkdir -p "$work/elsewhere"
cd "$work/elsewhere" || exit 1
open_on_screen 1600x1200 "QUORILA screen .*" "$work/out" \
  env VQ_PLATFORM=sdl QUORILA_TEST_HOOK=1 XDG_DATA_HOME="$work/xdg" timeout 120 "$build/quorila"
case $? in
  0) ;;
  77) echo "Xvfb did not start: skipped"; exit 77 ;;
  *) fail "no window" ;;
esac
wait_line '^quorila-test: ready$' > /dev/null || fail "no start message"
# The window as it stands once the game is ready.
window_id=$(wait_window "QUORILA screen .*" "$program")
[ -n "$window_id" ] || fail "no window once ready"
eval "$(xdotool getwindowgeometry --shell "$window_id")"
[ "$WIDTH" -eq 1305 ] && [ "$HEIGHT" -eq 915 ] || fail "the window is ${WIDTH}x$HEIGHT, not shown unscaled"
# The keyboard goes to the game's window; the pointer is never moved.
xdotool windowfocus --sync "$window_id" 2> /dev/null || xdotool windowfocus "$window_id"

# Level (first control) and difficulty (second) up to 2, N (third) down
# from 12 to 4, on to START.
keys Tab Up Tab Up Tab
for _ in $(seq 6); do keys Down; done
keys KP_Down KP_Down
keys Tab Tab Return

read -r _ _ _ _ k _ <<< "$(wait_line '^quorila-test: task 1 box ')" || fail "task 1 never came"
keys "$k"
read -r _ _ _ _ k _ <<< "$(wait_line '^quorila-test: task 2 box ')" || fail "task 2 never came"
wrong=$((k % 6 + 1))
# The first arrow shows the ring on box 1, each further one moves it on.
keys Right
for _ in $(seq $((wrong - 1))); do keys Right; done
ring_seen "$wrong" || fail "no ring around box $wrong on the screen"
keys Return
read -r _ _ _ _ k _ <<< "$(wait_line '^quorila-test: task 3 box ')" || fail "task 3 never came"
keys "KP_$k"
read -r _ _ _ _ k _ <<< "$(wait_line '^quorila-test: task 4 box ')" || fail "task 4 never came"
without_numlock=(KP_End KP_Down KP_Next KP_Left KP_Begin KP_Right)
keys "${without_numlock[$((k - 1))]}"

for _ in $(seq 300); do
  [ -s "$work/xdg/quorila/results.csv" ] && break
  kill -0 "$program" 2> /dev/null || break
  sleep 0.1
done
[ -s "$work/xdg/quorila/results.csv" ] || fail "the quiz did not end"
# START had the keyboard before the quiz and has it again: one Tab to ENDE.
keys Tab Return
for _ in $(seq 100); do kill -0 "$program" 2> /dev/null || break; sleep 0.1; done
wait "$program"
status=$?
program=""
[ "$status" -eq 0 ] || fail "the game ended with $status"
line=$(tail -n 1 "$work/xdg/quorila/results.csv")
echo "$line"
# Level 2, difficulty 2, 4 tasks, 3 right, 1 wrong, none skipped.
grep -qE ',2,2,4,3,1,0,.*finished' <<< "$line" || fail "the log does not show level 2, difficulty 2, N = 4, three right and one wrong"
[ "$(grep -c finished "$work/xdg/quorila/results.csv")" -eq 1 ] || fail "not one quiz in the log"
echo "keyboard_play: ok"
