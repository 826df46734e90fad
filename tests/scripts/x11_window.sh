#!/usr/bin/env bash
# A real window on the SDL back end under an X server: its client area shows
# exactly the presented pixels (read back with xwd), and a click and a key
# sent by xdotool arrive as platform messages.
set -u
build=$1
[ -n "${DISPLAY:-}" ] || { echo "no X display: skipped"; exit 77; }
for tool in xwd xdotool python3; do
  command -v $tool > /dev/null || { echo "$tool missing: skipped"; exit 77; }
done
out=$(mktemp)
trap 'rm -f "$out" "$out.xwd"' EXIT
VQ_PLATFORM=sdl "$build/tools/vqwindow_check" 4 > "$out" &
pid=$!
id=""
for _ in $(seq 50); do
  id=$(xdotool search --name '^vqwindow_check$' 2> /dev/null | head -n 1)
  [ -n "$id" ] && break
  sleep 0.1
done
[ -n "$id" ] || { echo "window did not appear"; kill $pid; exit 1; }
sleep 0.5
xwd -silent -id "$id" > "$out.xwd"
xdotool mousemove --window "$id" 30 20 click 1
xdotool key --window "$id" Return
sleep 0.5
wait $pid
status=$?
cat "$out"
python3 - "$out.xwd" << 'PY' || exit 1
# Reads the X window dump by its own header: byte order and color masks.
import struct, sys
data = open(sys.argv[1], 'rb').read()
head = struct.unpack('>25I', data[:100])
header_size, byte_order, bpp, bpl = head[0], head[7], head[11], head[12]
masks, ncolors, w, h = head[14:17], head[19], head[4], head[5]
assert bpp == 32, bpp
assert (w, h) == (200, 120), (w, h)
pixels = data[header_size + 12 * ncolors:]
def at(x, y):
    raw = pixels[y * bpl + 4 * x: y * bpl + 4 * x + 4]
    v = struct.unpack('<I' if byte_order == 0 else '>I', raw)[0]
    def channel(mask):
        shift = (mask & -mask).bit_length() - 1
        return (v & mask) >> shift
    return tuple(channel(m) for m in masks)
expect = {(10, 10): (255, 0, 0), (190, 10): (0, 255, 0), (10, 110): (0, 0, 255), (190, 110): (255, 255, 0),
          (99, 59): (255, 0, 0), (100, 60): (255, 255, 0)}
for (x, y), rgb in expect.items():
    assert at(x, y) == rgb, f"pixel {x},{y} is {at(x, y)}, expected {rgb}"
print("client area shows the presented pixels")
PY
grep -q '^window 200x120$' "$out" || { echo "client size wrong"; exit 1; }
grep -q '^button 1 down at 30,20$' "$out" || { echo "click not received"; exit 1; }
grep -q '^key 10 down$' "$out" || { echo "Enter not received as key 10"; exit 1; }
exit $status
