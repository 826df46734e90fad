// The text layer of XPM: cutting a file into its string array, the header's
// size, and the alphabet of pixel codes.
#include <cstring>

#include "image_xpm_internal.h"

const char vqxpm_alphabet[] =
    " .+@*-()[]!#$%&'_/:;<>=?,{}0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ|^";

namespace {

constexpr int alphabet_size = sizeof vqxpm_alphabet - 1;
constexpr int code_base = 90;   // the second character of a two-character code counts modulo 90

bool line_break(uint8_t c) { return c == '\n' || c == '\r'; }

}  // namespace

std::string vqxpm_code(int value, int chars_per_pixel) {
  if (value < 0) return "";
  if (chars_per_pixel == 1) {
    if (value >= alphabet_size) return "";
    return std::string(1, vqxpm_alphabet[value]);
  }
  if (chars_per_pixel == 2 && value / code_base < alphabet_size)
    return {vqxpm_alphabet[value / code_base], vqxpm_alphabet[value % code_base]};
  return "";
}

// A string may be written in several quoted pieces ("ab" "cd"), which are
// joined as a C compiler would join them; only a comma outside quotes ends it.
vqxpm_strings vqxpm_split(const uint8_t* bytes, size_t size, size_t limit) {
  vqxpm_strings out;
  const uint8_t* first = static_cast<const uint8_t*>(memchr(bytes, '"', size));
  if (!first) return out;
  std::string current;
  bool inside = false, pending = false;
  for (size_t i = size_t(first - bytes); i < size; ++i) {
    uint8_t c = bytes[i];
    if (inside) {
      if (c == '"') {
        inside = false;
      } else if (line_break(c)) {
        out.unclosed = true;
        return out;
      } else {
        current.push_back(char(c));
      }
    } else if (c == '"') {
      inside = pending = true;
    } else if (c == ',' && pending) {
      out.items.push_back(std::move(current));
      current.clear();
      pending = false;
      if (out.items.size() >= limit) return out;
    }
  }
  if (inside) {
    out.unclosed = true;
    return out;
  }
  if (pending) out.items.push_back(std::move(current));
  return out;
}

int vqxpm_header_numbers(const char* text, size_t size, long* values, int wanted) {
  size_t i = 0;
  int count = 0;
  while (count < wanted) {
    while (i < size && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= size || text[i] < '0' || text[i] > '9') break;
    long value = 0;
    while (i < size && text[i] >= '0' && text[i] <= '9') {
      value = value * 10 + (text[i] - '0');
      if (value > vqxpm_number_limit) return -1;
      ++i;
    }
    // A number ends at a blank or at the end of the string, not at a letter.
    if (i < size && text[i] != ' ' && text[i] != '\t') return -1;
    values[count++] = value;
  }
  return count;
}

// The header is the first string as the reader cuts it, pieces joined.
bool vqxpm_read_sizes(const uint8_t* bytes, size_t size, int* w, int* h) {
  vqxpm_strings first = vqxpm_split(bytes, size, 1);
  if (first.items.empty()) return false;
  const std::string& header = first.items[0];
  long values[2];
  if (vqxpm_header_numbers(header.data(), header.size(), values, 2) != 2) return false;
  *w = int(values[0]);
  *h = int(values[1]);
  return true;
}
