// Font rasterizing with FreeType, faces found by fontconfig. Monochrome
// rendering only: the toolkit's fonts are one bit deep, and hinting for a
// one-bit target gives the crisp stems a smoothed render would blur.
#include "vqplatform_font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include <fontconfig/fontconfig.h>

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <strings.h>
#include <vector>

struct vqplatform_face {
  FT_Face ft = nullptr;
  std::vector<uint8_t> pixels;
};

static FT_Library freetype_library() {
  static FT_Library library = nullptr;
  static bool failed = false;
  if (!library && !failed && FT_Init_FreeType(&library) != 0) {
    failed = true;
    library = nullptr;
  }
  return library;
}

static FcPattern* match_pattern(const char* family, bool bold, bool italic) {
  FcPattern* pattern = FcPatternCreate();
  if (family) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_OUTLINE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result;
  FcPattern* found = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  return found;
}

static std::string pattern_file(FcPattern* pattern, int* index) {
  FcChar8* file = nullptr;
  *index = 0;
  if (!pattern || FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch) return {};
  FcPatternGetInteger(pattern, FC_INDEX, 0, index);
  return reinterpret_cast<const char*>(file);
}

static bool family_is(FcPattern* pattern, const char* family) {
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &name) == FcResultMatch; ++i)
    if (strcasecmp(reinterpret_cast<const char*>(name), family) == 0) return true;
  return false;
}

// fontconfig always answers with some face. The answer is the asked face
// when it carries the family or differs from what a request without any
// family gets (an alias such as a metric-compatible replacement).
static bool matches_family(FcPattern* found, const char* family, bool bold, bool italic, const std::string& file,
                           int index) {
  if (family_is(found, family)) return true;
  FcPattern* fallback = match_pattern(nullptr, bold, italic);
  int fallback_index = 0;
  const bool same = pattern_file(fallback, &fallback_index) == file && fallback_index == index;
  if (fallback) FcPatternDestroy(fallback);
  return !same;
}

// A name with a size run into it ("arial28") names the face before it.
static std::string without_trailing_size(const char* family) {
  std::string stem(family);
  while (!stem.empty() && (isdigit(static_cast<unsigned char>(stem.back())) || stem.back() == ' ' ||
                           stem.back() == '-' || stem.back() == '_'))
    stem.pop_back();
  return stem;
}

// Like the desktop's font mapper, an unknown face is never refused: the
// face itself, else the face named without a size at its end, else the
// closest installed face by fontconfig's judgement (its default for the
// weight and slant).
static std::string find_face_file(const char* family, bool bold, bool italic, int* index) {
  if (!FcInit()) return {};
  FcPattern* found = match_pattern(family, bold, italic);
  std::string file = pattern_file(found, index);
  if (!file.empty() && !matches_family(found, family, bold, italic, file, *index)) {
    const std::string stem = without_trailing_size(family);
    if (!stem.empty() && stem != family) {
      FcPattern* by_stem = match_pattern(stem.c_str(), bold, italic);
      int stem_index = 0;
      const std::string stem_file = pattern_file(by_stem, &stem_index);
      if (!stem_file.empty() && matches_family(by_stem, stem.c_str(), bold, italic, stem_file, stem_index)) {
        file = stem_file;
        *index = stem_index;
      }
      if (by_stem) FcPatternDestroy(by_stem);
    }
  }
  if (found) FcPatternDestroy(found);
  return file;
}

vqplatform_face* vqplatform_face_open(const vqplatform_face_request* request) {
  if (!request || !request->face || !request->face[0]) return nullptr;
  FT_Library library = freetype_library();
  if (!library) {
    printf("vqplatform_face_open: no font library\n");
    return nullptr;
  }
  int index = 0;
  std::string file = request->face[0] == '/'
                         ? std::string(request->face)
                         : find_face_file(request->face, request->bold, request->italic, &index);
  if (file.empty()) {
    printf("vqplatform_face_open: no face %s\n", request->face);
    return nullptr;
  }
  FT_Face ft = nullptr;
  if (FT_New_Face(library, file.c_str(), index, &ft) != 0) {
    printf("vqplatform_face_open: cannot open %s\n", file.c_str());
    return nullptr;
  }
  FT_Error error;
  if (request->pixel_height <= 0) {
    error = ft->num_fixed_sizes > 0 ? FT_Select_Size(ft, 0) : FT_Set_Pixel_Sizes(ft, 0, 13);
  } else {
    error = FT_Set_Pixel_Sizes(ft, request->pixel_width > 0 ? request->pixel_width : 0,
                               request->pixel_height);
  }
  if (error != 0) {
    printf("vqplatform_face_open: size not available in %s\n", file.c_str());
    FT_Done_Face(ft);
    return nullptr;
  }
  FT_Select_Charmap(ft, FT_ENCODING_UNICODE);
  vqplatform_face* face = new vqplatform_face;
  face->ft = ft;
  return face;
}

void vqplatform_face_close(vqplatform_face* face) {
  if (!face) return;
  FT_Done_Face(face->ft);
  delete face;
}

vqplatform_face_metrics vqplatform_face_get_metrics(vqplatform_face* face) {
  vqplatform_face_metrics m{};
  if (!face) return m;
  const FT_Size_Metrics& s = face->ft->size->metrics;
  m.ascent = static_cast<int>((s.ascender + 63) >> 6);
  m.descent = static_cast<int>((-s.descender + 63) >> 6);
  m.height = m.ascent + m.descent;
  vqplatform_glyph_image x{};
  if (vqplatform_face_glyph(face, 'x', &x) || vqplatform_face_glyph(face, ' ', &x))
    m.average_width = x.advance;
  return m;
}

bool vqplatform_face_glyph(vqplatform_face* face, int code, vqplatform_glyph_image* out) {
  if (!face || !out || code < 0 || code > 0x10FFFF) return false;
  FT_UInt glyph_index = FT_Get_Char_Index(face->ft, static_cast<FT_ULong>(code));
  if (glyph_index == 0) return false;
  if (FT_Load_Glyph(face->ft, glyph_index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
    return false;
  FT_GlyphSlot slot = face->ft->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  int width = static_cast<int>(bitmap.width), rows = static_cast<int>(bitmap.rows);
  face->pixels.assign(static_cast<size_t>(width) * rows, 0);
  for (int y = 0; y < rows; ++y) {
    const unsigned char* row = bitmap.buffer + static_cast<ptrdiff_t>(y) * bitmap.pitch;
    for (int x = 0; x < width; ++x) {
      bool ink = bitmap.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] >> (7 - (x & 7))) & 1
                                                         : row[x] >= 128;
      face->pixels[static_cast<size_t>(y) * width + x] = ink ? 1 : 0;
    }
  }
  out->advance = static_cast<int>((slot->advance.x + 32) >> 6);
  out->left = slot->bitmap_left;
  out->top = slot->bitmap_top;
  out->width = width;
  out->rows = rows;
  out->pixels = face->pixels.data();
  return true;
}
