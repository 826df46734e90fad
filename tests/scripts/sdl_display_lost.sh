#!/usr/bin/env bash
# The display goes away under the game (its X server killed): during the
# start-up wait, during a quiz and in the task editor the game ends within
# one second, with status 1 and one line on standard output that says so.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool xwd python3
need_game "$build"
screen_script sdl_display_lost "the game"

start_game() {
  start_screen 1600x1200 || { echo "Xvfb did not start: skipped"; exit 77; }
  : > "$work/out"
  ( cd "$build" && exec env VQ_PLATFORM=sdl QUORILA_TEST_HOOK=1 XDG_DATA_HOME="$work/xdg" ./quorila \
      > "$work/out" 2>&1 ) &
  program=$!
  id=$(wait_window "QUORILA screen .*" "$program")
  [ -n "$id" ] || fail "no window"
  eval "$(xdotool getwindowgeometry --shell "$id")"
}

# click_control NAME: a left click in the middle of the game's control.
click_control() {
  local x y w h
  read -r x y w h <<< "$(grep -m 1 "^quorila-test: control $1 " "$work/out" | cut -d' ' -f4-)"
  xdotool mousemove $((X + x + w / 2)) $((Y + y + h / 2)) click 1
}

# lose_display WHEN: kills the X server and checks how the game ends.
lose_display() {
  local before after status start elapsed
  before=$(wc -l < "$work/out")
  start=$(date +%s%N)
  disown "$xvfb" 2> /dev/null   # its death is the point: no report of it
  kill -KILL "$xvfb"
  for _ in $(seq 500); do
    kill -0 "$program" 2> /dev/null || break
    sleep 0.01
  done
  elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
  kill -0 "$program" 2> /dev/null && fail "$1: still running $elapsed ms after the display went away"
  wait "$program"
  status=$?
  program=""
  stop_screen
  after=$(tail -n +$((before + 1)) "$work/out")
  echo "$1: ended after $elapsed ms with status $status: $after"
  [ "$status" -eq 1 ] || fail "$1: status $status, not 1"
  [ "$elapsed" -le 1000 ] || fail "$1: took $elapsed ms"
  # Before the test hook's first flush (the start-up wait) the game's earlier
  # lines are still in its output buffer and come out at the end: then the
  # last line says so and no other line speaks of the platform.
  if [ "${2:-}" = buffered ]; then
    tail -n 1 "$work/out" | grep -q '^vqplatform: lost the connection to the display' &&
      [ "$(grep -c vqplatform "$work/out")" -eq 1 ] || fail "$1: not one line at the end saying that the display was lost"
    return
  fi
  [ "$(grep -c . <<< "$after")" -eq 1 ] && grep -q '^vqplatform: lost the connection to the display' <<< "$after" ||
    fail "$1: not one line saying that the display was lost"
}

# shows_editor DUMP: the window shows the editor's red ENDE box and its
# first yellow slot.
shows_editor() {
  python3 - "$source_dir/tests/scripts" "$1" << 'PY'
import sys
sys.path.insert(0, sys.argv[1])
from xwd_dump import Dump
shot = Dump(sys.argv[2])
assert shot.at(115, 305) == (255, 0, 0) and shot.at(80, 255) == (255, 255, 0), (shot.at(115, 305), shot.at(80, 255))
PY
}

run_case() { "$1"; }

# The start-up wait: the start picture shows, and the game is not ready yet.
# On a crowded machine seeing the picture twice may take longer than the
# wait (eight seconds): then the game is started again, up to three times.
start_up_wait() {
  local attempt
  for attempt in 1 2 3; do
    start_game
    until_shown "-id $id" "$work/start.xwd" shows_start_picture > /dev/null || fail "the start picture did not show"
    if ! grep -q '^quorila-test: ready$' "$work/out"; then
      lose_display "the start-up wait" buffered
      return
    fi
    echo "the start-up wait was over before the picture had been seen (try $attempt)"
    kill "$program"
    wait "$program"
    program=""
  done
  fail "the start-up wait was over before the display went away"
}

a_quiz() {
  start_game
  wait_for_line "$work/out" '^quorila-test: ready$' "$program" > /dev/null || fail "not ready"
  click_control btStart
  wait_for_line "$work/out" '^quorila-test: task 1 box ' "$program" > /dev/null || fail "no task"
  lose_display "a quiz"
}

the_editor() {
  start_game
  wait_for_line "$work/out" '^quorila-test: ready$' "$program" > /dev/null || fail "not ready"
  click_control btEdit
  until_shown "-id $id" "$work/editor.xwd" shows_editor || fail "the editor did not show"
  lose_display "the editor"
}

# The cases side by side.
side_by_side run_case start_up_wait a_quiz the_editor
