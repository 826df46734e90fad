// quorila-webfaces OUT.cpp [FONT ...]: asks the toolkit for the system fonts
// the game uses, exactly as the game asks for them, and writes every face
// the desktop's rasterizer opened for that, with every glyph it was asked
// for, as the table the web back end draws from (toolkit/platform/web/
// web_faces.h). The page then shows the desktop's glyph pixels without a
// rasterizer of its own.
//
// The platform's face calls are wrapped at link time (--wrap), so what is
// recorded is what the toolkit's font code really asked, request by request.
#include "vqfont.h"
#include "vqplatform_font.h"

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#define REAL_OPEN __real__Z20vqplatform_face_openPK23vqplatform_face_request
#define WRAP_OPEN __wrap__Z20vqplatform_face_openPK23vqplatform_face_request
#define REAL_METRICS __real__Z27vqplatform_face_get_metricsP15vqplatform_face
#define WRAP_METRICS __wrap__Z27vqplatform_face_get_metricsP15vqplatform_face
#define REAL_GLYPH __real__Z21vqplatform_face_glyphP15vqplatform_faceiP22vqplatform_glyph_image
#define WRAP_GLYPH __wrap__Z21vqplatform_face_glyphP15vqplatform_faceiP22vqplatform_glyph_image

extern "C" {
vqplatform_face* REAL_OPEN(const vqplatform_face_request* request);
vqplatform_face_metrics REAL_METRICS(vqplatform_face* face);
bool REAL_GLYPH(vqplatform_face* face, int code, vqplatform_glyph_image* out);
}

namespace {

struct glyph_record {
  vqplatform_glyph_image image;
  std::vector<uint8_t> pixels;
};

struct face_record {
  std::string face;
  int pixel_height, pixel_width;
  bool bold, italic;
  vqplatform_face_metrics metrics{};
  std::map<int, glyph_record> glyphs;
};

std::vector<face_record> g_faces;
std::map<vqplatform_face*, size_t> g_open;

bool same(const face_record& f, const vqplatform_face_request& r) {
  return f.face == r.face && f.pixel_height == r.pixel_height && f.pixel_width == r.pixel_width &&
         f.bold == r.bold && f.italic == r.italic;
}

}  // namespace

extern "C" {

vqplatform_face* WRAP_OPEN(const vqplatform_face_request* request) {
  vqplatform_face* face = REAL_OPEN(request);
  if (face == nullptr || request == nullptr || request->face == nullptr) return face;
  size_t index = 0;
  while (index < g_faces.size() && !same(g_faces[index], *request)) index++;
  if (index == g_faces.size())
    g_faces.push_back({request->face, request->pixel_height, request->pixel_width, request->bold, request->italic,
                       REAL_METRICS(face), {}});
  g_open[face] = index;
  return face;
}

vqplatform_face_metrics WRAP_METRICS(vqplatform_face* face) { return REAL_METRICS(face); }

bool WRAP_GLYPH(vqplatform_face* face, int code, vqplatform_glyph_image* out) {
  const bool found = REAL_GLYPH(face, code, out);
  auto open = g_open.find(face);
  if (found && open != g_open.end()) {
    glyph_record& g = g_faces[open->second].glyphs[code];
    g.image = *out;
    g.pixels.assign(out->pixels, out->pixels + static_cast<size_t>(out->width) * static_cast<size_t>(out->rows));
    g.image.pixels = nullptr;
  }
  return found;
}

}  // extern "C"

namespace {

std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (c < 32 || c > 126) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\%03o", c);
      out += octal;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

bool write_table(const char* path) {
  std::FILE* f = std::fopen(path, "w");
  if (f == nullptr) {
    std::printf("quorila-webfaces: cannot write %s\n", path);
    return false;
  }
  std::fprintf(f, "// Made by quorila-webfaces from the desktop's fonts; do not edit.\n#include \"web_faces.h\"\n\n");
  for (size_t i = 0; i < g_faces.size(); i++) {
    for (const auto& [code, g] : g_faces[i].glyphs) {
      std::fprintf(f, "static const uint8_t bits_%zu_%d[] = {", i, code);
      const size_t count = g.pixels.size();
      for (size_t byte = 0; byte * 8 < count; byte++) {
        unsigned value = 0;
        for (size_t bit = 0; bit < 8; bit++)
          if (byte * 8 + bit < count && g.pixels[byte * 8 + bit] != 0) value |= 0x80u >> bit;
        std::fprintf(f, "%s%u", byte % 24 == 0 ? "\n  " : "", value);
        std::fprintf(f, ",");
      }
      std::fprintf(f, "0};\n");
    }
    std::fprintf(f, "static const vqweb_glyph glyphs_%zu[] = {\n", i);
    for (const auto& [code, g] : g_faces[i].glyphs)
      std::fprintf(f, "  {%d, %d, %d, %d, %d, %d, bits_%zu_%d},\n", code, g.image.advance, g.image.left, g.image.top,
                   g.image.width, g.image.rows, i, code);
    std::fprintf(f, "};\n\n");
  }
  std::fprintf(f, "const vqweb_face vqweb_faces[] = {\n");
  for (size_t i = 0; i < g_faces.size(); i++) {
    const face_record& r = g_faces[i];
    std::fprintf(f, "  {%s, %d, %d, %s, %s, {%d, %d, %d, %d}, glyphs_%zu, %zu},\n", quoted(r.face).c_str(),
                 r.pixel_height, r.pixel_width, r.bold ? "true" : "false", r.italic ? "true" : "false",
                 r.metrics.ascent, r.metrics.descent, r.metrics.height, r.metrics.average_width, i, r.glyphs.size());
  }
  if (g_faces.empty()) std::fprintf(f, "  {},\n");
  std::fprintf(f, "};\nconst size_t vqweb_face_count = %zu;\n", g_faces.size());
  return std::fclose(f) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::printf("usage: quorila-webfaces OUT.cpp [FONT ...]\n");
    return 2;
  }
  for (int i = 2; i < argc; i++) {
    const int font = vqfont_get("%s", argv[i]);
    std::printf("quorila-webfaces: %s: %s\n", argv[i], font != 0 ? "rasterized" : "not on this desktop");
  }
  if (!write_table(argv[1])) return 1;
  std::printf("quorila-webfaces: %zu faces for the page\n", g_faces.size());
  return 0;
}
