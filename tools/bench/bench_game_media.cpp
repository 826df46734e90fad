// Measures the game's picture work side by side with its references, in one
// run on the headless back end (processor time of the thread, median of
// several repetitions):
//   draw_background_veiled over the whole 1280 x 720 picture area, against a
//     plain loop computing the same pixels into an array (goals: under 15 ms,
//     at most 12 x);
//   draw_background_fit of a 4000 x 3000 picture, against the same kind of loop;
//   loading a 6000 x 4000 JPEG into the picture store, against the JPEG
//     decoder's own decode of the file alone (goal: at most 1.2 x);
//   resident memory: the store before and after pictures are loaded, and the
//     game idling after a quiz of 12 tasks, in a process of its own, on
//     6000 x 4000 pictures and on the pictures the build paints for it when
//     they lie in the build folder (goal: under 200 MB).
//   bench_game_media [repetitions]   (default 9)
// Exits 1 when a goal is missed.
#include "bench_measure.h"
#include "game_io.h"
#include "game_screen.h"
#include "picture_store.h"
#include "quiz_flow.h"
#include "vqcolor.h"
#include "vqcontrols.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqimagefile.h"
#include "vqpicture.h"
#include "vqplatform.h"
#include "vqplatform_bench.h"
#include "vqtarget.h"
#include "vqkeys.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int area_w = 1280, area_h = 720;

double resident_mb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmRSS:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  return 0;
}

// The picture reader tells of every picture it opens on standard output;
// the figures would drown in that.
struct quiet_stdout {
  int saved;
  quiet_stdout() {
    std::fflush(stdout);
    saved = dup(1);
    const int null_fd = open("/dev/null", O_WRONLY);
    dup2(null_fd, 1);
    close(null_fd);
  }
  ~quiet_stdout() {
    std::fflush(stdout);
    dup2(saved, 1);
    close(saved);
  }
};

bool report(const char* what, double game, double plain, double goal, bool* all_met) {
  const double ratio = plain > 0 ? game / plain : 0;
  const bool met = goal <= 0 || ratio <= goal;
  std::printf("%-44s game %8.2f ms  reference %8.2f ms  ratio %5.2f x", what, game, plain, ratio);
  if (goal > 0) std::printf("  (goal <= %g x: %s)", goal, met ? "met" : "MISSED");
  std::printf("\n");
  *all_met = *all_met && met;
  return met;
}

// A photograph's worth of detail for the codec: soft colour waves with a
// little grain.
std::vector<uint32_t> photo(int w, int h) {
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  uint32_t grain = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      grain = grain * 1103515245u + 12345u;
      const int n = static_cast<int>(grain >> 28) - 8;
      auto wave = [&](double a, double b) { return std::clamp(static_cast<int>(128 + 100 * std::sin(a) * std::cos(b)) + n, 0, 255); };
      pixels[static_cast<size_t>(y) * w + x] =
          vqrgb(wave(x / 310.0, y / 470.0), wave((x + y) / 520.0, y / 260.0), wave(x / 180.0 - y / 640.0, 0.3));
    }
  return pixels;
}

bool write_bmp(const char* file, const std::vector<uint32_t>& pixels, int w, int h) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = w;
  pm.height = h;
  pm.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&pm)) return false;
  std::memcpy(vqpxmap_rgbpixels(&pm), pixels.data(), pixels.size() * 4);
  const bool ok = vqpxmap_savetofile_bmp(&pm, file);
  vqpxmap_free(&pm);
  return ok;
}

// ---- the plain loops: the same pixels into an array ---------------------------

void veiled_plain(uint32_t* out) {
  const picture_planes& p = background_picture;
  const double s = std::min(p.width / 1280.0, p.height / 720.0), k = 1.0 / 1400;
  for (int y = 0; y < area_h; ++y)
    for (int x = 0; x < area_w; ++x) {
      const int sx = static_cast<int>(x * s), sy = static_cast<int>(y * s);
      const int r = static_cast<int>((p.red[sx][sy] - 255) * k * y + 255);
      const int g = static_cast<int>((p.green[sx][sy] - 255) * k * y + 255);
      const int b = static_cast<int>((p.blue[sx][sy] - 255) * k * y + 255);
      out[y * area_w + x] = static_cast<uint32_t>(r << 16 | g << 8 | b);
    }
}

void fit_plain(uint32_t* out) {
  const picture_planes& p = background_picture;
  const double f = std::min(1280.0 / p.width, 720.0 / p.height);
  const int columns = static_cast<int>(p.width * f), rows = static_cast<int>(p.height * f);
  const int n = f <= 0.5 ? static_cast<int>(1 / f) : 1;
  for (int i = 0; i < columns; ++i)
    for (int j = 0; j < rows; ++j) {
      const int sx = static_cast<int>(i / f), sy = static_cast<int>(j / f);
      if (sx > 5472 || sy > 3648) continue;
      int r = 0, g = 0, b = 0;
      for (int a = 0; a < n; ++a)
        for (int c = 0; c < n; ++c) {
          r += p.red[sx + a][sy + c];
          g += p.green[sx + a][sy + c];
          b += p.blue[sx + a][sy + c];
        }
      out[j * area_w + i] = static_cast<uint32_t>((r / (n * n)) << 16 | (g / (n * n)) << 8 | b / (n * n));
    }
}

// The panel's rows against the plain loop's: the figures only count if both
// sides made the same picture.
int differing_pixels(const std::vector<uint32_t>& plain) {
  int wrong = 0;
  for (int y = 0; y < main_panel.pixmap.height && y < area_h; ++y)
    for (int x = 0; x < area_w; ++x)
      wrong += (static_cast<uint32_t>(vqpxmap_getpixel(&main_panel.pixmap, x, y)) & 0xFFFFFF) != plain[y * area_w + x];
  return wrong;
}

template <typename F>
double time_ms(F run) {
  const double t0 = bench_thread_ms();
  run();
  return bench_thread_ms() - t0;
}

bool measure_drawing(int repetitions, bool* all_met) {
  std::vector<uint32_t> plain(static_cast<size_t>(area_w) * area_h);
  std::vector<double> game, reference;
  {
    quiet_stdout quiet;
    load_background(1);
  }
  for (int i = 0; i < repetitions; ++i) {
    game.push_back(time_ms(draw_background_veiled));
    reference.push_back(time_ms([&] { veiled_plain(plain.data()); }));
  }
  const int veiled_wrong = differing_pixels(plain);
  const double veiled_ms = bench_median(game);
  report("draw_background_veiled, 1920 x 1080 picture", veiled_ms, bench_median(reference), 12, all_met);
  const bool under = veiled_ms < 15;
  std::printf("%-44s %.2f ms (goal < 15 ms: %s)\n", "  veiled drawing alone", veiled_ms, under ? "met" : "MISSED");
  *all_met = *all_met && under && veiled_wrong == 0;

  {
    quiet_stdout quiet;
    load_background(2);
  }
  game.clear();
  reference.clear();
  for (int i = 0; i < repetitions; ++i) {
    vqfillrect(0, 0, area_w, area_h, 0xFFFFFF);
    game.push_back(time_ms(draw_background_fit));
    std::fill(plain.begin(), plain.end(), 0xFFFFFFu);
    reference.push_back(time_ms([&] { fit_plain(plain.data()); }));
  }
  const int fit_wrong = differing_pixels(plain);
  report("draw_background_fit, 4000 x 3000 picture", bench_median(game), bench_median(reference), 0, all_met);
  if (veiled_wrong != 0 || fit_wrong != 0)
    std::printf("the drawings differ from the plain loops: veiled %d, fit %d pixels\n", veiled_wrong, fit_wrong);
  *all_met = *all_met && fit_wrong == 0;
  return true;
}

void measure_loading(int repetitions, bool* all_met) {
  std::vector<double> game, decode, copy;
  repetitions = std::max(3, repetitions / 2);
  for (int i = 0; i < repetitions; ++i) {
    quiet_stdout quiet;
    game.push_back(time_ms([] { load_background(3); }));
    decode.push_back(time_ms([] { vqplatform_bench_decode("Bilder/videob_3.jpg", nullptr, nullptr); }));
    vqpicture reader;
    vqpicture_open(&reader, "Bilder/videob_3.jpg");
    copy.push_back(time_ms([&] { store_picture(background_picture, reader); }));
  }
  report("load_background, 6000 x 4000 JPEG", bench_median(game), bench_median(decode), 1.2, all_met);
  std::printf("%-44s %.2f ms (first load %.2f ms)\n", "  of it the copy into the store", bench_median(copy), game[0]);
}

// ---- the game idling after a quiz, in a process of its own ---------------------

struct idle_run {
  int phase = 0;
  uint64_t since = 0;
  double after_start = 0, after_quiz = 0;
} g_idle;

int window() { return main_window.platform.handle; }

void play(void*) {
  const uint64_t now = vqheadless_now();
  const std::string& term = game_io_term_text();
  switch (g_idle.phase) {
    case 0:
      if (term.find("Sie k\xF6nnen das Programm jetzt starten") == std::string::npos) return;
      g_idle.after_start = resident_mb();
      if (const auto* b = static_cast<const vqButton*>(vqscript_findcontrol(&main_markup, "btStart"))) {
        vqheadless_mouse_move(window(), b->x + b->width / 2, b->y + b->height / 2);
        vqheadless_click(window(), b->x + b->width / 2, b->y + b->height / 2);
      }
      g_idle = {1, now, g_idle.after_start, 0};
      return;
    case 1:
      // Every task is left with Escape; what is kept in memory does not
      // depend on the answers.
      if (term.find("neu starten ?") != std::string::npos) {
        g_idle.phase = 2;
        g_idle.since = now;
      } else if (now >= g_idle.since + 1500) {
        vqheadless_key(window(), VQKEY_ESCAPE, true);
        vqheadless_key(window(), VQKEY_ESCAPE, false);
        g_idle.since = now;
      }
      return;
    case 2:
      if (now < g_idle.since + 20000) return;
      g_idle.after_quiz = resident_mb();
      g_idle.phase = 3;
      vqheadless_close_request(window());
      return;
  }
}

void idle_game() {
  vqheadless_set_calendar(1700000000);
  vqheadless_set_idle_hook(play, nullptr);
  game_main();
  vqheadless_set_idle_hook(nullptr, nullptr);
}

int run_idle_game(const char* folder, const char* what) {
  if (chdir(folder) != 0) return 1;
  setenv("VQ_PLATFORM", "headless", 1);
  vqheadless_set_screen_size(1920, 1080);
  const int out = dup(1);
  int status = 0;
  {
    quiet_stdout quiet;
    static char name[] = "quorila";
    static char* argv[] = {name, nullptr};
    vqframe_run(1, argv, idle_game);
  }
  const bool met = g_idle.phase == 3 && g_idle.after_quiz > 0 && g_idle.after_quiz < 200;
  char line[320];
  std::snprintf(line, sizeof line,
                "resident memory of the game, %s:\n%-44s %.1f MB after start-up, %.1f MB idling after the quiz "
                "(goal < 200 MB: %s)\n",
                what, "", g_idle.after_start, g_idle.after_quiz,
                g_idle.phase < 3 ? "the quiz did not end" : met ? "met" : "MISSED");
  status = write(out, line, std::strlen(line)) > 0 && met ? 0 : 1;
  return status;
}

bool measure_idle_game(const std::filesystem::path& folder, const char* what, bool* all_met) {
  std::fflush(stdout);
  const pid_t child = fork();
  if (child == 0) {
    execl("/proc/self/exe", "bench_game_media", "--idle", folder.c_str(), what, nullptr);
    _exit(2);
  }
  int status = 0;
  waitpid(child, &status, 0);
  const bool met = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  *all_met = *all_met && met;
  return met;
}

// The files: a 1920 x 1080 and a 4000 x 3000 BMP, a 6000 x 4000 JPEG, and
// for the game every background number and avatar number on the JPEG and
// one small avatar.
bool make_pictures(const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  fs::create_directories(folder / "Bilder");
  fs::create_directories(folder / "game" / "Bilder");
  fs::create_directories(folder / "game" / "avatar");
  const std::string b = (folder / "Bilder").string();
  if (!write_bmp((b + "/videob_1.bmp").c_str(), photo(1920, 1080), 1920, 1080)) return false;
  if (!write_bmp((b + "/videob_2.bmp").c_str(), photo(4000, 3000), 4000, 3000)) return false;
  const std::vector<uint32_t> big = photo(6000, 4000);
  if (!vqplatform_bench_write_jpeg((b + "/videob_3.jpg").c_str(), big.data(), 6000, 4000, 90)) return false;
  if (!write_bmp((folder / "avatar.bmp").c_str(), photo(132, 162), 132, 162)) return false;
  for (int i = 0; i <= 100; ++i) {
    fs::create_symlink(folder / "Bilder" / "videob_3.jpg", folder / "game" / "Bilder" / ("videob_" + std::to_string(i) + ".jpg"));
    if (i > 0) fs::create_symlink(folder / "avatar.bmp", folder / "game" / "avatar" / ("videob_" + std::to_string(i) + ".bmp"));
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 3 && std::strcmp(argv[1], "--idle") == 0) return run_idle_game(argv[2], argv[3]);
  const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
  setenv("VQ_PLATFORM", "headless", 0);
  if (!vqplatform_start()) {
    std::printf("bench_game_media: platform did not start\n");
    return 1;
  }
  char name[] = "/tmp/quorila-bench-XXXXXX";
  if (mkdtemp(name) == nullptr) return 1;
  const std::filesystem::path folder = name;
  bool all_met = true;
  if (!make_pictures(folder)) {
    std::printf("bench_game_media: cannot write the pictures into %s\n", name);
    std::filesystem::remove_all(folder);
    return 1;
  }
  std::printf("back end: %s, %d repetitions, median of the thread's processor time\n", vqplatform_backend_name(),
              repetitions);
  measure_idle_game(folder / "game", "every picture 6000 x 4000", &all_met);
  // The pictures the build paints for the game lie beside the program.
  const std::filesystem::path beside = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path();
  if (std::filesystem::exists(beside / "Bilder" / "videob_1.png"))
    measure_idle_game(beside, "its own pictures", &all_met);

  std::filesystem::current_path(folder);
  const double before = resident_mb();
  build_picture_store();
  const double built = resident_mb();
  vqheadless_set_screen_size(1920, 1080);
  {
    quiet_stdout quiet;
    if (!open_main_screen()) return 1;
    setup_screen();
  }
  vqgraphic_select(&main_panel);
  measure_drawing(repetitions, &all_met);
  const double after_drawing = resident_mb();
  measure_loading(repetitions, &all_met);
  std::printf("%-44s %.1f MB before the store, %.1f MB with it, %.1f MB after the 4000 x 3000 picture, "
              "%.1f MB after the 6000 x 4000 one\n",
              "resident memory of this process", before, built, after_drawing, resident_mb());
  close_main_screen();
  std::filesystem::current_path("/");
  std::filesystem::remove_all(folder);
  return all_met ? 0 : 1;
}
