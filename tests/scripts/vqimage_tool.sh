#!/usr/bin/env bash
# The vqimage tool: its exit statuses, the one line it gives on failure,
# the sizes it prints, and conversions through every writer and through the
# picture decoder (PNG written by us, read back by the decoder).
set -u
build=$(cd "$1" && pwd)
tool=$build/tools/vqimage
[ -x "$tool" ] || { echo "no $tool"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
bad() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect STATUS STDERR-LINES COMMAND...
expect() {
  local want=$1 lines=$2
  shift 2
  "$@" > out.txt 2> err.txt
  local status=$?
  [ $status -eq "$want" ] || bad "$*: status $status, not $want"
  [ "$(wc -l < err.txt)" -eq "$lines" ] || bad "$*: $(wc -l < err.txt) lines on stderr: $(cat err.txt)"
}

printf 'P6\n3 2\n255\n\001\002\003\377\376\375\100\200\300\000\000\000\010\020\030\300\301\302' > p.ppm

expect 0 0 "$tool" --help
grep -q "vqimage convert IN OUT" out.txt || bad "--help does not explain convert"
expect 2 1 "$tool"
expect 2 1 "$tool" convert p.ppm
expect 2 1 "$tool" size
expect 2 1 "$tool" resize p.ppm q.ppm
expect 2 1 "$tool" convert a b c

expect 0 0 "$tool" size p.ppm
[ "$(cat out.txt)" = "3 2" ] || bad "size of p.ppm: $(cat out.txt)"
expect 1 1 "$tool" size missing.bmp
[ -s out.txt ] && bad "size of a missing file printed: $(cat out.txt)"
grep -q "^vqimage: cannot read the size of missing.bmp" err.txt || bad "size message: $(cat err.txt)"
expect 1 1 "$tool" size p.jpg
expect 1 1 "$tool" convert missing.ppm q.bmp
[ -e q.bmp ] && bad "a failed conversion left q.bmp"
expect 1 1 "$tool" convert p.ppm q.gif
expect 1 1 "$tool" convert p.ppm nodir/q.bmp
printf 'P6\n3 2\n255\n\001\002' > short.ppm
expect 1 1 "$tool" convert short.ppm q.bmp
[ -e q.bmp ] && bad "a truncated picture was converted"
printf 'not a picture' > junk.png
expect 1 1 "$tool" convert junk.png q.bmp

# Every writer, and back through our readers where we have one.
for ext in bmp pcx ppm xpm png ps pdf; do
  expect 0 0 "$tool" convert p.ppm q.$ext
  [ -s q.$ext ] || bad "no q.$ext"
  [ -s out.txt ] && bad "convert to $ext printed: $(cat out.txt)"
done
for ext in bmp pcx ppm xpm; do
  expect 0 0 "$tool" convert q.$ext back.ppm
  cmp -s back.ppm p.ppm || bad "p.ppm -> $ext -> ppm changed the pixels"
  expect 0 0 "$tool" size q.$ext
  [ "$(cat out.txt)" = "3 2" ] || bad "size of q.$ext: $(cat out.txt)"
done
# Our PNG through the picture decoder.
expect 0 0 "$tool" convert q.png back.ppm
cmp -s back.ppm p.ppm || bad "p.ppm -> png -> decoder changed the pixels"
# The decoder's formats: their sizes from the header.
expect 0 0 "$tool" size q.png
[ "$(cat out.txt)" = "3 2" ] || bad "size of q.png: $(cat out.txt)"
if pnmtojpeg p.ppm > p.jpg 2> /dev/null; then
  expect 0 0 "$tool" size p.jpg
  [ "$(cat out.txt)" = "3 2" ] || bad "size of p.jpg: $(cat out.txt)"
fi

echo "vqimage: $failures failures"
[ $failures -eq 0 ]
