// Bytes from a program's output written into a small terminal on a panel of
// the headless back end: the first two bytes choose its size, scroll-back,
// word break, cursor, focus, whether it is drawn on the panel and whether
// drawing is suspended; the rest goes through the escape decoder into the
// cells and onto the panel, written one by one and then once more as a
// string. Nothing may be read or written outside the cells or the pixmaps,
// and the cursor must stay where the next character can go.
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
  g_host = new PlainHost(200, 120);
  g_panel = new vqView;
  vqgraphic_create(g_panel, "x=0,y=0,xs=200,ys=120,bgcolor=e0e0e0");
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
  if ((data[1] & 16) != 0) vqTerminal::command(&t, 2018, 0, 0, 0, 0, 0, 0, 0, 0);
  if ((data[1] & 64) != 0) vqterm_suspend(&t);
  for (size_t i = 2; i < size; ++i) {
    vqterm_putc(&t, data[i]);
    check(t);
  }
  const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
  vqterm_write(&t, text.c_str());
  check(t);
  vqterm_pageup(&t);
  vqterm_lineup(&t);
  vqterm_scrollpercent(&t, data[1]);
  vqTerminal::command(&t, 2029, 0, 0, 0, 0, 0, 0, 0, 0);
  if ((data[1] & 64) != 0) vqterm_resume(&t);
  check(t);
  return 0;
}
