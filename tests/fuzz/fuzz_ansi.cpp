// Bytes from a program's output written into a small terminal on a panel of
// the headless back end: the first two bytes choose its size, scroll-back,
// word break, cursor, focus, whether it is drawn on the panel, whether
// drawing is suspended and whether the closing scrolls draw as they go;
// the rest goes through the escape decoder into the
// cells and onto the panel, written one by one and then once more as a
// string. Nothing may be read or written outside the cells or the pixmaps,
// and the cursor must stay where the next character can go.
//
// A drawn terminal draws each cell and each scroll as it happens only for
// the first bytes of an input, which already reach every way of drawing;
// the rest is written with drawing suspended and drawn once at the end, as
// a program's burst of output is. Redrawing the whole terminal on every
// scroll of a long input made the target many times slower.
#include "../controls/plain_host_test_util.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqterminal.h"
#include "vqview.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

PlainHost* g_host;
vqView* g_panel;

void check(const vqTerminal& t) {
  const vqterm_cells& c = t.cells;
  if (c.cursor_col < 0 || c.cursor_col >= c.columns || c.cursor_row < 0 || c.cursor_row > c.lines ||
      c.top_line < 0 || c.top_line > vqtermcells_maxtop(&c) || t.decoder.count != 0 ||
      t.decoder.length >= VQANSI_BUFFER || c.word_length > VQTERM_WORDMAX)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Unknown sequences are reported on standard output; keep the run quiet.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 0;
  setenv("VQ_PLATFORM", "headless", 1);
  // Just larger than the largest terminal (15 cells by 5 lines and a frame).
  g_host = new PlainHost(100, 76);
  g_panel = new vqView;
  vqgraphic_create(g_panel, "x=0,y=0,xs=100,ys=76,bgcolor=e0e0e0");
  vqgraphic_select(g_panel);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int columns = 1 + data[0] % 12;
  const int lines = 1 + (data[0] / 12) % 5;
  const int scrollback = (data[1] & 3) * 4;
  // The terminal's cell is 6 x 13 in the default font; the scroll bar takes 3 columns.
  const int xs = (columns + (scrollback > 0 ? 3 : 0)) * 6 + 4;
  // Drawing every cell and every scroll is slow; inputs without the drawing
  // bit go into a terminal that has no host to draw on.
  const bool drawn = (data[1] & 32) != 0;
  if (drawn) {
    vqcontainer_register(&g_host->pm, PlainHost::handler, g_host, 0xE0E0E0, false);
    vqgraphic_select(g_panel);
  } else {
    vqcontainer_remove(g_panel);
    vqcontainer_remove(g_host);
  }
  vqTerminal t;
  if (!vqterm_create(&t, "x=3,y=3,xs=%d,ys=%d,scrollback=%d%s%s", xs, lines * 13 + 4, scrollback,
                     (data[1] & 4) != 0 ? ",wordbreak" : "", (data[1] & 8) != 0 ? ",cursor" : ""))
    std::abort();
  if (t.cells.columns != columns || t.cells.visible_lines != lines) std::abort();
  if ((data[1] & 16) != 0) vqTerminal::command(&t, VQCMD_FOCUSIN, 0, 0, 0, 0, 0, 0, 0, 0);
  // From the 48th byte on, or throughout when the input asks for it, the
  // drawing is held back and done once at the end. The closing scrolls
  // redraw the whole terminal each; they draw as they go only in inputs
  // that ask for it.
  bool held = false;
  auto hold = [&] {
    if (!held) vqterm_suspend(&t);
    held = true;
  };
  if ((data[1] & 64) != 0) hold();
  constexpr size_t drawn_live = 48;
  for (size_t i = 2; i < size; ++i) {
    if (i == 2 + drawn_live) hold();
    vqterm_putc(&t, data[i]);
    check(t);
  }
  const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
  vqterm_write(&t, text.c_str());
  check(t);
  if ((data[1] & 128) == 0) hold();
  vqterm_pageup(&t);
  vqterm_lineup(&t);
  vqterm_scrollpercent(&t, data[1]);
  vqTerminal::command(&t, VQCMD_TIMER, 0, 0, 0, 0, 0, 0, 0, 0);
  if (held) vqterm_resume(&t);
  check(t);
  return 0;
}
