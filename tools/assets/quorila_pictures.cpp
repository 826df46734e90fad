// quorila_pictures: paints the game's pictures into a folder: the start
// picture Bilder/videob_0.png, the backgrounds Bilder/videob_1 ... 100.png
// and the avatars avatar/videob_1 ... 100.png (1 glum ... 100 beaming).
// Every picture depends on its number alone, so the output is the same for
// any number of threads and any selection.
#include <time.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "art_paint.h"
#include "art_png.h"

namespace {

const char kUsage[] =
    "usage: quorila_pictures [--threads N] [--only LIST] FOLDER\n"
    "\n"
    "Writes FOLDER/Bilder/videob_0.png (the start picture), videob_1 ... videob_100.png\n"
    "(backgrounds, 1280 x 720) and FOLDER/avatar/videob_1 ... videob_100.png (132 x 162).\n"
    "--threads N  painters working at once (default: the processor count)\n"
    "--only LIST  only these pictures, e.g. b0,b17,a1,a100 (b: background, a: avatar)\n"
    "--times      print the processor seconds each picture took\n"
    "\n"
    "Exit status: 0 done, 1 a picture could not be written, 2 bad arguments.\n";

constexpr int kBackgroundWidth = 1280, kBackgroundHeight = 720;
constexpr int kAvatarWidth = 132, kAvatarHeight = 162;

// The order of painters for backgrounds 1, 2, ...: kinds alternate so that
// neighbouring numbers look unlike each other; fractals appear twice.
const art_painter kPainters[] = {
    art_paint_mountains, art_paint_mandelbrot, art_paint_plasma,    art_paint_hills,
    art_paint_julia,     art_paint_stained_glass, art_paint_sea,    art_paint_flow,
    art_paint_truchet,   art_paint_aurora,     art_paint_mandelbrot, art_paint_mandala,
    art_paint_dunes,     art_paint_paper,      art_paint_bokeh,     art_paint_julia,
};
constexpr int kPainterCount = int(sizeof kPainters / sizeof kPainters[0]);

struct job {
  bool avatar;
  int number;
};

bool paint_and_write(const job& j, const std::string& folder) {
  char file[4096];
  if (j.avatar) {
    art_canvas canvas(kAvatarWidth, kAvatarHeight);
    art_paint_avatar(canvas, j.number);
    std::snprintf(file, sizeof file, "%s/avatar/videob_%d.png", folder.c_str(), j.number);
    return art_png_write(file, art_to_bytes(canvas).data(), canvas.width, canvas.height);
  }
  art_canvas canvas(kBackgroundWidth, kBackgroundHeight);
  if (j.number == 0) {
    art_paint_title(canvas);
  } else {
    const int slot = (j.number - 1) % kPainterCount;
    // How many earlier backgrounds the same painter made.
    int variant = 0;
    for (int n = 1; n < j.number; ++n)
      if (kPainters[(n - 1) % kPainterCount] == kPainters[slot]) ++variant;
    art_rng rng(uint64_t(j.number) * 7919u + 17u);
    kPainters[slot](canvas, rng, variant);
  }
  std::snprintf(file, sizeof file, "%s/Bilder/videob_%d.png", folder.c_str(), j.number);
  return art_png_write(file, art_to_bytes(canvas).data(), canvas.width, canvas.height);
}

// "b0,b17,a5": false for anything else.
bool parse_only(const char* list, std::vector<job>& jobs) {
  std::string text = list;
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    if (item.size() < 2 || (item[0] != 'a' && item[0] != 'b')) return false;
    char* end = nullptr;
    const long n = std::strtol(item.c_str() + 1, &end, 10);
    const bool avatar = item[0] == 'a';
    if (*end != 0 || n < (avatar ? 1 : 0) || n > 100) return false;
    jobs.push_back({avatar, int(n)});
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return !jobs.empty();
}

// Processor time of the calling thread: on a busy machine the wall clock
// says little about what a picture costs.
double thread_seconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

int usage_error(const char* why) {
  std::fprintf(stderr, "quorila_pictures: %s (quorila_pictures --help explains)\n", why);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  int threads = int(std::thread::hardware_concurrency());
  std::vector<job> jobs;
  const char* folder = nullptr;
  bool times = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (std::strcmp(argv[i], "--threads") == 0 && i + 1 < argc) {
      threads = std::atoi(argv[++i]);
      if (threads < 1 || threads > 64) return usage_error("--threads takes 1 to 64");
    } else if (std::strcmp(argv[i], "--only") == 0 && i + 1 < argc) {
      if (!parse_only(argv[++i], jobs)) return usage_error("--only takes a list like b0,b17,a1");
    } else if (std::strcmp(argv[i], "--times") == 0) {
      times = true;
    } else if (argv[i][0] != '-' && !folder) {
      folder = argv[i];
    } else {
      return usage_error("unknown argument");
    }
  }
  if (!folder) return usage_error("no output folder");
  if (jobs.empty()) {
    for (int n = 0; n <= 100; ++n) jobs.push_back({false, n});
    for (int n = 1; n <= 100; ++n) jobs.push_back({true, n});
  }
  std::error_code error;
  for (const char* sub : {"Bilder", "avatar"}) {
    std::filesystem::create_directories(std::filesystem::path(folder) / sub, error);
    if (error) {
      std::printf("quorila_pictures: cannot make %s/%s: %s\n", folder, sub, error.message().c_str());
      return 1;
    }
  }
  if (threads < 1) threads = 1;
  if (threads > int(jobs.size())) threads = int(jobs.size());

  const auto start = std::chrono::steady_clock::now();
  std::atomic<size_t> next{0};
  std::atomic<int> failures{0};
  auto work = [&] {
    for (size_t i; (i = next++) < jobs.size();) {
      const double begun = thread_seconds();
      if (!paint_and_write(jobs[i], folder)) ++failures;
      if (times)
        std::printf("%c%d %.3f s\n", jobs[i].avatar ? 'a' : 'b', jobs[i].number, thread_seconds() - begun);
    }
  };
  std::vector<std::thread> workers;
  for (int t = 1; t < threads; ++t) workers.emplace_back(work);
  work();
  for (std::thread& t : workers) t.join();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("quorila_pictures: %zu pictures in %.1f s with %d threads\n", jobs.size(), seconds, threads);
  return failures == 0 ? 0 : 1;
}
