#!/usr/bin/env bash
# The Debian package, as a packager and a school's administrator meet it:
# dpkg-buildpackage on a copy of the tree builds quorila and its -dbgsym
# package; lintian finds no error and no warning; the binary is stripped
# (its symbols in -dbgsym) and the SDL2 libraries come in by shlibs; once
# installed, the game starts under Xvfb from an unrelated folder with its
# data from /usr/share/quorila, shows the start picture and ends with 0 on
# ENDE; --version and --help answer; the desktop entry and the metainfo
# validate; removing the package leaves none of its files. Runs once per
# test run (the optimised build's), as root, where dpkg-buildpackage exists.
# VQ_PACKAGE_DIR=FOLDER tests the packages built there instead of building.
set -u
build=$1
source_dir=$2
source "$source_dir/tests/scripts/xvfb_screen.bash"
need_tools dpkg-buildpackage lintian Xvfb xdotool xwd python3
grep -q '^VQ_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" 2> /dev/null &&
  { echo "the package is built once, in the optimised build's run: skipped"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "installing needs root: skipped"; exit 77; }
if dpkg-query -W -f='${Status}' quorila 2> /dev/null | grep -q 'ok installed'; then
  echo "a quorila package is installed already; not touching it: skipped"
  exit 77
fi
source "$source_dir/tools/package/deb_build.bash"
work=$(mktemp -d)
game=""
installed=no
cleanup() {
  [ -n "$game" ] && kill "$game" 2> /dev/null
  stop_screen
  [ "$installed" = yes ] && dpkg --purge quorila > /dev/null 2>&1
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "debian_package: $*"; exit 1; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$work/quorila_${version}-1_amd64.deb
dbgsym=$work/quorila-dbgsym_${version}-1_amd64.deb

if [ -n "${VQ_PACKAGE_DIR:-}" ]; then
  # A package built already (by hand or by tools/package/reproducible.sh).
  cp "$VQ_PACKAGE_DIR"/quorila*_"$version"-1_* "$work"/ || fail "no package in $VQ_PACKAGE_DIR"
  grep -h . "$VQ_PACKAGE_DIR"/build.log > "$work/build.log" 2> /dev/null
else
  copy_tree "$source_dir" "$work/quorila-$version"
  started=$(date +%s)
  # Where the compiler cache is on the path (the test command puts it there),
  # paths below the copy count relative to it, so that the next run's copy
  # in another folder finds this run's objects.
  # The pictures and sounds come from the build under test where it has
  # painted them (debian/rules hands them to the package's build).
  data_from=$(cd "$build" && pwd)
  [ -d "$data_from/Bilder" ] && [ -d "$data_from/avatar" ] && [ -d "$data_from/sound" ] || data_from=""
  # The pictures are PNG files, which xz cannot make smaller: packing them
  # took the better part of the package build for nothing (half a minute of
  # processor time at xz's default level, ten seconds at its lowest), so
  # this test's packages are packed with gzip's fastest level.
  CCACHE_BASEDIR="$work/quorila-$version" QUORILA_DATA_FROM="$data_from" \
    DPKG_DEB_COMPRESSOR_TYPE=gzip DPKG_DEB_COMPRESSOR_LEVEL=1 \
    build_deb "$work/quorila-$version" "$work/build.log" || { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage failed"; }
  echo "dpkg-buildpackage: $(( $(date +%s) - started )) s"
fi
[ -f "$deb" ] || fail "no $(basename "$deb") (made: $(ls "$work"))"
[ -f "$dbgsym" ] || fail "no -dbgsym package"
! grep -qE 'tests/CMakeFiles|test_[a-z]+\.dir|bench_' "$work/build.log" || fail "the package build built tests or benchmarks"

# lintian: no error, no warning. The one it cannot help on this side of the
# archive: a first upload names no bug that asks for the package.
lintian --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs \
        "$work"/quorila_*.changes > "$work/lintian.txt" 2>&1 || { cat "$work/lintian.txt"; fail "lintian complains"; }
cat "$work/lintian.txt"

# What the package holds and needs.
dpkg-deb -x "$deb" "$work/root"
binary=$work/root/usr/bin/quorila
[ -x "$binary" ] || fail "no /usr/bin/quorila"
[ -x "$work/root/usr/bin/quorila-series" ] || fail "no /usr/bin/quorila-series"
for tool in "$work"/root/usr/bin/*; do
  readelf -S "$tool" | grep -qE '\.symtab|\.debug_info' && fail "$(basename "$tool") is not stripped"
  name=$(basename "$tool")
  ls "$work"/root/usr/share/man/man*/"$name".*.gz > /dev/null 2>&1 || fail "no manual page for $name"
done
id=$(readelf -n "$binary" | sed -n 's/.*Build ID: //p')
dpkg-deb -c "$dbgsym" | grep "usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" > /dev/null || fail "-dbgsym lacks the game's symbols ($id)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-mixer-2.0-0 libfreetype6 libfontconfig1 libc6; do
  grep -q "$lib (>= " <<< "$depends" || fail "Depends lacks $lib with its version: $depends"
done
[ -f "$work/root/usr/share/quorila/Bilder/videob_0.png" ] || fail "no start picture under /usr/share/quorila"
for size in 16 24 32 48 64 128 256; do
  icon=$work/root/usr/share/icons/hicolor/${size}x$size/apps/quorila.png
  # The PNG header's width and height, as 32-bit big-endian numbers.
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" 2> /dev/null | tr -s ' ')" = " $size $size" ] ||
    fail "no ${size}x$size icon"
  pngcheck -q "$icon" > /dev/null || fail "pngcheck rejects the ${size}x$size icon"
done
[ -f "$work/root/usr/share/icons/hicolor/scalable/apps/quorila.svg" ] || fail "no scalable icon"

dpkg -i "$deb" > "$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
installed=yes
appstreamcli validate --no-net /usr/share/metainfo/de.quorila.quorila.metainfo.xml > "$work/as.txt" 2>&1 ||
  { cat "$work/as.txt"; fail "the metainfo does not validate"; }
hints=$(desktop-file-validate /usr/share/applications/quorila.desktop 2>&1)
[ -z "$hints" ] || fail "desktop-file-validate: $hints"
[ "$(cd / && quorila --version)" = "QUORILA $version" ] || fail "quorila --version: $(quorila --version)"
(cd / && env -u DISPLAY quorila --help) | grep -q "results.csv" || fail "quorila --help"
if command -v man > /dev/null; then man -w quorila > /dev/null 2>&1 || fail "man finds no page for quorila"; fi

# The installed game from elsewhere, on a screen that holds its window.
mkdir -p "$work/elsewhere"
start_screen 1600x1200 || { echo "Xvfb did not start"; exit 77; }
( cd "$work/elsewhere" && exec env VQ_PLATFORM=sdl QUORILA_TEST_HOOK=1 XDG_DATA_HOME="$work/xdg" \
    timeout 120 quorila > "$work/out" 2>&1 ) &
game=$!
for _ in $(seq 300); do
  grep -q '^quorila-test: ready$' "$work/out" && break
  kill -0 "$game" 2> /dev/null || break
  sleep 0.1
done
grep -q '^quorila-test: ready$' "$work/out" || { cat "$work/out"; fail "the installed game never got ready"; }
grep -qx 'quorila-test: data folder /usr/share/quorila' "$work/out" || { cat "$work/out"; fail "not reading /usr/share/quorila"; }
window=$(wait_window "QUORILA screen .*")
[ -n "$window" ] || fail "no window"
# The start picture, once it has been presented.
shown=$(until_shown "-id $window" "$work/window.xwd" shows_start_picture) ||
  fail "the start picture does not show ($shown)"
read -r x y w h <<< "$(sed -n 's/^quorila-test: control btEnde //p' "$work/out")"
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + x + w / 2)) $((Y + y + h / 2)) click 1
wait "$game"
status=$?
game=""
[ "$status" -eq 0 ] || { cat "$work/out"; fail "the installed game ended with $status"; }
stop_screen

# Removed, it leaves none of its files (folders shared with others may stay).
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print substr($6, 2)}' > "$work/files"
dpkg --purge quorila > /dev/null || fail "dpkg --purge failed"
installed=no
left=$(while read -r f; do [ -e "$f" ] || [ -L "$f" ] && echo "$f"; done < "$work/files")
[ -z "$left" ] || fail "left behind: $left"
[ ! -e /usr/share/quorila ] || fail "/usr/share/quorila is left behind"
echo "debian_package: $(wc -l < "$work/files") files built, linted, installed, run and removed"
