// Bytes from a program's output written into a small terminal: the first
// two bytes choose its size, scroll-back and word break, the rest goes
// through the escape decoder into the cells. Nothing may be read or written
// outside the cells, and the cursor must stay where the next character can go.
#include "vqansi.h"
#include "vqtermcells.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // Unknown sequences are reported on standard output; keep the run quiet.
  if (std::freopen("/dev/null", "w", stdout) == nullptr) return 0;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const int columns = 1 + data[0] % 12;
  const int visible = 1 + (data[0] / 12) % 5;
  const int scrollback = (data[1] & 3) == 0 ? 0 : (data[1] & 3) * 4;
  vqterm_cells t;
  t.wordbreak = (data[1] & 4) != 0;
  if (!vqtermcells_allocate(&t, columns, visible, scrollback)) std::abort();
  vqAnsiDecoder d;
  for (size_t i = 2; i < size; ++i) {
    vqansi_input(&d, data[i]);
    int action, value;
    while (vqansi_take(&d, &action, &value)) vqtermcells_act(&t, action, value);
    if (t.cursor_col < 0 || t.cursor_col >= t.columns || t.cursor_row < 0 || t.cursor_row > t.lines ||
        t.top_line < 0 || t.top_line > vqtermcells_maxtop(&t) || d.count != 0 ||
        d.length >= VQANSI_BUFFER || t.word_length > VQTERM_WORDMAX)
      std::abort();
  }
  vqtermcells_free(&t);
  return 0;
}
