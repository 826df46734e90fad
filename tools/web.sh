#!/usr/bin/env bash
# Builds QUORILA for the browser into build/web/ (index.html, quorila.js,
# quorila.wasm and the game's data) and serves that folder on
# http://127.0.0.1:8080 until Ctrl+C.
#   bash tools/web.sh              build and serve
#   bash tools/web.sh --build-only build only (the tests do this)
#   VQ_WEB_PORT=8081               another port
# The folder is static: copy build/web/ to any web server as it is.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
serve=1
[ "${1:-}" = "--build-only" ] && serve=0

bash tools/install-deps.sh
command -v npm > /dev/null || { echo "web.sh: npm is missing (apt-get install npm)" >&2; exit 1; }
export PATH=/usr/lib/ccache:$PATH
# Debian's emscripten runs its optimiser with Debian's node modules.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
jobs=${VQ_JOBS:-$(nproc)}
site=$top/build/web

# The desktop build makes the data and rasterizes the system fonts the game
# asks for, so that the page shows the desktop's glyphs.
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$jobs" --target quorila_data quorila-webfaces
mkdir -p build/web-obj
faces=$top/build/web-obj/web_faces_data.cpp
# The system fonts the game names (the label font and the answer boxes' font).
(cd build/release && VQ_PLATFORM=headless ./tools/web/quorila-webfaces "$faces.new" \
   arial28 "Courier New,points=20,bold" > /dev/null)
if cmp -s "$faces.new" "$faces"; then rm "$faces.new"; else mv "$faces.new" "$faces"; fi

if [ ! -f build/web-obj/CMakeCache.txt ]; then
  launcher=()
  command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  emcmake cmake -S . -B build/web-obj -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
    -DVQ_WEB_SITE="$site" -DVQ_WEB_FACES="$faces" > /dev/null
fi
cmake --build build/web-obj -j"$jobs" --target quorila

# The page and the data; files.txt lists the data so that the page knows
# what the server holds without asking for every name the game tries.
# The pictures go to the page as JPEG: a quiz fetches its background, and
# each is held under 400 KB.
cp tools/web/index.html "$site/"
rm -rf "$site/avatar" "$site/sound"
cp -r build/release/avatar build/release/sound build/release/geschafft*.wav "$site/"
mkdir -p "$site/Bilder"
rm -f "$site"/Bilder/*.png
for png in build/release/Bilder/*.png; do
  jpg=$site/Bilder/$(basename "${png%.png}").jpg
  [ "$jpg" -nt "$png" ] || echo "$png $jpg"
done | xargs -r -n 2 -P "$jobs" sh -c '
  for quality in 85 75 65 55 45; do
    convert "$0" -strip -quality "$quality" "$1" && [ "$(stat -c %s "$1")" -lt 400000 ] && exit 0
  done
  echo "web.sh: $1 stays over 400 KB" >&2'
(cd "$site" && find Bilder avatar sound geschafft*.wav -type f | LC_ALL=C sort > files.txt)
echo "web.sh: $(du -sh "$site" | cut -f1) in $site"

[ "$serve" -eq 1 ] || exit 0
port=${VQ_WEB_PORT:-8080}
echo "QUORILA im Browser: http://127.0.0.1:$port/ öffnen (Strg+C beendet den Server)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" 2> /dev/null
