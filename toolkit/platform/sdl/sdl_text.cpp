// Latin-1 and UTF-8 conversion for titles and typed text.
#include "sdl_text.h"

std::string vqsdl_utf8_of_latin1(const char* text) {
  std::string out;
  if (text == nullptr) return out;
  for (const unsigned char* s = reinterpret_cast<const unsigned char*>(text); *s != 0; s++) {
    if (*s < 0x80) {
      out += static_cast<char>(*s);
    } else {
      out += static_cast<char>(0xC0 | (*s >> 6));
      out += static_cast<char>(0x80 | (*s & 0x3F));
    }
  }
  return out;
}

size_t vqsdl_latin1_of_utf8(const char* text, int* out, size_t max) {
  size_t count = 0;
  if (text == nullptr) return 0;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
  while (*s != 0 && count < max) {
    int length = *s < 0x80 ? 1 : (*s & 0xE0) == 0xC0 ? 2 : (*s & 0xF0) == 0xE0 ? 3 : (*s & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0) {   // a stray continuation byte or an invalid lead byte
      s++;
      continue;
    }
    long code = length == 1 ? *s : *s & (0x7F >> length);
    int taken = 1;
    while (taken < length && (s[taken] & 0xC0) == 0x80) code = (code << 6) | (s[taken++] & 0x3F);
    s += taken;
    if (taken < length) continue;                // cut short: drop what was read
    if (length == 2 && code < 0x80) continue;    // overlong form of an ASCII byte
    if (code < 256) out[count++] = static_cast<int>(code);
  }
  return count;
}
