// System fonts in the browser: no rasterizer runs in the page. The faces the
// program asks for are the ones the desktop build rasterized ahead of time
// (web_faces_data.cpp, made by quorila-webfaces from the desktop's fonts), so
// the page draws the same glyph pixels as the desktop.
#include "web_faces.h"
#include "vqplatform_font.h"

#include <cstdio>
#include <cstring>
#include <vector>

struct vqplatform_face {
  const vqweb_face* recorded;
  std::vector<uint8_t> pixels;
};

namespace {

bool same_request(const vqweb_face& f, const vqplatform_face_request& r) {
  return std::strcmp(f.face, r.face) == 0 && f.pixel_height == r.pixel_height && f.pixel_width == r.pixel_width &&
         f.bold == r.bold && f.italic == r.italic;
}

}  // namespace

vqplatform_face* vqplatform_face_open(const vqplatform_face_request* request) {
  if (request == nullptr || request->face == nullptr) return nullptr;
  for (size_t i = 0; i < vqweb_face_count; i++)
    if (same_request(vqweb_faces[i], *request)) return new vqplatform_face{&vqweb_faces[i], {}};
  std::printf("vqplatform_face_open: no face '%s' %d px rasterized for the page\n", request->face,
              request->pixel_height);
  return nullptr;
}

void vqplatform_face_close(vqplatform_face* face) { delete face; }

vqplatform_face_metrics vqplatform_face_get_metrics(vqplatform_face* face) {
  if (face == nullptr) return {};
  return face->recorded->metrics;
}

bool vqplatform_face_glyph(vqplatform_face* face, int code, vqplatform_glyph_image* out) {
  if (face == nullptr || out == nullptr) return false;
  const vqweb_face& f = *face->recorded;
  for (size_t i = 0; i < f.glyph_count; i++) {
    const vqweb_glyph& g = f.glyphs[i];
    if (g.code != code) continue;
    // The bits become the byte per pixel the interface hands out.
    face->pixels.assign(static_cast<size_t>(g.width) * static_cast<size_t>(g.rows), 0);
    for (size_t p = 0; p < face->pixels.size(); p++) face->pixels[p] = (g.bits[p / 8] >> (7 - p % 8)) & 1;
    *out = vqplatform_glyph_image{g.advance, g.left, g.top, g.width, g.rows, face->pixels.data()};
    return true;
  }
  return false;
}
