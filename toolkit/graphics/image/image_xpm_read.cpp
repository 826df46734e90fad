// XPM reader: an XPM string array (from a file, from memory, or compiled in)
// becomes a palette8 pixmap; colour line i is palette entry i.
//
// Hostile input is refused (the pixmap is left as it was) while no pixel row
// is sound: no or a bad header, sizes outside 1..VQPX_MAX_SIDE, 256 colours
// or more, other than 1 or 2 characters per pixel, fewer colour lines than
// the header counts, a colour line without a colour. Once the first row is
// sound the pixmap is created and read up to the first fault (a missing or
// short row, a code not in the colour table); the pixels after the fault are
// transparent (index 255) and the result is false.
#include <cstdio>
#include <cstring>
#include <string_view>
#include <vector>

#include "image_xpm_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t max_file_bytes = size_t(1) << 29;
constexpr int16_t no_index = -1;

bool blank_or_control(char c) { return uint8_t(c) <= ' '; }

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool equal_nocase(std::string_view a, const char* b) {
  if (a.size() != strlen(b)) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if ((a[i] | 0x20) != b[i]) return false;
  return true;
}

// "#RRRRGGGGBBBB" (8 digits or more): the first two digits of each group of
// four; a shorter value is one number 0xRRGGBB.
int32_t hex_color(std::string_view digits_text) {
  size_t n = 0;
  while (n < digits_text.size() && hex_digit(digits_text[n]) >= 0) ++n;
  std::string_view digits = digits_text.substr(0, n);
  if (n >= 8) {
    int32_t color = 0;
    for (size_t group = 0; group < 3; ++group) {
      size_t at = group * 4;
      int component = at + 1 < n ? hex_digit(digits[at]) * 16 + hex_digit(digits[at + 1]) : 0;
      color = (color << 8) | component;
    }
    return color;
  }
  uint32_t value = 0;
  for (char c : digits) value = (value << 4) | uint32_t(hex_digit(c));
  return int32_t(value & 0xFFFFFF);
}

// The colour of a colour line: the value after the first key "c" (searched
// from the third character) that stands between blanks. -2 when the line has
// no such key; -1 for "None" (transparent).
int32_t line_color(std::string_view line) {
  for (size_t i = 2; i < line.size(); ++i) {
    if (line[i] != 'c' || !blank_or_control(line[i - 1])) continue;
    if (i + 1 < line.size() && !blank_or_control(line[i + 1])) continue;
    size_t start = i + 1;
    while (start < line.size() && blank_or_control(line[start])) ++start;
    size_t end = start;
    while (end < line.size() && !blank_or_control(line[end])) ++end;
    std::string_view value = line.substr(start, end - start);
    if (equal_nocase(value, "none")) return -1;
    if (!value.empty() && value[0] == '#') return hex_color(value.substr(1));
    return 0;   // colour names are not looked up
  }
  return -2;
}

struct code_table {
  int cpp;
  std::vector<int16_t> index;   // by the code's one or two bytes

  explicit code_table(int chars) : cpp(chars), index(chars == 1 ? 256 : 65536, no_index) {}
  size_t key(const char* code) const {
    return cpp == 1 ? uint8_t(code[0]) : size_t(uint8_t(code[0])) << 8 | uint8_t(code[1]);
  }
  void add(const char* code, int16_t value) {
    int16_t& slot = index[key(code)];
    if (slot == no_index) slot = value;   // the first line with a code wins
  }
  int16_t find(const char* code) const { return index[key(code)]; }
};

// Number of leading pixels of the row that are sound (width when all are).
int sound_pixels(std::string_view row, int width, const code_table& codes) {
  int complete = int(row.size() / size_t(codes.cpp));
  int limit = complete < width ? complete : width;
  for (int x = 0; x < limit; ++x)
    if (codes.find(row.data() + size_t(x) * codes.cpp) == no_index) return x;
  return limit;
}

// Returns true on a complete read; otherwise `problem` says why, and
// pm->data tells whether a partial pixmap was created.
bool build(vqpxmap* pm, const std::string_view* strings, size_t count, char* problem,
           size_t problem_size) {
  if (pm->data || pm->palette || pm->pixbuf) {
    snprintf(problem, problem_size, "pixmap is not empty");
    return false;
  }
  long head[4];
  if (count < 1 || vqxpm_header_numbers(strings[0].data(), strings[0].size(), head, 4) != 4) {
    snprintf(problem, problem_size, "no sound header");
    return false;
  }
  const long width = head[0], height = head[1], colors = head[2], cpp = head[3];
  if (colors >= 256) {
    snprintf(problem, problem_size, "too many colors (%ld)", colors);
    return false;
  }
  if (width < 1 || height < 1 || width > VQPX_MAX_SIDE || height > VQPX_MAX_SIDE) {
    snprintf(problem, problem_size, "size %ld x %ld not supported", width, height);
    return false;
  }
  if (colors < 1 || (cpp != 1 && cpp != 2)) {
    snprintf(problem, problem_size, "%ld colors with %ld characters per pixel not supported",
             colors, cpp);
    return false;
  }
  if (count < size_t(1 + colors)) {
    snprintf(problem, problem_size, "%ld colors announced, %zu colour lines found", colors,
             count - 1);
    return false;
  }
  code_table codes{int(cpp)};
  int32_t palette[256];
  for (long i = 0; i < colors; ++i) {
    std::string_view line = strings[1 + i];
    int32_t color = line.size() >= size_t(cpp) ? line_color(line) : -2;
    if (color == -2) {
      snprintf(problem, problem_size, "colour line %ld has no colour", i + 1);
      return false;
    }
    palette[i] = color < 0 ? 0 : color;
    codes.add(line.data(), color == -1 ? int16_t(VQPX_TRANSPARENT_INDEX) : int16_t(i));
  }
  const size_t first_row = size_t(1 + colors);
  if (count <= first_row || sound_pixels(strings[first_row], int(width), codes) < width) {
    snprintf(problem, problem_size, "first pixel row missing, short or with unknown codes");
    return false;
  }

  pm->width = int32_t(width);
  pm->height = int32_t(height);
  pm->format = VQPX_PALETTE8;
  if (!vqpxmap_allocate(pm)) {
    vqpxmap_init(pm);
    snprintf(problem, problem_size, "no memory for %ld x %ld pixels", width, height);
    return false;
  }
  for (long i = 0; i < colors; ++i) pm->palette[i] = uint32_t(palette[i]);
  memset(pm->data, VQPX_TRANSPARENT_INDEX, size_t(width) * size_t(height));
  for (long y = 0; y < height; ++y) {
    if (first_row + size_t(y) >= count) {
      snprintf(problem, problem_size, "only %ld of %ld pixel rows", y, height);
      return false;
    }
    std::string_view row = strings[first_row + size_t(y)];
    int sound = sound_pixels(row, int(width), codes);
    uint8_t* out = pm->data + size_t(y) * size_t(width);
    for (int x = 0; x < sound; ++x) out[x] = uint8_t(codes.find(row.data() + size_t(x) * cpp));
    if (sound < width) {
      snprintf(problem, problem_size, "pixel row %ld %s", y + 1,
               row.size() < size_t(width * cpp) && sound == int(row.size() / size_t(cpp))
                   ? "too short" : "has a code not in the colour table");
      return false;
    }
  }
  return true;
}

std::vector<uint8_t> read_whole_file(FILE* file, bool* too_large) {
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + n > max_file_bytes) {
      *too_large = true;
      break;
    }
    bytes.insert(bytes.end(), chunk, chunk + n);
  }
  return bytes;
}

bool load(vqpxmap* pm, const uint8_t* bytes, size_t size, const char* who) {
  vqxpm_strings split = vqxpm_split(bytes, size);
  std::vector<std::string_view> views(split.items.begin(), split.items.end());
  char problem[160];
  bool complete = build(pm, views.data(), views.size(), problem, sizeof problem);
  if (split.unclosed) {
    printf("%s: string %zu has no closing quote\n", who, views.size() + 1);
    return false;
  }
  if (!complete) printf("vqpxmap_createfrommem_xpm: %s\n", problem);
  return complete;
}

}  // namespace

bool vqpxmap_createfrommem_xpm(vqpxmap* pm, const char* const* strings, int count) {
  std::vector<std::string_view> views;
  for (int i = 0; i < count && strings && strings[i]; ++i) views.emplace_back(strings[i]);
  char problem[160];
  if (build(pm, views.data(), views.size(), problem, sizeof problem)) return true;
  printf("vqpxmap_createfrommem_xpm: %s\n", problem);
  return false;
}

bool vqpxmap_loadfrommem_xpm(vqpxmap* pm, const uint8_t* bytes, size_t size) {
  return load(pm, bytes, size, "vqpxmap_loadfrommem_xpm");
}

bool vqpxmap_loadfromfile_xpm(vqpxmap* pm, const char* filename) {
  FILE* file = fopen(filename, "rb");
  if (!file) {
    printf("vqpxmap_loadfromfile_xpm: cannot open %s\n", filename);
    return false;
  }
  bool too_large = false;
  std::vector<uint8_t> bytes = read_whole_file(file, &too_large);
  bool read_error = ferror(file) != 0;
  fclose(file);
  if (too_large || read_error) {
    printf("vqpxmap_loadfromfile_xpm: %s: %s\n", filename,
            too_large ? "file too large" : "read error");
    return false;
  }
  return load(pm, bytes.data(), bytes.size(), "vqpxmap_loadfromfile_xpm");
}
