#!/usr/bin/env bash
# The browser build's tests: builds build/web (tools/web.sh), installs the
# browser driver from tools/web's lock file, and runs the page in Debian's
# Chromium: the play-through at three screens, the same pixels as the
# headless screen, the robustness cases, and a second top-level window, all
# side by side in one browser (tests/web/all.mjs).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
cd "$top"
started=$(date +%s)
bash tools/web.sh --build-only
if ! command -v npm > /dev/null; then
  echo "web tests: npm is missing (apt-get install npm)" >&2
  exit 1
fi
if [ ! -d tools/web/node_modules ] || [ tools/web/package-lock.json -nt tools/web/node_modules ]; then
  (cd tools/web && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
  touch tools/web/node_modules
fi

# The other programs the tests serve: the headless reference of the same
# pixels, and a toolkit program with a second window. Debian's emscripten
# links with Debian's node modules.
cmake --build build/release -j"$(nproc)" --target quorila-webref > /dev/null
NODE_PATH=${NODE_PATH:-/usr/share/nodejs} PATH=/usr/lib/ccache:$PATH cmake --build build/web-obj -j"$(nproc)" --target web_windows > /dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# The same pixels need the same picture files: the page is served with the
# desktop's PNG data beside the program, as the headless game reads them.
clock=1700000000
mkdir -p "$work/site" "$work/reference"
for f in index.html quorila.js quorila.wasm; do ln -s "$top/build/web/$f" "$work/site/$f"; done
for f in Bilder avatar sound; do ln -s "$top/build/release/$f" "$work/site/$f"; done
ln -s "$top"/build/release/geschafft*.wav "$work/site/"
(cd build/release && find Bilder avatar sound geschafft*.wav -type f | LC_ALL=C sort > "$work/site/files.txt")
(cd build/release && ./tools/web/quorila-webref "$work/reference" 1280 800 "$clock" > /dev/null) || status=1

# The second window's program is served with the page under the game's
# names (the page loads quorila.js).
mkdir -p "$work/windows"
for f in quorila.js quorila.wasm; do ln -s "$top/build/web-obj/windows/$f" "$work/windows/$f"; done
ln -s "$top/tools/web/index.html" "$work/windows/index.html"

# One browser, every check in a page of its own beside the others: they
# mostly wait on the game's own time.
node tests/web/all.mjs play_through build/web -- same_pixels "$work/site" "$work/reference" 1280 800 "$clock" \
  -- robustness build/web -- windows "$work/windows" || status=1
echo "web tests: $(( $(date +%s) - started )) s"
exit "$status"
