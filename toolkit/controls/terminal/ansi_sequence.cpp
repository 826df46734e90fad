// Decoding one complete control sequence ("[" parameters final) into actions.
#include "ansi_internal.h"
#include "vqansi.h"

#include <cstdio>
#include <cstring>

namespace {

// Larger numbers mean nothing to any final; saturating here keeps a long
// run of digits from overflowing.
constexpr int parameter_limit = 65535;

struct sequence {
  int params[VQANSI_BUFFER];
  int count;         // parameters seen (a missing one counts as 0)
  int final_byte;
  bool question, bang;
};

void parse(const char* text, sequence* s) {
  std::memset(s, 0, sizeof *s);
  s->count = 1;
  for (const char* p = text + 1; *p != 0; ++p) {
    const unsigned char c = static_cast<unsigned char>(*p);
    if (c >= '0' && c <= '9') {
      int& v = s->params[s->count - 1];
      v = v * 10 + (c - '0');
      if (v > parameter_limit) v = parameter_limit;
    } else if (c == ';') {
      if (s->count < VQANSI_BUFFER) ++s->count;
    } else {
      if (c == '?') s->question = true;
      if (c == '!') s->bang = true;
      s->final_byte = c;
    }
  }
}

void modes(vqAnsiDecoder* d, const sequence& s, int on) {
  for (int i = 0; i < s.count; ++i) {
    const int p = s.params[i];
    if (s.question) {
      if (p == 1) vqansi_queue(d, VQANSI_CURSORKEYS, on);
      else if (p == 7) vqansi_queue(d, VQANSI_WRAPMODE, on);
      else if (p == 25) vqansi_queue(d, VQANSI_CURSORVISIBLE, on);
      // 47, 1000, 1047, 1048 and the rest: nothing to do.
    } else if (p == 4) {
      vqansi_queue(d, VQANSI_INSERTMODE, on);
    }
  }
}

void graphic_rendition(vqAnsiDecoder* d, const sequence& s) {
  if (s.params[0] == 0) {
    vqansi_queue(d, VQANSI_RESET, 0);
    return;
  }
  for (int i = 0; i < s.count; ++i) {
    const int p = s.params[i];
    if (p >= 30 && p <= 38) vqansi_queue(d, VQANSI_FOREGROUND, p - 30);
    else if (p >= 40 && p <= 48) vqansi_queue(d, VQANSI_BACKGROUND, p - 40);
    else if (p == 0) vqansi_queue(d, VQANSI_RESETPART, 0);
    else if (p == 1) vqansi_queue(d, VQANSI_BOLD, 0);
    else if (p == 39) vqansi_queue(d, VQANSI_DEFAULTFG, 0);
    else if (p == 49) vqansi_queue(d, VQANSI_DEFAULTBG, 0);
    else if (p == 7 || p == 27) vqansi_queue(d, VQANSI_REVERSE, 0);
  }
}

}  // namespace

void vqansi_unrecognised(const char* text) {
  // The sequence may hold any byte; control bytes would break the line.
  char shown[VQANSI_BUFFER];
  size_t n = 0;
  for (; text[n] != 0 && n < sizeof shown - 1; ++n) {
    const unsigned char c = static_cast<unsigned char>(text[n]);
    shown[n] = c < 32 || c == 127 ? '?' : static_cast<char>(c);
  }
  shown[n] = 0;
  std::printf("AnsiDecoder not recognized: %s\n", shown);
}

void vqansi_decode(vqAnsiDecoder* d) {
  sequence s;
  parse(d->buffer, &s);
  const int p1 = s.params[0];
  const int p2 = s.count > 1 ? s.params[1] : 0;
  switch (s.final_byte) {
    case '@': vqansi_queue(d, VQANSI_INSERTCHARS, p1); return;
    case 'A': vqansi_queue(d, VQANSI_UP, p1); return;
    case 'B': vqansi_queue(d, VQANSI_DOWN, p1); return;
    case 'C': vqansi_queue(d, VQANSI_RIGHT, p1); return;
    case 'D': vqansi_queue(d, VQANSI_LEFT, p1); return;
    case 'G': vqansi_queue(d, VQANSI_COLUMN, p1); return;
    case 'H':
      vqansi_queue(d, VQANSI_COLUMN, p2);
      vqansi_queue(d, VQANSI_ROW, p1);
      return;
    case 'J':
      if (p1 == 0) vqansi_queue(d, VQANSI_ERASEBELOW, 0);
      else if (p1 == 2) vqansi_queue(d, VQANSI_CLEARSCREEN, 0);
      return;
    case 'K':
      if (p1 <= 2) vqansi_queue(d, VQANSI_ERASELINEEND + p1, 0);
      return;
    case 'P': vqansi_queue(d, VQANSI_DELETECHARS, p1); return;
    case 'X': vqansi_queue(d, VQANSI_ERASECHARS, p1); return;
    case 'd': vqansi_queue(d, VQANSI_ROW, p1); return;
    case 'g': case 'r': return;
    case 'h': modes(d, s, 1); return;
    case 'l': modes(d, s, 0); return;
    case 'm': graphic_rendition(d, s); return;
    case 'p':
      if (s.bang) {
        d->shift_out = 0;
        vqansi_queue(d, VQANSI_CURSORKEYS, 0);
        vqansi_queue(d, VQANSI_WRAPMODE, 0);
        vqansi_queue(d, VQANSI_CURSORVISIBLE, 1);
        vqansi_queue(d, VQANSI_INSERTMODE, 1);
      }
      return;
    case 's': vqansi_queue(d, VQANSI_SAVECURSOR, 0); return;
    case 'u': vqansi_queue(d, VQANSI_RESTORECURSOR, 0); return;
    default: vqansi_unrecognised(d->buffer); return;
  }
}
