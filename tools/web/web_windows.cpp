// Top-level windows in the page, for the browser test: the main window, then
// a second one that the toolkit places (centred on the screen, as a dialog
// opens) and a third opened without a position (the toolkit puts it at the
// screen's corner). Prints, on the page's console:
//   window main|second|third X Y W H  the client rectangle, once it shows
//   click main|second X Y             each left click, in that window's client pixels
//   closed third|second               Escape has closed the newest other window
//   escape main                       each Escape after that (the main window has the keys)
#include "vqtarget.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqwindow.h"

#include <cstdio>

namespace {

void report(const char* which, const vqWindow& window) {
  std::printf("window %s %d %d %d %d\n", which, window.platform.x, window.platform.y, window.layout.width,
              window.layout.height);
  std::fflush(stdout);
}

}  // namespace

void game_main() {
  static vqWindow main_window, second;
  if (!vqwindow_open(&main_window, "Fenster,x=50%,y=50%,xs=480,ys=320,bgcolor=d8d8d8")) vqexit(1);
  vqtext(10, 10, 0x000000, "Hauptfenster");
  vqpollevent();   // the program starts: the main window shows
  report("main", main_window);

  if (!vqwindow_open(&second, "Zweites Fenster,x=50%,y=50%,xs=200,ys=120,bgcolor=fff0c0")) vqexit(1);
  vqtext(10, 10, 0x000000, "Esc: schlie\xDF" "en");
  vqrefresh();   // the program runs: what is drawn now shows on refresh
  vqpollevent();
  report("second", second);

  static vqWindow third;
  if (!vqwindow_open(&third, "Drittes Fenster,xs=120,ys=60,bgcolor=c0f0ff")) vqexit(1);
  vqtext(10, 10, 0x000000, "Esc");
  vqrefresh();
  vqpollevent();
  report("third", third);

  bool third_open = true, second_open = true;
  while (vqrunning()) {
    int code = vqwaitevent();
    if (code == 27 && (third_open || second_open)) {
      vqwindow_close(third_open ? &third : &second);
      std::printf("closed %s\n", third_open ? "third" : "second");
      std::fflush(stdout);
      (third_open ? third_open : second_open) = false;
      continue;
    }
    if (code == 27) {
      std::printf("escape main\n");
      std::fflush(stdout);
      continue;
    }
    const char* which = code == main_window.events[VQEV_LEFTDOWN]                ? "main"
                        : second_open && code == second.events[VQEV_LEFTDOWN] ? "second"
                                                                               : nullptr;
    if (which == nullptr) continue;
    int x = 0, y = 0;
    vqgraphic_lastevent(&x, &y);   // each window's main panel is its whole client area
    std::printf("click %s %d %d\n", which, x, y);
    std::fflush(stdout);
  }
  vqwindow_close(&main_window);
}
