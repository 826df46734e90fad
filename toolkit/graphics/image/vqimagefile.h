// Image files: reading pictures into pixmaps and writing pixmaps to files.
//
// The type comes from the file name's extension. BMP, PCX, PPM and XPM are
// read and written here; PNG is written (stored deflate blocks); PS and PDF
// export a pixmap as a one-page document; JPEG and PNG (and BMP) are read
// through the picture reader (vqpicture.h).
//
// Every reader treats its file as hostile: a file it cannot read soundly is
// refused with one diagnostic line and false.
#pragma once

#include <cstddef>
#include <cstdint>

#include "vqpxmap.h"

enum vqimage_type {
  VQIMG_UNSUPPORTED = 0,
  VQIMG_PNG = 1,
  VQIMG_BMP = 2,
  VQIMG_XPM = 3,
  VQIMG_PPM = 4,
  VQIMG_PCX = 5,
  VQIMG_HTML = 6,
  VQIMG_WMF = 7,
  VQIMG_PS = 8,
  VQIMG_PDF = 9,
};

// Type code from the text after the last '.', any case.
int vqimage_type_of(const char* filename);

// Reads the file (first option token) into pm at x, y; width and height limit
// the merged rectangle for non-truecolor targets (0 or -1: whole picture).
// Options: transparentcolor=RRGGBB (hexadecimal) sets the transparent color;
// x=, y=, xs=, ys= replace x, y, width, height (negative positions count as 0).
bool vqgraphic_gloadintern_file(vqpxmap* pm, int x, int y, int width, int height,
                                const char* options);
// Reads only the picture's size (BMP, XPM, PPM, PCX).
bool vqgetpicturesizes(const char* filename, int* width, int* height);
// Writes pm by the type of the formatted option string's file name; ps and
// pdf take xoffset= and yoffset= (points from the page's top-left corner).
// Writers of BMP, PCX, PPM and PNG convert pm to truecolor in place first.
bool vqpxmap_savetofile(vqpxmap* pm, const char* options, ...);

// ---- the readers one by one (file and memory forms) ------------------------
// x0, y0: where the picture's top-left pixel goes in pm; options as above.

bool vqpxmap_loadfromfile_bmp(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options);
bool vqpxmap_loadfrommem_bmp(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options);
bool vqpxmap_loadfromfile_pcx(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options);
bool vqpxmap_loadfrommem_pcx(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options);
bool vqpxmap_loadfromfile_ppm(vqpxmap* pm, const char* filename, int x0, int y0, int width,
                              int height, const char* options);
bool vqpxmap_loadfrommem_ppm(vqpxmap* pm, const uint8_t* bytes, size_t size, int x0, int y0,
                             int width, int height, const char* options);
// XPM: a palette8 pixmap is created in pm (which must hold nothing).
bool vqpxmap_loadfromfile_xpm(vqpxmap* pm, const char* filename);
bool vqpxmap_loadfrommem_xpm(vqpxmap* pm, const uint8_t* bytes, size_t size);
// From an XPM string array (as in a C source that includes an XPM file).
bool vqpxmap_createfrommem_xpm(vqpxmap* pm, const char* const* strings, int count);

// Sizes from memory, as vqgetpicturesizes reads them from a file of that type.
bool vqgetpicturesizes_mem(int type, const uint8_t* bytes, size_t size, int* width, int* height);

// ---- the writers one by one --------------------------------------------------

bool vqpxmap_savetofile_bmp(vqpxmap* pm, const char* filename);
bool vqpxmap_savetofile_pcx(vqpxmap* pm, const char* filename);
bool vqpxmap_savetofile_ppm(vqpxmap* pm, const char* filename);
bool vqpxmap_savetofile_xpm(vqpxmap* pm, const char* filename);
bool vqpxmap_savetofile_png(vqpxmap* pm, const char* filename);
bool vqpxmap_savetofile_ps(vqpxmap* pm, const char* filename, int xoffset, int yoffset);
bool vqpxmap_savetofile_pdf(vqpxmap* pm, const char* filename, int xoffset, int yoffset);

// Checksums of the PNG writer.
uint32_t vqpng_crc32(uint32_t crc, const uint8_t* bytes, size_t size);   // start with 0
uint32_t vqpng_adler32(uint32_t adler, const uint8_t* bytes, size_t size); // start with 1
