#!/usr/bin/env bash
# The real back end's tick source keeps a grid of one tick per period from
# the moment it starts: polled the way the program's pump polls it, the
# count never runs ahead of the time that has passed (a first tick credited
# twice would end every first short wait one period early) and never lags
# behind it by a whole period, and no thread is started for it. A small
# probe is built against the build's platform library and samples the
# pending count for 300 ms of real time.
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

#include <dirent.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

int threads() {
  int n = 0;
  if (DIR* dir = opendir("/proc/self/task")) {
    while (dirent* e = readdir(dir)) n += e->d_name[0] != '.';
    closedir(dir);
  }
  return n;
}

}  // namespace

int main() {
  if (!vqplatform_start()) return 2;
  std::atomic<uint32_t> pending{0};
  const int threads_before = threads();
  const auto start = std::chrono::steady_clock::now();
  auto ms = [&] {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  };
  if (!vqplatform_ticks_start(10, 1, &pending)) return 2;
  int ahead = 0, behind = 0;
  uint32_t count = 0;
  for (double t = 0; t < 300; ) {
    const double before = ms();   // the grid starts after this clock did
    vqplatform_ticks_poll();
    count = pending.load();
    t = ms();  // read after the count: the count is never newer than t
    // 1 ms allows for the grid being kept in another clock's units.
    if (count > static_cast<uint32_t>((t + 1) / 10)) {
      if (ahead++ < 5) std::printf("%u ticks after %.1f ms\n", count, t);
    }
    // The poll credits every period that ended before it; the grid began
    // at most 1 ms after this clock (no sleep between the two starts).
    if (before > 11 && count < static_cast<uint32_t>((before - 1) / 10)) {
      if (behind++ < 5) std::printf("only %u ticks when polled after %.1f ms\n", count, before);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
  const int threads_after = threads();
  vqplatform_ticks_stop();
  vqplatform_ticks_poll();   // stopped: no more counting
  const uint32_t stopped = pending.load();
  std::printf("%u ticks in 300 ms; %d samples ahead of the 10 ms grid, %d behind; threads %d before, %d while "
              "ticking; %u after the stop\n", count, ahead, behind, threads_before, threads_after, stopped - count);
  return ahead == 0 && behind == 0 && count >= 29 && threads_after == threads_before &&
                 stopped == count
             ? 0
             : 1;
}
CPP
# shellcheck disable=SC2086
c++ -std=c++20 -O1 $flags -I"$src/toolkit/platform" "$work/probe.cpp" "$lib" \
    $(pkg-config --libs sdl2 SDL2_image SDL2_mixer freetype2 fontconfig libjpeg libpng x11) -o "$work/probe" \
    || { echo "probe did not build"; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY VQ_PLATFORM=sdl "$work/probe"
