#!/usr/bin/env bash
# The real back end's tick source keeps a grid of one tick per period from
# the moment it starts: the count never runs ahead of the time that has
# passed (a first tick credited twice would end every first short wait one
# period early). A small probe is built against the build's platform library
# and samples the pending count for 300 ms of real time.
set -u
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
lib=$build/libvqplatform.a
[ -f "$lib" ] || { echo "no $lib"; exit 1; }
command -v pkg-config > /dev/null || { echo "pkg-config missing: skipped"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
flags=""
grep -q '^VQ_SANITIZE:BOOL=ON' "$build/CMakeCache.txt" && flags="-fsanitize=address,undefined"

cat > "$work/probe.cpp" << 'CPP'
#include "vqplatform.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

int main() {
  if (!vqplatform_start()) return 2;
  std::atomic<uint32_t> pending{0};
  const auto start = std::chrono::steady_clock::now();
  auto ms = [&] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  if (!vqplatform_ticks_start(10, 1, &pending)) return 2;
  int ahead = 0;
  uint32_t count = 0;
  for (double t = 0; t < 300; ) {
    count = pending.load();
    t = ms();  // read after the count: the count is never newer than t
    // Ticks may come late on a busy machine, never early; 3 ms allow for the
    // timer's whole-millisecond scheduling.
    if (count > static_cast<uint32_t>((t + 3) / 10)) {
      if (ahead++ < 5) std::printf("%u ticks after %.1f ms\n", count, t);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  vqplatform_ticks_stop();
  std::printf("%u ticks in 300 ms; %d samples ahead of the 10 ms grid\n", count, ahead);
  return ahead == 0 && count >= 15 ? 0 : 1;
}
CPP
# shellcheck disable=SC2086
c++ -std=c++20 -O1 $flags -I"$src/toolkit/platform" "$work/probe.cpp" "$lib" \
    $(pkg-config --libs sdl2 SDL2_image SDL2_mixer freetype2 fontconfig) -o "$work/probe" \
    || { echo "probe did not build"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY VQ_PLATFORM=sdl "$work/probe"
