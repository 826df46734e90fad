// Helpers shared by the image readers and writers; not part of the
// toolkit's interface.
//
// A reader is split in two: a header function that checks the file's
// fixed part and gives the picture's size, and a decoder that writes the
// pixels into a truecolor pixmap. vqimage_load puts the two together for
// every target format (directly, or through a temporary truecolor pixmap).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "vqpxmap.h"

// Every image-file diagnostic goes through here: one line, printed at once.
void vqimage_report(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Largest file a reader takes into memory.
constexpr size_t VQIMAGE_MAX_FILE = size_t(1) << 30;

// Reads the whole file; false with one line naming func when it cannot be
// opened, read, or is larger than VQIMAGE_MAX_FILE.
bool vqimage_read_whole(const char* func, const char* filename, std::vector<uint8_t>* out);

struct vqimage_codec {
  // Checks the fixed part of the file and gives the picture's size (both at
  // least 1); false with one line naming func otherwise.
  bool (*header)(const char* func, const uint8_t* bytes, size_t size, int* width, int* height);
  // Writes the picture's pixels into the truecolor pixmap pm with its
  // top-left pixel at x0, y0 (only inside pm). *rows: how many picture rows
  // from the top are complete. False with one line when the data end early
  // or cannot be decoded soundly; the pixels read so far stay.
  bool (*decode)(const char* func, const uint8_t* bytes, size_t size, vqpxmap* pm, int x0, int y0,
                 int* rows);
};

// Reads a picture into pm at x0, y0. Truecolor targets are written
// directly; palette8, server and directx targets through a temporary
// truecolor pixmap merged at x0, y0 over width x height (0 or -1: the whole
// picture). For palette8 the whole picture is converted to palette8 before
// the merge, so its colour reduction does not depend on the part visible. Other formats: "<func>: PX-Format %d not supported ...".
// options may carry transparentcolor= (hexadecimal).
bool vqimage_load(const vqimage_codec& codec, const char* func, const uint8_t* bytes, size_t size,
                  vqpxmap* pm, int x0, int y0, int width, int height, const char* options);
// The same for a file, taken into memory first.
bool vqimage_load_file(const vqimage_codec& codec, const char* func, const char* filename,
                       vqpxmap* pm, int x0, int y0, int width, int height, const char* options);

// The size checks of the readers, shared with vqgetpicturesizes; false
// with one line naming func.
bool vqbmp_sizes(const char* func, const uint8_t* bytes, size_t size, int* width, int* height);
bool vqpcx_sizes(const char* func, const uint8_t* bytes, size_t size, int* width, int* height);
bool vqppm_sizes(const char* func, const uint8_t* bytes, size_t size, int* width, int* height);

// Stores 0x00RRGGBB at (x, y) of a truecolor pixmap when that lies inside it.
inline void vqimage_put(vqpxmap* pm, int64_t x, int64_t y, uint32_t rgb) {
  if (x < 0 || y < 0 || x >= pm->width || y >= pm->height) return;
  reinterpret_cast<uint32_t*>(pm->data)[y * pm->width + x] = rgb;
}

inline uint32_t vqimage_le16(const uint8_t* p) { return p[0] | (uint32_t(p[1]) << 8); }
inline uint32_t vqimage_le32(const uint8_t* p) {
  return p[0] | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

// ---- writing ------------------------------------------------------------------

// Converts pm to truecolor in place (transparent pixels become black), as
// every writer of BMP, PCX and PPM does first. False (one line) for a
// pixmap that cannot be converted or holds no pixels.
bool vqimage_truecolor_for_writing(const char* func, vqpxmap* pm);
// Writes a whole file made in memory through vqimage_out.
bool vqimage_write_file(const char* func, const char* filename, const std::string& bytes);

// A file written through a buffer of 49152 bytes. A failed write is
// remembered; close() reports it once and removes the half-written file.
class vqimage_out {
 public:
  vqimage_out() = default;
  ~vqimage_out();
  vqimage_out(const vqimage_out&) = delete;
  vqimage_out& operator=(const vqimage_out&) = delete;

  bool open(const char* func, const char* filename);
  void byte(uint8_t b) {
    buffer_.push_back(b);
    if (buffer_.size() >= kPiece) flush();
  }
  void bytes(const uint8_t* p, size_t n);
  void le16(uint32_t v) { byte(uint8_t(v)); byte(uint8_t(v >> 8)); }
  void le32(uint32_t v) { le16(v & 0xFFFF); le16(v >> 16); }
  void text(const char* s);
  // Flushes and closes; false (one line) when anything failed.
  bool close();

 private:
  static constexpr size_t kPiece = 49152;
  void flush();
  FILE* file_ = nullptr;
  const char* func_ = "";
  std::vector<char> name_;
  std::vector<uint8_t> buffer_;
  bool failed_ = false;
};
