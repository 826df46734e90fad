// Formatting of option strings: literal percent signs survive printf.
#include "vqcfgstr.h"

#include <cstdio>
#include <string>

// How many bytes of format stand for one piece of the escaped copy, and
// whether that piece is a percent sign to be doubled. A "%%" is already a
// literal percent sign and stays as it is: '%' itself is below '0', and
// doubling its first half would leave the second to start a conversion.
static size_t escape_piece(const char* p, bool* twice) {
  *twice = false;
  if (*p != '%') return 1;
  if (p[1] == '%') return 2;
  *twice = (unsigned char)p[1] < '0' || p[1] == '>';
  return 1;
}

bool vqcfgstr_escape(char* out, size_t size, const char* format) {
  if (!out || size == 0) return false;
  size_t n = 0;
  for (const char* p = format ? format : ""; *p;) {
    bool twice;
    size_t take = escape_piece(p, &twice);
    size_t need = twice ? 2 : take;
    if (n + need >= size) {  // cut whole: never leave a lone half of "%%"
      out[n] = 0;
      return false;
    }
    for (size_t i = 0; i < take; ++i) out[n++] = *p++;
    if (twice) out[n++] = '%';
  }
  out[n] = 0;
  return true;
}

int vqcfgstr_vformat(char* out, size_t size, const char* format, va_list args) {
  if (!out || size == 0) return 0;
  std::string escaped;
  for (const char* p = format ? format : ""; *p;) {
    bool twice;
    size_t take = escape_piece(p, &twice);
    escaped.append(p, take);
    p += take;
    if (twice) escaped += '%';
  }
  int n = vsnprintf(out, size, escaped.c_str(), args);
  if (n < 0) {
    out[0] = 0;
    printf("vqcfgstr_format: bad format\n");
    return 0;
  }
  if ((size_t)n >= size) {
    // A text over the creator's buffer is the caller's error; vsnprintf has
    // cut it at size - 1, which is the safe outcome.
    printf("vqcfgstr_format: text too long\n");
    return (int)(size - 1);
  }
  return n;
}

int vqcfgstr_format(char* out, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int n = vqcfgstr_vformat(out, size, format, args);
  va_end(args);
  return n;
}
