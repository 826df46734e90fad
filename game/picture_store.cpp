// The picture store's planes, storing an opened picture in them, and the
// size warning that loading gives.
#include "picture_store.h"

#include "game_io.h"
#include "vqevent.h"
#include "vqpicture.h"
#include "vqplatform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

picture_planes background_picture;
picture_planes avatar_picture;

namespace {

constexpr size_t plane_bytes = static_cast<size_t>(store_columns) * store_rows;

bool g_tried = false;
bool g_ready = false;

// calloc of a block this large maps fresh zero pages from the system and
// leaves them untouched, so nothing is resident until a picture is copied.
bool build_planes(picture_planes& p) {
  uint8_t* blocks[3];
  for (uint8_t*& b : blocks) {
    b = static_cast<uint8_t*>(std::calloc(plane_bytes, 1));
    if (b == nullptr) return false;
  }
  for (int x = 0; x < store_columns; ++x) {
    const size_t offset = static_cast<size_t>(store_rows) * x;
    p.red[x] = blocks[0] + offset;
    p.green[x] = blocks[1] + offset;
    p.blue[x] = blocks[2] + offset;
  }
  p.width = 0;
  p.height = 0;
  return true;
}

}  // namespace

void build_picture_store() {
  if (g_tried) return;
  g_tried = true;
  g_ready = build_planes(background_picture) && build_planes(avatar_picture);
  if (!g_ready) std::printf("build_picture_store: no memory for the picture planes\n");
}

bool picture_store_ready() { return g_ready; }

void store_picture(picture_planes& planes, const vqpicture& reader) {
  build_picture_store();
  if (!g_ready || !reader.open) return;
  const uint32_t* pixels = vqplatform_picture_pixels(reader.image);
  if (pixels == nullptr) return;
  const int width = std::min(reader.width, store_columns);
  const int height = std::min(reader.height, store_rows);
  planes.width = width;
  planes.height = height;
  copy_into_planes(planes, pixels, reader.width, width, height);
}

bool open_first_picture(vqpicture& reader, const char* const names[3], int number) {
  for (int i = 0; i < 3; ++i)
    if (vqpicture_open(&reader, names[i], number)) return true;
  return false;
}

void warn_if_too_large(const vqpicture& reader, int max_width, int max_height) {
  if (reader.width <= max_width && reader.height <= max_height) return;
  char text[160];
  std::snprintf(text, sizeof text, "\n WARNUNG Bild zu gro\xDF  %d/%d  maximal erlaubt 6000/4000 Pixel",
                reader.width, reader.height);
  game_term_print(text);
  vqwait(10.0);
}
