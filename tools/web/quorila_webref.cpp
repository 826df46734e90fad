// quorila-webref OUTDIR SCREEN_W SCREEN_H CLOCK: plays the start of a quiz on
// the headless screen as the browser test plays it in the page (level 2,
// N = 3, START) with the calendar held at CLOCK seconds, and saves what the
// window shows at the start and once the first task is up, as start.ppm and
// task.ppm (and PNG beside them to look at). The browser test compares the
// page's canvas with these, pixel for pixel.
#include "game_io.h"
#include "game_screen.h"
#include "vqcontrols.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqscript.h"
#include "../readme/window_picture.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

void game_main();

namespace {

std::string g_out;
int64_t g_clock = 0;
int g_phase = 0;
uint64_t g_since = 0;
int g_saved = 0;

int window() { return main_window.platform.handle; }

bool save(const char* name) {
  const std::vector<uint32_t>* screen = vqheadless_screen(window());
  vqheadless_window_info info;
  if (screen == nullptr || !vqheadless_window(window(), &info)) return false;
  const std::string base = g_out + "/" + name;
  std::FILE* f = std::fopen((base + ".ppm").c_str(), "wb");
  if (f == nullptr) return false;
  std::fprintf(f, "P6\n%d %d\n255\n", info.width, info.height);
  for (uint32_t p : *screen) {
    const unsigned char rgb[3] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                  static_cast<unsigned char>(p)};
    std::fwrite(rgb, 1, 3, f);
  }
  if (std::fclose(f) != 0) return false;
  window_picture_png(window(), base + ".png");
  std::printf("%s.ppm\n", base.c_str());
  ++g_saved;
  return true;
}

void click(int x, int y) {
  vqheadless_mouse_move(window(), x, y);
  vqheadless_click(window(), x, y);
  // The page's test leaves a user's pause after every click.
  vqheadless_advance(600);
}

template <typename control>
const control* find(const char* name) {
  return static_cast<const control*>(vqscript_findcontrol(&main_markup, name));
}

void next(int phase) {
  g_phase = phase;
  g_since = vqheadless_now();
}

bool waited(uint64_t ms) { return vqheadless_now() >= g_since + ms; }

void player(void*) {
  vqheadless_set_calendar(g_clock);   // held, as the page's clock= holds it
  if (!main_window.created) return;
  const std::string& term = game_io_term_text();
  switch (g_phase) {
    case 0:
      if (term.find("jetzt starten") != std::string::npos) next(1);
      break;
    case 1:
      if (waited(1500)) {
        save("start");
        const auto* level = find<vqUpDownControl>("udStufe");
        const auto* count = find<vqUpDownControl>("udAnzahlAufgaben");
        const auto* start = find<vqButton>("btStart");
        if (level == nullptr || count == nullptr || start == nullptr) return vqheadless_close_request(window());
        click(level->x + level->width - 7, level->y + level->height / 4);
        for (int i = 0; i < 9; ++i) click(count->x + count->width - 7, count->y + 3 * count->height / 4);
        click(start->x + start->width / 2, start->y + start->height / 2);
        vqheadless_set_calendar(g_clock);   // the clicks' pauses moved the clock on
        next(2);
      }
      break;
    case 2:
      if (term.find("??") != std::string::npos) next(3);
      break;
    case 3:
      if (waited(1500)) {
        save("task");
        vqheadless_close_request(window());
        next(4);
      }
      break;
    default: break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: quorila-webref OUTDIR SCREEN_W SCREEN_H CLOCK\n");
    return 2;
  }
  g_out = argv[1];
  g_clock = std::atoll(argv[4]);
  setenv("VQ_PLATFORM", "headless", 1);
  // Started first: starting sets the calendar from the real clock.
  vqplatform_start();
  vqheadless_set_screen_size(std::atoi(argv[2]), std::atoi(argv[3]));
  vqheadless_set_calendar(g_clock);
  vqheadless_set_idle_hook(player, nullptr);
  char data[] = "/tmp/quorila-webref-XXXXXX";
  if (mkdtemp(data) != nullptr) setenv("XDG_DATA_HOME", data, 1);
  static char name[] = "quorila";
  static char* args[] = {name, nullptr};
  vqframe_run(1, args, game_main);
  std::remove((std::string(data) + "/quorila/results.csv").c_str());
  std::remove((std::string(data) + "/quorila").c_str());
  std::remove(data);
  if (g_saved != 2) std::printf("quorila-webref: saved %d of 2 pictures\n", g_saved);
  return g_saved == 2 ? 0 : 1;
}
