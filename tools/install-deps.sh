#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing QUORILA need.
# Idempotent: asks apt only when something is missing, and says nothing when all is there.
set -eu

packages=(
  build-essential cmake pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libfreetype-dev libfontconfig-dev zlib1g-dev fonts-liberation xfonts-base
  libjpeg62-turbo-dev libpng-dev
  libgtest-dev clang libclang-rt-14-dev
  espeak-ng sox netpbm pngcheck ghostscript poppler-utils
  xvfb xdotool x11-apps
  emscripten binaryen chromium imagemagick nodejs
  librsvg2-bin debhelper dpkg-dev fakeroot lintian appstream desktop-file-utils
  libx11-dev openbox x11-utils
  # The test command's compiler cache: a second run (or a fresh clone beside
  # the first) compiles only what changed.
  ccache
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages (${missing[*]}); run this as root" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
