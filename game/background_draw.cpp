// The three ways the background picture is drawn into the picture area of
// the main panel: fitted whole (the start picture), covering the area washed
// out towards white (behind the tasks), and covering it in full colour (when
// a quiz is over).
#include "game_screen.h"
#include "picture_store.h"
#include "vqcolor.h"
#include "vqtarget.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The fitted drawing never reads beyond these source columns and rows.
constexpr int fit_last_column = 5472;
constexpr int fit_last_row = 3648;

constexpr double veil_step = 1.0 / 1400;

uint32_t stored(const picture_planes& p, int x, int y) {
  return vqrgb(p.red[x][y], p.green[x][y], p.blue[x][y]);
}

// n x n source pixels from (x, y), each channel averaged in integers. The
// block never leaves the picture; the clamp only guards against a rounding
// of the scale that would put its last row one past the end.
uint32_t block_average(const picture_planes& p, int x, int y, int n) {
  int red = 0, green = 0, blue = 0;
  for (int i = 0; i < n; ++i) {
    const int sx = std::min(x + i, p.width - 1);
    const uint8_t* r = p.red[sx];
    const uint8_t* g = p.green[sx];
    const uint8_t* b = p.blue[sx];
    for (int j = 0; j < n; ++j) {
      const int sy = std::min(y + j, p.height - 1);
      red += r[sy];
      green += g[sy];
      blue += b[sy];
    }
  }
  const int count = n * n;
  return vqrgb(red / count, green / count, blue / count);
}

bool have_picture() { return background_picture.width > 0 && background_picture.height > 0; }

// Source column of every column of the area, and the scale that maps the
// area onto the picture so that it covers the area.
double cover_scale(std::vector<int>& source_x) {
  const picture_planes& p = background_picture;
  const double s = std::min(static_cast<double>(p.width) / picture_area_width,
                            static_cast<double>(p.height) / picture_area_height);
  source_x.resize(static_cast<size_t>(std::max(picture_area_width, 0)));
  for (int x = 0; x < picture_area_width; ++x) source_x[x] = static_cast<int>(x * s);
  return s;
}

void fill_area_white() { vqfillrect(0, 0, picture_area_width, picture_area_height, 0xFFFFFF); }

// The area is drawn in bands of rows, column by column inside a band: a
// column of the planes holds a band's source bytes side by side, and the
// band's rows of the panel stay in the cache while its columns are drawn.
constexpr int band_rows = 32;

// Veiled, each channel value c of row y becomes trunc((c - 255) * k * y + 255)
// in floating point; all values of a row follow the same rule, so the 256
// results of each row of the band are worked out once.
void draw_covering(bool veiled) {
  if (!have_picture()) {
    fill_area_white();
    return;
  }
  std::vector<int> source_x;
  const double s = cover_scale(source_x);
  const picture_planes& p = background_picture;
  int source_y[band_rows];
  uint8_t shade[band_rows][256];
  for (int y0 = 0; y0 < picture_area_height; y0 += band_rows) {
    const int rows = std::min(band_rows, picture_area_height - y0);
    for (int j = 0; j < rows; ++j) {
      const int y = y0 + j;
      source_y[j] = static_cast<int>(y * s);
      for (int c = 0; c < 256; ++c)
        shade[j][c] = veiled ? static_cast<uint8_t>((c - 255) * veil_step * y + 255) : static_cast<uint8_t>(c);
    }
    for (int x = 0; x < picture_area_width; ++x) {
      const uint8_t* r = p.red[source_x[x]];
      const uint8_t* g = p.green[source_x[x]];
      const uint8_t* b = p.blue[source_x[x]];
      for (int j = 0; j < rows; ++j) {
        const int sy = source_y[j];
        vqpoint(x, y0 + j, static_cast<int32_t>(vqrgb(shade[j][r[sy]], shade[j][g[sy]], shade[j][b[sy]])));
      }
    }
  }
}

}  // namespace

void draw_background_fit() {
  const picture_planes& p = background_picture;
  if (!have_picture()) return;
  const double f = std::min(static_cast<double>(picture_area_width) / p.width,
                            static_cast<double>(picture_area_height) / p.height);
  const int columns = static_cast<int>(p.width * f);
  const int rows = static_cast<int>(p.height * f);
  const int n = f <= 0.5 ? static_cast<int>(1 / f) : 1;
  for (int i = 0; i < columns; ++i) {
    const int sx = static_cast<int>(i / f);
    if (sx > fit_last_column) continue;
    for (int j = 0; j < rows; ++j) {
      const int sy = static_cast<int>(j / f);
      if (sy > fit_last_row) continue;
      const uint32_t color = f <= 0.5 ? block_average(p, sx, sy, n) : stored(p, sx, sy);
      vqpoint(i, j, static_cast<int32_t>(color));
    }
  }
}

void draw_background_revealed() {
  vqgraphic_select(&main_panel);
  draw_covering(false);
}

void draw_background_veiled() { draw_covering(true); }
