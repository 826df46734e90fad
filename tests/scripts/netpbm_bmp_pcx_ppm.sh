#!/usr/bin/env bash
# Cross-check of the BMP, PCX and PPM readers and writers against netpbm:
# what we write, netpbm reads back pixel for pixel; what netpbm writes, we
# read back pixel for pixel, or refuse cleanly (exit 1, one line, no file)
# where it lies outside what our readers take.
set -u
build=$(cd "$1" && pwd)
tool=$build/tools/vqimage
for t in bmptopnm pcxtoppm pnmtopnm ppmtobmp ppmtopcx pnmtoplainpnm pamdepth python3; do
  command -v $t > /dev/null || { echo "$t missing (netpbm / python3): skipped"; exit 77; }
done
[ -x "$tool" ] || { echo "no $tool"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
checks=0
bad() { echo "FAIL: $*"; failures=$((failures + 1)); }
same() {  # same FILE1 FILE2 WHAT
  checks=$((checks + 1))
  cmp -s "$1" "$2" || bad "$3"
}

# Test pictures as binary PPM, written here without any of the code under
# test: odd widths, 1 x 1, long runs (also of bytes that read as PCX counts)
# and one with thousands of colours.
python3 - << 'PY'
import random
def save(name, w, h, pixel):
    with open(name + ".ppm", "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        f.write(bytes(c for y in range(h) for x in range(w) for c in pixel(x, y)))
save("one", 1, 1, lambda x, y: (0x12, 0xC7, 0xFF))
save("odd5x3", 5, 3, lambda x, y: ((x * 53 + 7) & 255, (y * 71 + 3) & 255, (x * y * 29) & 255))
save("odd7x5", 7, 5, lambda x, y: (x * 36, y * 50, 255 - x * y))
save("tall2x9", 2, 9, lambda x, y: (y * 28, x * 200, 9))
save("wide63x4", 63, 4, lambda x, y: (x * 4, (x ^ y) * 3, 0xC0 + (x % 64)))
save("runs", 201, 3, lambda x, y: (0xC5 if x < 100 else 0x10, 7 if x < 64 else 0xFF, (x // 64) * 80))
save("grey", 3, 2, lambda x, y: (0xF0, 0xF0, 0xF0))
rnd = random.Random(7)
cols = [(rnd.randrange(256), rnd.randrange(256), rnd.randrange(256)) for _ in range(97 * 61)]
save("many", 97, 61, lambda x, y: cols[y * 97 + x])
PY
pictures="one odd5x3 odd7x5 tall2x9 wide63x4 runs grey many"

# BMP files as image editors save them, also made here byte by byte: a
# 108-byte info header, and a 124-byte one with an embedded colour profile
# after the pixels.
cat > editor_bmp.py << 'PY'
import struct, sys
src, dst, info_size = sys.argv[1], sys.argv[2], int(sys.argv[3])
data = open(src, 'rb').read().split(b'\n', 3)
w, h = map(int, data[1].split())
px = data[3]
row = (w * 3 + 3) // 4 * 4
rows = b''.join(b''.join(bytes((px[(y * w + x) * 3 + 2], px[(y * w + x) * 3 + 1], px[(y * w + x) * 3]))
                         for x in range(w)) + b'\0' * (row - 3 * w) for y in range(h - 1, -1, -1))
profile = bytes((i * 37 + 11) & 255 for i in range(3144)) if info_size == 124 else b''
info = struct.pack('<IiiHHIIiiII', info_size, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
info += b'\0' * 16 + (b'DEBM' if profile else b'BGRs') + b'\0' * 48
if info_size == 124:  # intent, profile offset (from the info header) and size, reserved
    info += struct.pack('<IIII', 4, info_size + len(rows), len(profile), 0)
assert len(info) == info_size
offset = 14 + info_size
head = b'BM' + struct.pack('<IHHI', offset + len(rows) + len(profile), 0, 0, offset)
open(dst, 'wb').write(head + info + rows + profile)
PY

# Exit 1 with exactly one line on standard error and no output file.
refused() {  # refused IN OUT WHAT
  checks=$((checks + 1))
  rm -f "$2"
  "$tool" convert "$1" "$2" > out.txt 2> err.txt
  local status=$?
  if [ $status -ne 1 ] || [ "$(wc -l < err.txt)" -ne 1 ] || [ -s out.txt ] || [ -e "$2" ]; then
    bad "$3: status $status, $(wc -l < err.txt) lines: $(cat err.txt)"
  fi
}
# Read back identically, or refused cleanly.
identical_or_refused() {  # IN REFERENCE WHAT
  rm -f back.ppm
  if "$tool" convert "$1" back.ppm 2> err.txt; then
    same back.ppm "$2" "$3"
  else
    refused "$1" back.ppm "$3 (refusal)"
    echo "  $3: refused: $(cat err.txt)"
  fi
}

for p in $pictures; do
  pnmtopnm < $p.ppm > $p.ref.ppm 2> /dev/null  # netpbm's own form of the picture
  dims=$(head -n 2 $p.ppm | tail -n 1)

  # Our writers, netpbm's readers.
  "$tool" convert $p.ppm $p.bmp || bad "$p: writing BMP"
  bmptopnm $p.bmp 2> /dev/null | pnmtopnm > $p.bmp.ppm 2> /dev/null
  same $p.bmp.ppm $p.ref.ppm "$p: bmptopnm reads our BMP"
  "$tool" convert $p.ppm $p.pcx || bad "$p: writing PCX"
  pcxtoppm $p.pcx 2> /dev/null | pnmtopnm > $p.pcx.ppm 2> /dev/null
  same $p.pcx.ppm $p.ref.ppm "$p: pcxtoppm reads our PCX"
  "$tool" convert $p.ppm $p.out.ppm || bad "$p: writing PPM"
  pnmtopnm < $p.out.ppm > $p.out.ref.ppm 2> /dev/null
  same $p.out.ref.ppm $p.ref.ppm "$p: pnmtopnm reads our PPM"
  same $p.out.ppm $p.ref.ppm "$p: our PPM is byte for byte netpbm's"
  for f in $p.bmp $p.pcx $p.out.ppm; do
    checks=$((checks + 1))
    [ "$("$tool" size $f)" = "$dims" ] || bad "$f: size is not $dims"
  done

  # netpbm's writers, our readers.
  ppmtobmp -bpp=24 $p.ppm > $p.n24.bmp 2> /dev/null
  "$tool" convert $p.n24.bmp $p.n24.ppm || bad "$p: reading ppmtobmp -bpp=24"
  same $p.n24.ppm $p.ref.ppm "$p: our reader on ppmtobmp -bpp=24"
  ppmtobmp $p.ppm > $p.nd.bmp 2> /dev/null  # netpbm picks the depth (palette for few colours)
  identical_or_refused $p.nd.bmp $p.ref.ppm "$p: our reader on ppmtobmp"
  for v in 108 124; do
    python3 editor_bmp.py $p.ppm $p.v$v.bmp $v
    bmptopnm $p.v$v.bmp 2> /dev/null | pnmtopnm > $p.v$v.netpbm.ppm 2> /dev/null
    same $p.v$v.netpbm.ppm $p.ref.ppm "$p: bmptopnm reads the $v-byte header file"
    "$tool" convert $p.v$v.bmp $p.v$v.ppm || bad "$p: reading a $v-byte header BMP"
    same $p.v$v.ppm $p.v$v.netpbm.ppm "$p: our reader on a $v-byte header BMP, as bmptopnm"
  done
  ppmtopcx -24bit $p.ppm > $p.n24.pcx 2> /dev/null
  "$tool" convert $p.n24.pcx $p.n24pcx.ppm || bad "$p: reading ppmtopcx -24bit"
  same $p.n24pcx.ppm $p.ref.ppm "$p: our reader on ppmtopcx -24bit"
  ppmtopcx $p.ppm > $p.nd.pcx 2> /dev/null
  identical_or_refused $p.nd.pcx $p.ref.ppm "$p: our reader on ppmtopcx"
  "$tool" convert $p.ref.ppm $p.nppm.ppm || bad "$p: reading netpbm's PPM"
  same $p.nppm.ppm $p.ref.ppm "$p: our reader on netpbm's PPM"
  # Plain (ASCII) PPM is not read: a clean refusal.
  pnmtoplainpnm $p.ppm > $p.plain.ppm 2> /dev/null
  refused $p.plain.ppm $p.plain.bmp "$p: plain PPM"
  # A smaller maximum value is scaled back to 0..255 as netpbm scales it.
  pamdepth 31 $p.ppm > $p.d31.ppm 2> /dev/null
  pamdepth 255 $p.d31.ppm 2> /dev/null | pnmtopnm > $p.d31.ref.ppm 2> /dev/null
  "$tool" convert $p.d31.ppm $p.d31.out.ppm || bad "$p: reading maximum value 31"
  same $p.d31.out.ppm $p.d31.ref.ppm "$p: maximum value 31 scaled as pamdepth does"
done

# 16-bit samples are refused cleanly.
pamdepth 65535 odd5x3.ppm > deep.ppm 2> /dev/null
refused deep.ppm deep.bmp "16-bit PPM"

echo "$checks checks, $failures failures"
[ $failures -eq 0 ]
