#!/usr/bin/env bash
# quorila --version and --help answer without any display, before a window
# could open: the version of the build (the one in CMakeLists.txt), a German
# usage that names the keys, the environment variables and the results log,
# status 0, nothing on standard error. Other words still start the game (and
# without a display it then ends with its one line and status 1).
set -u
build=$1
game=$build/quorila
[ -x "$game" ] || { echo "no game in $build"; exit 77; }
fail() { echo "command_line: $*"; exit 1; }
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER XDG_RUNTIME_DIR="$runtime" VQ_PLATFORM=sdl "$@"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[ -n "$version" ] || fail "the build names no version"
out=$(bare "$game" --version 2> "$runtime/err")
status=$?
[ "$status" -eq 0 ] || fail "--version ended with $status"
[ "$out" = "QUORILA $version" ] || fail "--version printed '$out', not 'QUORILA $version'"
[ ! -s "$runtime/err" ] || fail "--version wrote to standard error: $(cat "$runtime/err")"

for word in --help -h; do
  out=$(bare "$game" "$word" 2> "$runtime/err")
  status=$?
  [ "$status" -eq 0 ] || fail "$word ended with $status"
  [ ! -s "$runtime/err" ] || fail "$word wrote to standard error"
  for wanted in "Aufruf: quorila" "1 bis 6" "F11" "Escape" "Tab" "Eingabe, Leertaste" \
                "VQ_PLATFORM" "VQ_SCALE" "QUORILA_TEST_HOOK" "results.csv" "--version"; do
    grep -qF -- "$wanted" <<< "$out" || fail "$word does not mention '$wanted'"
  done
  printf '%s\n' "$out" | iconv -f UTF-8 -t UTF-8 > /dev/null || fail "$word is not UTF-8"
  [ "$(printf '%s\n' "$out" | wc -L)" -le 100 ] || fail "$word has lines wider than 100 columns"
done

out=$(bare "$game" --something-else 2> /dev/null)
status=$?
[ "$status" -eq 1 ] || fail "an unknown word ended with $status, not 1 (the game without a display)"
case "$out" in "vqplatform: no display"*) ;; *) fail "an unknown word did not start the game: '$out'" ;; esac
echo "command_line: --version says '$(bare "$game" --version)'; --help $(bare "$game" --help | wc -l) lines"
