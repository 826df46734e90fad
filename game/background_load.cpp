// Loading the quiz's background picture (and the start picture, number 0)
// from the Bilder folder into the picture store.
#include "game_io.h"
#include "game_screen.h"
#include "picture_store.h"
#include "vqpicture.h"

#include <cstdio>

namespace {

const char* const background_names[3] = {"Bilder/videob_%d.bmp", "Bilder/videob_%d.jpg",
                                          "Bilder/videob_%d.png"};

void print_number(const char* format, int a, int b = 0, int c = 0) {
  char text[160];
  std::snprintf(text, sizeof text, format, a, b, c);
  game_term_print(text);
}

}  // namespace

bool load_background(int number) {
  vqpicture reader;
  bool loaded = false;
  if (vqpicture_open(&reader, background_names[0], number)) {
    print_number("\n TEST - bmp bld %d  %d/%d", number, reader.width, reader.height);
    warn_if_too_large(reader, store_columns, store_rows);
    store_picture(background_picture, reader);
    loaded = true;
  } else if (vqpicture_open(&reader, background_names[1], number) ||
             vqpicture_open(&reader, background_names[2], number)) {
    // Compressed pictures are held to a smaller size than BMP files.
    warn_if_too_large(reader, 6000, 4000);
    store_picture(background_picture, reader);
    loaded = true;
  } else {
    print_number("\n!!! NO Frame %d !!!!", number);
  }
  vqpicture_close(&reader);
  return loaded;
}
