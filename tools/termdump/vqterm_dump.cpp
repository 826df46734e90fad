// vqterm-dump: writes its standard input, byte for byte, into a terminal of
// the given size and prints what the terminal then holds: the visible
// cells, the cursor and every coloured cell. For tests and for looking at
// what an escape sequence does. The terminal is a real one, drawn on a
// graphic panel on the headless back end; nothing reaches a screen.
#include "vqfont.h"
#include "vqplatform.h"
#include "vqtarget.h"
#include "vqterminal.h"
#include "vqview.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

const char usage[] =
    "usage: vqterm-dump --columns C --lines L [--scrollback N] [--wordbreak]\n"
    "\n"
    "Writes standard input, byte for byte, into a terminal of C columns (1-1000)\n"
    "and L visible lines (1-1000), with a scroll-back buffer of N lines (0-100000,\n"
    "default 0 = none) and word break if asked, then prints:\n"
    "  L lines of text: the visible cells, blanks kept to C columns\n"
    "  cursor=<column>,<row>        the cursor, row 0 = the first visible line\n"
    "  attr=<column>,<row>,<fg>,<bg> for every visible cell whose colour indexes\n"
    "                               are not both 0 (row by row, left to right)\n"
    "Messages about sequences the terminal does not know go to standard error.\n";

[[noreturn]] void fail(const char* problem, const char* detail) {
  std::fprintf(stderr, "vqterm-dump: %s%s (try --help)\n", problem, detail);
  std::exit(2);
}

int number(const char* name, const char* value, long lo, long hi) {
  if (value == nullptr) fail("missing value after ", name);
  errno = 0;
  char* end = nullptr;
  const long v = std::strtol(value, &end, 10);
  if (*value == 0 || errno != 0 || *end != 0 || v < lo || v > hi) {
    char detail[160];
    std::snprintf(detail, sizeof detail, "%s: '%.40s' (allowed %ld to %ld)", name, value, lo, hi);
    fail("bad value for ", detail);
  }
  return static_cast<int>(v);
}

struct options {
  int columns = -1, lines = -1, scrollback = -1;
  bool wordbreak = false;
};

options parse(int argc, char** argv) {
  options o;
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
    int* slot = nullptr;
    long lo = 1, hi = 1000;
    if (std::strcmp(a, "--help") == 0) {
      std::fputs(usage, stdout);
      std::exit(0);
    } else if (std::strcmp(a, "--wordbreak") == 0) {
      if (o.wordbreak) fail("repeated option ", a);
      o.wordbreak = true;
      continue;
    } else if (std::strcmp(a, "--columns") == 0) {
      slot = &o.columns;
    } else if (std::strcmp(a, "--lines") == 0) {
      slot = &o.lines;
    } else if (std::strcmp(a, "--scrollback") == 0) {
      slot = &o.scrollback;
      lo = 0;
      hi = 100000;
    } else {
      fail("unknown argument ", a);
    }
    if (*slot != -1) fail("repeated option ", a);
    *slot = number(a, v, lo, hi);
    ++i;
  }
  if (o.columns == -1) fail("missing --columns", "");
  if (o.lines == -1) fail("missing --lines", "");
  if (o.scrollback == -1) o.scrollback = 0;
  return o;
}

void dump(FILE* out, const vqterm_cells& t, int columns, int lines) {
  for (int r = 0; r < lines; ++r) {
    for (int c = 0; c < columns; ++c) {
      const vqterm_cell* cell = vqtermcells_at(&t, c, t.top_line + r);
      std::fputc(cell != nullptr ? cell->ch : ' ', out);
    }
    std::fputc('\n', out);
  }
  std::fprintf(out, "cursor=%d,%d\n", t.cursor_col, t.cursor_row - t.top_line);
  for (int r = 0; r < lines; ++r) {
    for (int c = 0; c < columns; ++c) {
      const vqterm_cell* cell = vqtermcells_at(&t, c, t.top_line + r);
      if (cell != nullptr && (cell->fg != 0 || cell->bg != 0))
        std::fprintf(out, "attr=%d,%d,%d,%d\n", c, r, cell->fg, cell->bg);
    }
  }
}

// The panel's host: a plain pixmap that shows nothing.
int host_handler(void*, int, int, int, int, int, int, int, int, int) { return 0; }

struct screen {
  vqpxmap host;
  vqView panel;
  vqTerminal term;
};

// A terminal of exactly that many columns and visible lines in the default
// font, on a panel just large enough for it.
void make_terminal(screen* s, const options& o) {
  const int cw = vqfont_charwidth(-1, 'w'), lh = vqfont_height(-1);
  int columns = o.columns;
  if (o.scrollback > 0) columns += VQVIEW_SCROLLBAR / cw + 1;   // room for the scroll bar
  const int w = columns * cw + 4, h = o.lines * lh + 4;
  vqpxmap_init(&s->host);
  s->host.width = w + 8;
  s->host.height = h + 8;
  s->host.format = VQPX_TRUECOLOR;
  if (!vqpxmap_allocate(&s->host)) fail("no terminal of that size", "");
  vqcontainer_register(&s->host, host_handler, &s->host, 0xE0E0E0, false);
  if (!vqgraphic_create(&s->panel, "x=0,y=0,xs=%d,ys=%d,bgcolor=e0e0e0", w + 8, h + 8))
    fail("no panel for the terminal", "");
  vqgraphic_select(&s->panel);
  if (!vqterm_create(&s->term, "x=4,y=4,xs=%d,ys=%d,scrollback=%d%s", w, h, o.scrollback,
                     o.wordbreak ? ",wordbreak" : ""))
    fail("no terminal of that size", "");
  if (vqterm_columns(&s->term) != o.columns || s->term.cells.visible_lines != o.lines)
    fail("the terminal came out in another size", "");
}

}  // namespace

int main(int argc, char** argv) {
  const options o = parse(argc, argv);
  // The terminal's own messages go to standard output like every toolkit
  // diagnostic; here standard output is the dump, so they go to standard
  // error instead.
  std::fflush(stdout);
  const int dump_fd = dup(1);
  FILE* out = dump_fd >= 0 ? fdopen(dump_fd, "w") : nullptr;
  if (out == nullptr || dup2(2, 1) < 0) fail("cannot set up the output", "");

  setenv("VQ_PLATFORM", "headless", 1);
  if (!vqplatform_start()) fail("the headless back end does not start", "");
  static screen s;
  make_terminal(&s, o);
  // Byte for byte, zero bytes included, with one redraw at the end.
  vqterm_suspend(&s.term);
  unsigned char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, stdin)) > 0)
    for (size_t i = 0; i < n; ++i) vqterm_putc(&s.term, chunk[i]);
  vqterm_resume(&s.term);
  std::fflush(stdout);
  dump(out, s.term.cells, o.columns, o.lines);
  return std::fclose(out) == 0 ? 0 : 1;
}
