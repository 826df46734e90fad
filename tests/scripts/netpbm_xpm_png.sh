#!/usr/bin/env bash
# Cross-checks of the XPM reader and writer, the PNG writer and the document
# export against independent programs: netpbm (xpmtoppm, ppmtoxpm,
# pngtopnm), pngcheck, Ghostscript and poppler. Pictures go through the
# vqimage tool, i.e. through exactly the toolkit's readers and writers.
set -u
build=$(cd "$1" && pwd)
tool=$build/tools/vqimage
[ -x "$tool" ] || { echo "vqimage not built: skipped"; exit 77; }
for t in xpmtoppm ppmtoxpm ppmtoppm pngtopnm pamcut pngcheck gs pdftoppm pdftocairo python3; do
  command -v $t > /dev/null || { echo "$t missing: skipped"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
same() { cmp -s "$1" "$2" || fail "$3: pixels differ ($1, $2)"; }
canonical() { ppmtoppm < "$1" > "$2" 2> /dev/null || fail "ppmtoppm could not read $1"; }

# Test pictures as binary PPM: 1 x 1, odd widths, a long run of one colour,
# 91 colours (two characters per pixel in XPM), 1000 colours (reduced to
# 64 by the XPM writer).
python3 - << 'PY'
import random
random.seed(7)
def ppm(name, w, h, pixel):
    rows = bytes(c for y in range(h) for x in range(w) for c in pixel(x, y))
    open(name, 'wb').write(b'P6\n%d %d\n255\n' % (w, h) + rows)
ppm('one.ppm', 1, 1, lambda x, y: (255, 255, 255))
ppm('odd.ppm', 7, 3, lambda x, y: [(200, 10, 10), (0, 0, 0), (12, 250, 99)][(x + y) % 3])
ppm('run.ppm', 130, 2, lambda x, y: (0x33, 0x66, 0x99))
palette = [(i * 37 % 256, i * 91 % 256, i * 13 % 256) for i in range(91)]
ppm('c91.ppm', 13, 7, lambda x, y: palette[y * 13 + x])
many = [(random.randrange(256), random.randrange(256), random.randrange(256)) for _ in range(1000)]
ppm('c1000.ppm', 40, 25, lambda x, y: many[y * 40 + x])
ppm('c1000_reduced.ppm', 40, 25, lambda x, y: tuple(c & 0xC0 for c in many[y * 40 + x]))
PY

for name in one odd run c91 c1000; do
  canonical $name.ppm $name.canon.ppm
  expect=$name.canon.ppm
  [ $name = c1000 ] && { canonical c1000_reduced.ppm c1000_reduced.canon.ppm; expect=c1000_reduced.canon.ppm; }

  # Our XPM, read back by netpbm.
  "$tool" convert $name.ppm $name.ours.xpm 2> xpm.err || fail "$name: vqimage could not write XPM: $(cat xpm.err)"
  xpmtoppm $name.ours.xpm 2> /dev/null | ppmtoppm > $name.xpm_netpbm.ppm || fail "$name: xpmtoppm refused our XPM"
  same $name.xpm_netpbm.ppm $expect "$name: our XPM through xpmtoppm"

  # netpbm's XPM, read by us. Files outside what the reader supports (256
  # colours or more; zero characters per pixel, which ppmtoxpm writes for a
  # picture of one colour) must be refused with one line and exit status 1.
  ppmtoxpm -hexonly $name.ppm > $name.netpbm.xpm 2> /dev/null || fail "$name: ppmtoxpm failed"
  read -r _ _ colors cpp < <(grep -m 1 '^"' $name.netpbm.xpm | tr -d '",')
  "$tool" convert $name.netpbm.xpm $name.xpm_ours.ppm 2> read.err
  status=$?
  if [ "$colors" -ge 256 ] || [ "$cpp" -lt 1 ] || [ "$cpp" -gt 2 ]; then
    [ $status -eq 1 ] || fail "$name: XPM with $colors colours, $cpp characters per pixel not refused"
    [ "$(wc -l < read.err)" -eq 1 ] || fail "$name: refusal is not one line: $(cat read.err)"
  else
    [ $status -eq 0 ] || fail "$name: our reader refused ppmtoxpm's XPM: $(cat read.err)"
    canonical $name.xpm_ours.ppm $name.xpm_ours.canon.ppm
    same $name.xpm_ours.canon.ppm $name.canon.ppm "$name: ppmtoxpm's XPM through our reader"
  fi

  # Our PNG: pngcheck accepts it, pngtopnm decodes the same pixels.
  "$tool" convert $name.ppm $name.png 2> png.err || fail "$name: vqimage could not write PNG: $(cat png.err)"
  pngcheck -q $name.png > pngcheck.out 2>&1 || fail "$name: pngcheck: $(cat pngcheck.out)"
  pngtopnm $name.png 2> /dev/null | ppmtoppm > $name.png_netpbm.ppm || fail "$name: pngtopnm refused our PNG"
  same $name.png_netpbm.ppm $name.canon.ppm "$name: our PNG through pngtopnm"

  # PostScript through Ghostscript, PDF through poppler's cairo renderer and
  # Ghostscript: at 72 dpi the picture's pixels are the page's top-left pixels.
  read -r w h < <("$tool" size $name.ppm)
  "$tool" convert $name.ppm $name.ps 2> ps.err || fail "$name: vqimage could not write PS: $(cat ps.err)"
  "$tool" convert $name.ppm $name.pdf 2> pdf.err || fail "$name: vqimage could not write PDF: $(cat pdf.err)"
  gs -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 -sOutputFile=$name.ps_page.ppm $name.ps > gs.out 2>&1 ||
    fail "$name: gs could not render our PostScript: $(tail -n 3 gs.out)"
  pamcut -left 0 -top 0 -width $w -height $h $name.ps_page.ppm 2> /dev/null | ppmtoppm > $name.ps_gs.ppm 2> /dev/null
  same $name.ps_gs.ppm $name.canon.ppm "$name: our PostScript through gs"
  gs -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r72 -sOutputFile=$name.pdf_page.ppm $name.pdf > gs.out 2>&1 ||
    fail "$name: gs could not render our PDF"
  grep -q '\*\*\*\*' gs.out && fail "$name: gs had to repair our PDF: $(cat gs.out)"
  pamcut -left 0 -top 0 -width $w -height $h $name.pdf_page.ppm 2> /dev/null | ppmtoppm > $name.pdf_gs.ppm 2> /dev/null
  same $name.pdf_gs.ppm $name.canon.ppm "$name: our PDF through gs"
  pdftocairo -png -r 72 -singlefile $name.pdf $name.cairo 2> cairo.err || fail "$name: pdftocairo: $(cat cairo.err)"
  [ -s cairo.err ] && fail "$name: pdftocairo complained: $(cat cairo.err)"
  pngtopnm $name.cairo.png 2> /dev/null | pamcut -left 0 -top 0 -width $w -height $h | ppmtoppm > $name.pdf_cairo.ppm 2> /dev/null
  same $name.pdf_cairo.ppm $name.canon.ppm "$name: our PDF through pdftocairo"
done

# poppler's own rasterizer smooths images, which leaves a picture of one
# colour as it is: that one it must show exactly, on an A4 page.
pdftoppm -r 72 -singlefile run.pdf run.splash 2> splash.err || fail "pdftoppm could not render our PDF"
[ -s splash.err ] && fail "pdftoppm complained: $(cat splash.err)"
[ "$(head -c 2 run.splash.ppm)" = P6 ] && read -r pw ph < <(sed -n 2p run.splash.ppm)
[ "${pw:-0} ${ph:-0}" = "595 842" ] || fail "pdftoppm page is ${pw:-?} x ${ph:-?}, not A4"
pamcut -left 0 -top 0 -width 130 -height 2 run.splash.ppm | ppmtoppm > run.splash_cut.ppm
same run.splash_cut.ppm run.canon.ppm "run: our PDF through pdftoppm"

if [ $failures -ne 0 ]; then
  echo "$failures cross-checks failed"
  exit 1
fi
echo "all cross-checks of XPM, PNG, PS and PDF passed"
