# Shared by the scripts that need X screens of their own: start_screen SIZE
# starts Xvfb of that size on a display number that Xvfb picks itself (so
# that scripts run side by side never share a screen) and exports DISPLAY;
# stop_screen ends it (the caller's EXIT trap should call stop_screen).
xvfb=""
xvfb_number_file=""

stop_screen() {
  if [ -n "${window_manager:-}" ]; then
    kill "$window_manager" 2> /dev/null
    wait "$window_manager" 2> /dev/null
    window_manager=""
  fi
  [ -n "${wm_config:-}" ] && rm -f "$wm_config"
  wm_config=""
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2> /dev/null
    wait "$xvfb" 2> /dev/null
  fi
  xvfb=""
  [ -n "$xvfb_number_file" ] && rm -f "$xvfb_number_file"
  xvfb_number_file=""
}

start_screen() {
  stop_screen
  command -v Xvfb > /dev/null && command -v xdotool > /dev/null || return 1
  local attempt n
  for attempt in 1 2 3; do
    xvfb_number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp 3> "$xvfb_number_file" > /dev/null 2>&1 &
    xvfb=$!
    # Xvfb writes its number once it accepts connections.
    for _ in $(seq 100); do
      n=$(head -n 1 "$xvfb_number_file" 2> /dev/null)
      if [ -n "$n" ] && DISPLAY=":$n" xdotool getdisplaygeometry > /dev/null 2>&1; then
        export DISPLAY=":$n"
        return 0
      fi
      kill -0 "$xvfb" 2> /dev/null || break
      sleep 0.1
    done
    stop_screen
  done
  return 1
}

# wait_window NAME [PID]: prints the id of the first window of that name (or
# nothing). A loaded machine may take a while to map a first window: up to
# 20 s, less when the program PID has ended meanwhile.
wait_window() {
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --name "^$1\$" 2> /dev/null | head -n 1)
    [ -n "$id" ] && break
    [ -n "${2:-}" ] && ! kill -0 "$2" 2> /dev/null && break
    sleep 0.1
  done
  echo "$id"
}

# open_on_screen SIZE NAME OUT COMMAND...: starts a screen of SIZE and
# COMMAND on it in the background (output to OUT), and waits for its window
# NAME. Sets $program and $window_id. Now and then a fresh screen on a loaded
# machine refuses the program's first connection (it then finds no display):
# the whole start gets one more try on a new screen. Returns 1 when the
# window never appeared, 77 when no screen could be started. An empty SIZE
# takes the display there is ($DISPLAY) instead of new screens.
open_on_screen() {
  local size=$1 name=$2 out=$3 attempt
  shift 3
  window_id=""
  for attempt in 1 2; do
    if [ -n "$size" ]; then start_screen "$size" || return 77; fi
    "$@" > "$out" 2>&1 &
    program=$!
    window_id=$(wait_window "$name" "$program")
    [ -n "$window_id" ] && return 0
    echo "window '$name' did not appear on $DISPLAY (try $attempt); the program said:"
    cat "$out"
    kill "$program" 2> /dev/null
    wait "$program" 2> /dev/null
    program=""
  done
  return 1
}

# until_shown TARGET DUMP CHECK...: reads the picture back with xwd (TARGET
# is -root or "-id ID") into DUMP, again and again, until CHECK (a command,
# called with DUMP as its last argument) accepts two reads in a row, so that
# a picture still being drawn never passes. A loaded machine may draw late:
# up to 30 s. Prints what the last CHECK printed; returns 1 on the timeout.
# until_seconds sets another limit than 30 s.
until_shown() {
  local target=$1 dump=$2 said="" passed=0 deadline=$((SECONDS + ${until_seconds:-30}))
  shift 2
  while :; do
    # shellcheck disable=SC2086 # TARGET is an option and its value
    if xwd -silent $target > "$dump" 2> /dev/null && [ -s "$dump" ]; then
      if said=$("$@" "$dump" 2>&1); then
        passed=$((passed + 1))
        [ "$passed" -ge 2 ] && { [ -n "$said" ] && echo "$said"; return 0; }
      else
        passed=0
      fi
    else
      said="xwd could not read $target"
      passed=0
    fi
    [ "$SECONDS" -ge "$deadline" ] && { echo "$said"; return 1; }
    sleep 0.05
  done
}

# wait_for_line FILE PATTERN [PID]: waits until FILE has a line that
# matches PATTERN (an extended regular expression) and prints the first;
# up to 30 s, less when the program PID has ended without printing it.
wait_for_line() {
  local line deadline=$((SECONDS + 30))
  while :; do
    line=$(grep -E -m 1 -- "$2" "$1" 2> /dev/null) && { echo "$line"; return 0; }
    if [ -n "${3:-}" ] && ! kill -0 "$3" 2> /dev/null; then
      line=$(grep -E -m 1 -- "$2" "$1" 2> /dev/null) && { echo "$line"; return 0; }
      return 1
    fi
    [ "$SECONDS" -ge "$deadline" ] && return 1
    sleep 0.05
  done
}

# start_wm: starts a window manager (openbox, its own settings but for two
# keys: Super+Up maximises (again and again: no toggle, so that a script may
# press it once more), Super+F makes fullscreen) on the screen and waits
# until it manages windows; stop_screen ends it too. Returns 1 without one.
window_manager=""
start_wm() {
  command -v openbox > /dev/null || return 1
  local attempt
  wm_config=$(mktemp --suffix=.xml)
  cat > "$wm_config" << 'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <keyboard>
    <keybind key="W-Up"><action name="Maximize"/></keybind>
    <keybind key="W-f"><action name="ToggleFullscreen"/></keybind>
  </keyboard>
</openbox_config>
XML
  for attempt in 1 2 3; do
    openbox --sm-disable --config-file "$wm_config" > /dev/null 2>&1 &
    window_manager=$!
    for _ in $(seq 200); do
      xprop -root _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q 'window id' && return 0
      kill -0 "$window_manager" 2> /dev/null || break
      sleep 0.05
    done
    kill "$window_manager" 2> /dev/null
    wait "$window_manager" 2> /dev/null
    window_manager=""
  done
  return 1
}

# ---- what the scripts on these screens share --------------------------------
# need_tools TOOL...: the script ends as skipped (status 77) when one of the
# tools is missing.
need_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" > /dev/null || { echo "$tool missing: skipped"; exit 77; }
  done
}

# need_game BUILD: likewise when the build folder holds no game.
need_game() {
  [ -x "$1/quorila" ] || { echo "no game in $1: skipped"; exit 77; }
}

# screen_script NAME [WHO]: a fresh folder $work for the script NAME; when
# the script ends, the program it runs in the background ($program, empty
# while none runs) is killed, the screen and its window manager stopped and
# the folder removed. fail MESSAGE ends the script with status 1 after the
# line "NAME: MESSAGE" and, given WHO ("the game"), what that program
# said into $work/out.
screen_script() {
  screen_script_name=$1
  screen_script_who=${2:-}
  work=$(mktemp -d)
  program=""
  trap end_screen_script EXIT
}

end_screen_script() {
  [ -n "${program:-}" ] && kill "$program" 2> /dev/null
  stop_screen
  rm -rf "$work"
}

fail() {
  echo "$screen_script_name: $*"
  if [ -n "$screen_script_who" ]; then
    echo "--- $screen_script_who said:"
    cat "$work/out" 2> /dev/null
  fi
  exit 1
}

# shows_start_picture DUMP: the game's start picture (its sky and the green
# of its hills, in many colours) fills the window dump DUMP; for until_shown.
shows_start_picture() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/xwd_dump.py" start-picture "$1"
}

# side_by_side COMMAND CASE...: after screen_script, runs COMMAND CASE for
# every CASE at once, each in a subshell of its own with `case` set to CASE
# and $work a folder of its own (so that fail shows that case's $work/out,
# and its program and screen end with it). Prints what each case said, in
# their order, and ends the script: status 1 when one failed, else 77 when
# one was skipped, else 0 after the line "NAME: ok".
side_by_side() {
  local command=$1 pids=() status=0 rc i
  shift
  local cases=("$@") all=$work
  for case in "${cases[@]}"; do
    ( work=$all/$case; mkdir -p "$work"; trap end_screen_script EXIT; "$command" "$case" ) \
      > "$all/$case.said" 2>&1 &
    pids+=($!)
  done
  for i in "${!cases[@]}"; do
    wait "${pids[$i]}"
    rc=$?
    cat "$all/${cases[$i]}.said"
    if [ "$rc" -eq 77 ] && [ "$status" -eq 0 ]; then status=77; elif [ "$rc" -ne 0 ] && [ "$rc" -ne 77 ]; then status=1; fi
  done
  [ "$status" -eq 0 ] && echo "$screen_script_name: ok"
  exit "$status"
}
