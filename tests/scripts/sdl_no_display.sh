#!/usr/bin/env bash
# Without any display the SDL back end does not open a window on a driver
# that shows nothing: the program gets no window, says so in exactly one
# line on standard output that names VQ_PLATFORM=headless, and ends with 1.
set -u
build=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" VQ_PLATFORM=sdl \
      "$build/tools/vqplatform_check" 200 100 1 2> /dev/null)
status=$?
echo "$out"
[ "$status" -eq 1 ] || { echo "ended with $status, not 1"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "not exactly one line"; exit 1; }
case "$out" in
  "vqplatform: no display ("*"); set VQ_PLATFORM=headless to run without one") ;;
  *) echo "unexpected wording"; exit 1 ;;
esac
