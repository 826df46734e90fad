#!/usr/bin/env bash
# Installs the build into a fresh prefix and starts the installed game
# headless from an unrelated working folder: it must find its data in the
# prefix (or, for a build without generated data, stay in that folder),
# reach its start message and end by itself with 0. Also checks what the
# installation puts on a desktop: the entry, the icon and the manual page.
set -u
build=$1
prefix=$(mktemp -d)
elsewhere=$(mktemp -d)
trap 'rm -rf "$prefix" "$elsewhere"' EXIT
fail() { echo "install_prefix: $*"; exit 1; }

[ -x "$build/quorila" ] || { echo "no game in $build"; exit 77; }
cmake --build "$build" --target quorila_icon > /dev/null || fail "the icon was not made"
cmake --install "$build" --prefix "$prefix" > /dev/null || fail "cmake --install failed"

[ -x "$prefix/bin/quorila" ] || fail "no bin/quorila"
desktop=$prefix/share/applications/quorila.desktop
[ -f "$desktop" ] || fail "no desktop entry"
grep -qx 'Exec=quorila' "$desktop" || fail "the desktop entry does not start quorila"
if command -v desktop-file-validate > /dev/null; then
  hints=$(desktop-file-validate "$desktop" 2>&1) || fail "the desktop entry does not validate: $hints"
  [ -z "$hints" ] || fail "desktop-file-validate: $hints"
fi
icon=$prefix/share/icons/hicolor/48x48/apps/quorila.png
[ -f "$icon" ] || fail "no icon"
[ "$(head -c 8 "$icon" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the icon is no PNG"
if command -v pngcheck > /dev/null; then pngcheck -q "$icon" || fail "pngcheck rejects the icon"; fi
for size in 16 24 32 48 64 128 256; do
  [ -f "$prefix/share/icons/hicolor/${size}x$size/apps/quorila.png" ] || fail "no ${size}x$size icon"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/quorila.svg" ] || fail "no scalable icon"
metainfo=$prefix/share/metainfo/de.quorila.quorila.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo"
if command -v appstreamcli > /dev/null; then
  appstreamcli validate --no-net --pedantic "$metainfo" > /dev/null || fail "appstreamcli rejects the metainfo"
fi
[ -f "$prefix/share/man/man6/quorila.6" ] || fail "no manual page"
if command -v man > /dev/null; then
  man -l "$prefix/share/man/man6/quorila.6" 2> /dev/null | grep -q "results.csv" || fail "the manual page does not read"
fi

# The data the build made must all be in the prefix.
data=$prefix/share/quorila
want_folder=$elsewhere
if [ -d "$build/Bilder" ] && [ -d "$build/avatar" ] && [ -d "$build/sound" ]; then
  for part in Bilder avatar sound; do
    diff -rq "$build/$part" "$data/$part" > /dev/null || fail "share/quorila/$part differs from the build's"
  done
  for n in 1 2 3 4 5 6 7 8 9; do
    if [ -f "$build/geschafft$n.wav" ]; then cmp -s "$build/geschafft$n.wav" "$data/geschafft$n.wav" || fail "no geschafft$n.wav"; fi
  done
  want_folder=$(cd "$data" && pwd -P)
else
  echo "install_prefix: the build has no generated data; only the program is checked"
fi

# The teachers' report comes with the game, with its manual page; over a
# folder without logs it says so and ends with 1.
[ -x "$prefix/bin/quorila-report" ] || fail "no bin/quorila-report"
[ -f "$prefix/share/man/man1/quorila-report.1" ] || fail "no manual page of quorila-report"
"$prefix/bin/quorila-report" "$elsewhere" > /dev/null 2>&1
[ $? -eq 1 ] || fail "quorila-report over an empty folder did not end with 1"

# Started from elsewhere with the hook, the headless game ends by itself
# once it is ready.
out=$(cd "$elsewhere" && env QUORILA_TEST_HOOK=1 VQ_PLATFORM=headless XDG_DATA_HOME="$elsewhere/xdg" \
      timeout 60 "$prefix/bin/quorila" 2>&1)
status=$?
[ "$status" -eq 0 ] || { echo "$out"; fail "the installed game ended with $status"; }
printf '%s\n' "$out" | grep -qx "quorila-test: ready" || { echo "$out"; fail "the game never got ready"; }
got=$(printf '%s\n' "$out" | sed -n 's/^quorila-test: data folder //p')
[ "$(cd "$got" 2> /dev/null && pwd -P)" = "$(cd "$want_folder" && pwd -P)" ] ||
  fail "the game read its data from '$got', not from $want_folder"
echo "install_prefix: installed game ran from $elsewhere with its data in $got"
