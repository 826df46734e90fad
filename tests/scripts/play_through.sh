#!/usr/bin/env bash
# A real play-through of the game on X screens of its own (Xvfb, the SDL
# back end, clicks by xdotool): started from an unrelated working folder, it
# shows its start message, takes level 2 and N = 3 from the up-down arrows,
# runs a quiz of three tasks answered by clicks on their boxes, ends on
# ENDE with 0 and leaves one new line in the results log. Once on a screen
# that holds the window as it is, once on 1024 x 600, where the window is
# shown scaled to fit and every click is given in screen pixels.
# QUORILA_TEST_HOOK=1 makes the game print its controls' places and each
# task's answer box, in client pixels.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools Xvfb xdotool
need_game "$build"
screen_script play_through "the game"
# wait_line PATTERN SECONDS: the first line of the game's output that
# matches (an extended regular expression), once it is there.
wait_line() {
  local line
  for _ in $(seq $((${2} * 10))); do
    line=$(grep -E -m 1 "$1" "$work/out" 2> /dev/null) && { echo "$line"; return 0; }
    kill -0 "$program" 2> /dev/null || break
    sleep 0.1
  done
  return 1
}

# click CX CY: a left click at client pixel (CX, CY), given to X in screen
# pixels through the scale the window is shown at.
click() {
  local sx sy
  sx=$(( X + ($1 * WIDTH + WIDTH / 2) / client_w ))
  sy=$(( Y + ($2 * HEIGHT + HEIGHT / 2) / client_h ))
  xdotool mousemove "$sx" "$sy" click 1
  # Well apart, so that two clicks never make a double click.
  sleep 0.6
}

control() { wait_line "^quorila-test: control $1 " 1 | cut -d' ' -f4-; }

play() {
  local screen=$1
  echo "--- on a $screen screen"
  start_screen "$screen" || { echo "Xvfb did not start: skipped"; exit 77; }
  : > "$work/out"
  mkdir -p "$work/elsewhere"
  ( cd "$work/elsewhere" && exec env VQ_PLATFORM=sdl QUORILA_TEST_HOOK=1 XDG_DATA_HOME="$work/xdg" \
      timeout 120 "$build/quorila" > "$work/out" 2>&1 ) &
  program=$!
  wait_line '^quorila-test: ready$' 30 > /dev/null || fail "no start message"
  local id
  id=$(wait_window "QUORILA screen .*")
  [ -n "$id" ] || fail "no window"
  eval "$(xdotool getwindowgeometry --shell "$id")"
  client_w=1305 client_h=915
  echo "window $client_w x $client_h shown ${WIDTH}x$HEIGHT at $X,$Y"
  if [ "$screen" = 1024x600 ]; then
    [ "$WIDTH" -lt "$client_w" ] && [ "$HEIGHT" -le 600 ] || fail "the window is not scaled to the screen"
  fi
  local x y w h n
  # Level 1 -> 2: one click on the up arrow; N 12 -> 3: nine on the down arrow.
  read -r x y w h <<< "$(control udStufe)"
  click $((x + w - 7)) $((y + h / 4))
  read -r x y w h <<< "$(control udAnzahlAufgaben)"
  for _ in $(seq 9); do click $((x + w - 7)) $((y + 3 * h / 4)); done
  read -r x y w h <<< "$(control btStart)"
  click $((x + w / 2)) $((y + h / 2))
  for t in 1 2 3; do
    local line
    line=$(wait_line "^quorila-test: task $t box " 30) || fail "task $t never came"
    read -r _ _ _ _ _ _ x y <<< "$line"
    click "$x" "$y"
  done
  # The quiz is over once its line is in the log; then ENDE.
  for _ in $(seq 100); do
    [ -s "$work/xdg/quorila/results.csv" ] && break
    sleep 0.1
  done
  read -r x y w h <<< "$(control btEnde)"
  click $((x + w / 2)) $((y + h / 2))
  wait "$program"
  local status=$?
  program=""
  [ "$status" -eq 0 ] || fail "the game ended with $status"
  [ -f "$work/xdg/quorila/results.csv" ] || fail "no results log"
  n=$(grep -c ',finished$' "$work/xdg/quorila/results.csv")
  [ "$n" -eq 1 ] || fail "$n finished quizzes in the log, not 1"
  tail -n 1 "$work/xdg/quorila/results.csv"
  tail -n 1 "$work/xdg/quorila/results.csv" | grep -qE ',2,1,3,3,0,0,[0-9]+,[0-9]+,finished$' ||
    fail "the log does not show level 2, N = 3 and three right answers"
  stop_screen
}

# The two screens side by side.
side_by_side play 1600x1200 1024x600
