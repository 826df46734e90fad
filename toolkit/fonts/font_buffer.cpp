// A font text handed in as one buffer (a panel command carries it so): cut
// into lines, then registered like a compiled-in text.
#include "vqfont.h"

#include <cstdio>
#include <string>
#include <vector>

int vqfont_register_buffer(const char* text, size_t length) {
  if (!text) {
    printf("vqfont_register_buffer: no font text\n");
    return 0;
  }
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i <= length; ++i) {
    if (i == length || text[i] == '\n') {
      size_t end = i;
      if (end > start && text[end - 1] == '\r') --end;
      if (i < length || end > start) lines.emplace_back(text + start, end - start);
      start = i + 1;
    }
  }
  std::vector<const char*> pointers;
  for (const std::string& line : lines) pointers.push_back(line.c_str());
  pointers.push_back(nullptr);
  return vqfont_register_text(pointers.data());
}
