# Shared by the scripts that need X screens of their own: start_screen SIZE
# starts Xvfb of that size on a free display number and exports DISPLAY;
# stop_screen ends it (the caller's EXIT trap should call stop_screen).
xvfb=""

stop_screen() {
  if [ -n "$xvfb" ]; then
    kill "$xvfb" 2> /dev/null
    wait "$xvfb" 2> /dev/null
  fi
  xvfb=""
}

start_screen() {
  stop_screen
  command -v Xvfb > /dev/null && command -v xdotool > /dev/null || return 1
  for _ in 1 2 3 4 5; do
    local n=$((150 + RANDOM % 600))
    Xvfb ":$n" -screen 0 "$1x24" -nolisten tcp > /dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 50); do
      if DISPLAY=":$n" xdotool getdisplaygeometry > /dev/null 2>&1; then
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

# wait_window NAME: prints the id of the first window of that name (or nothing).
# A loaded machine may take a while to map a first window: up to 20 s.
wait_window() {
  local id=""
  for _ in $(seq 200); do
    id=$(xdotool search --name "^$1\$" 2> /dev/null | head -n 1)
    [ -n "$id" ] && break
    sleep 0.1
  done
  echo "$id"
}
