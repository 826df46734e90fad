// Font rasterizing: a face is opened at a pixel size and its glyphs come
// back as one byte per pixel (1 = ink), rendered without smoothing. The
// toolkit turns these images into its own bitmap fonts; the font tools use
// the same calls to cut the compiled-in fonts from font files.
#pragma once

#include <cstdint>

struct vqplatform_face;

struct vqplatform_face_request {
  const char* face;    // a face name for the font matcher, or a font file path ("/...")
  int pixel_height;    // em height in pixels; 0 = the file's own bitmap size
  int pixel_width;     // em width in pixels; 0 = same as the height
  bool bold;
  bool italic;
};

struct vqplatform_face_metrics {
  int ascent;          // pixels above the baseline
  int descent;         // pixels below the baseline
  int height;          // line height (ascent + descent)
  int average_width;   // advance of 'x', or of the blank when 'x' is missing
};

struct vqplatform_glyph_image {
  int advance;         // pen advance in pixels
  int left;            // column of the image's left edge relative to the pen
  int top;             // rows from the image's top edge up to the baseline
  int width, rows;
  uint8_t* pixels;     // width * rows bytes, owned by the face until the next call
};

// Null with one diagnostic line when the face cannot be found or opened. A
// face name that the matcher can only answer with its general fallback face
// counts as not found.
vqplatform_face* vqplatform_face_open(const vqplatform_face_request* request);
void vqplatform_face_close(vqplatform_face* face);
vqplatform_face_metrics vqplatform_face_get_metrics(vqplatform_face* face);
// The glyph of a Unicode code point (Latin-1 codes are their own code
// points); false when the face has none for it.
bool vqplatform_face_glyph(vqplatform_face* face, int code, vqplatform_glyph_image* out);
