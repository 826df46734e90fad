// Time from the start of the program to its first frame on the screen: the
// game (game_main up to the moment its window is first shown), beside the
// toolkit's floor (a bare window of the same size shown at once) and, on
// the SDL back end, SDL's own window showing one frame.
//   bench_first_frame [runs]        (default 5; the median is printed)
// Every run is a fresh process (this program started again with --game,
// --window or --sdl), timed from just before its start to the line it
// prints after the frame; it also says how much of that passed in main.
#include "bench_measure.h"
#include "game_screen.h"
#include "quiz_flow.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqplatform.h"
#include "vqplatform_bench.h"
#include "vqtimer.h"
#include "vqwindow.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

extern char** environ;

namespace {

double g_main_start = 0;

void say_frame() {
  std::printf("frame %.1f\n", 1000.0 * (bench_wall_seconds() - g_main_start));
  std::fflush(stdout);
}

// A timer served in the game's first pump: by then the start of the
// program has sent the window its first refresh, which presents it.
int watch(void* object, int, int, int, int, int, int, int, int, int) {
  if (!vqframe_started() || !main_window.created) return 0;
  say_frame();
  vqtimer_remove(object, 0);
  vqquit();
  return 0;
}

int g_watch_object;

void game_until_first_frame() {
  vqtimer_set(watch, &g_watch_object, 1, 0);
  game_main();
}

int child(const char* mode, int argc, char** argv) {
  if (std::strcmp(mode, "--game") == 0) return vqframe_run(argc, argv, game_until_first_frame);
  vqinit(argc, argv);
  if (std::strcmp(mode, "--window") == 0) {
    vqWindow window;
    if (!vqwindow_open(&window, "bench_first_frame,x=50%,y=50%,xs=1305,ys=915,bgcolor=e0e0e0")) return 1;
    vqpollevent();   // the start: the window shows itself
    say_frame();
  } else {
    if (!vqplatform_bench_reference_open(0, 0, 1305, 915)) return 1;
    std::vector<uint32_t> frame(1305u * 915u, 0xE0E0E0);
    vqplatform_bench_reference_frame(frame.data(), 1305, 915);
    say_frame();
    vqplatform_bench_reference_close();
  }
  vqframe_orderly_exit(0);
  return 0;
}

struct timing {
  double from_start = -1, in_main = -1;
};

// Starts this program with mode and reads its "frame" line.
timing run_once(const char* self, const char* mode) {
  int out[2];
  timing t;
  if (pipe(out) != 0) return t;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char* args[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
  pid_t pid = 0;
  const double before = bench_wall_seconds();
  const bool started = posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, args, environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (!started) {
    close(out[0]);
    return t;
  }
  FILE* from = fdopen(out[0], "r");
  char line[256];
  while (std::fgets(line, sizeof line, from) != nullptr) {
    double ms = 0;
    if (std::sscanf(line, "frame %lf", &ms) == 1) {
      t.from_start = 1000.0 * (bench_wall_seconds() - before);
      t.in_main = ms;
    }
  }
  fclose(from);
  int status = 0;
  waitpid(pid, &status, 0);
  return t;
}

void report(const char* self, const char* mode, const char* what, int runs) {
  std::vector<timing> all;
  for (int i = 0; i < runs; ++i) {
    timing t = run_once(self, mode);
    if (t.from_start < 0) {
      std::printf("%-34s not measured (no frame)\n", what);
      return;
    }
    all.push_back(t);
  }
  std::sort(all.begin(), all.end(), [](const timing& a, const timing& b) { return a.from_start < b.from_start; });
  const timing& median = all[all.size() / 2];
  std::printf("%-34s %7.1f ms from the start (%.1f ms of it in main), median of %d\n", what, median.from_start,
              median.in_main, runs);
}

}  // namespace

int main(int argc, char** argv) {
  g_main_start = bench_wall_seconds();
  if (argc > 1 && argv[1][0] == '-') return child(argv[1], argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const char* platform = std::getenv("VQ_PLATFORM");
  std::printf("back end: %s\n", platform != nullptr ? platform : "sdl");
  report(argv[0], "--game", "game, start to first frame", runs);
  report(argv[0], "--window", "bare 1305 x 915 window", runs);
  if (platform == nullptr || std::strcmp(platform, "headless") != 0)
    report(argv[0], "--sdl", "SDL's own window, one frame", runs);
  return 0;
}
