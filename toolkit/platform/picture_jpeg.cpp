// JPEG decoding through libjpeg-turbo's own interface. Its extended colour
// spaces write each row as 32-bit pixels with 0xFF in the fourth byte, so
// the decoder fills the picture directly, in one pass, with no 24-bit copy
// to convert afterwards.
#include "picture_decode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// Little-endian words read B, G, R, X in memory; big-endian ones X, R, G, B.
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
constexpr J_COLOR_SPACE word_order = JCS_EXT_XRGB;
#else
constexpr J_COLOR_SPACE word_order = JCS_EXT_BGRX;
#endif

// A damaged progressive file may announce scan after scan, each a pass over
// the whole picture; real encoders write a dozen at most.
constexpr int max_scans = 500;

struct jpeg_job {
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  jpeg_progress_mgr progress;
  jmp_buf failed;
};

[[noreturn]] void give_up(j_common_ptr info) {
  longjmp(reinterpret_cast<jpeg_job*>(info->client_data)->failed, 1);
}

// A cut-off or partly damaged file is only warned about: the decoder fills
// what is missing with grey, and the picture is shown as far as it goes.
void ignore_message(j_common_ptr) {}

void limit_scans(j_common_ptr info) {
  auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number > max_scans) give_up(info);
}

void prepare(jpeg_job& job, const uint8_t* bytes, size_t size) {
  job.info.err = jpeg_std_error(&job.errors);
  job.errors.error_exit = give_up;
  job.errors.output_message = ignore_message;
  jpeg_create_decompress(&job.info);
  job.info.client_data = &job;
  job.progress.progress_monitor = limit_scans;
  job.info.progress = &job.progress;
  jpeg_mem_src(&job.info, bytes, static_cast<unsigned long>(size));
}

// Adobe's CMYK JPEGs store the inks inverted; the 32-bit row is turned into
// 0xFFRRGGBB in place while it is still in the cache.
void cmyk_row_to_rgb(uint32_t* row, int width) {
  auto* p = reinterpret_cast<uint8_t*>(row);
  for (int x = 0; x < width; ++x, p += 4) {
    const unsigned k = p[3];
    const uint32_t r = p[0] * k / 255, g = p[1] * k / 255, b = p[2] * k / 255;
    row[x] = 0xFF000000u | r << 16 | g << 8 | b;
  }
}

}  // namespace

bool picture_jpeg_size(const uint8_t* bytes, size_t size, int* width, int* height) {
  jpeg_job job;
  prepare(job, bytes, size);
  bool ok = false;
  if (setjmp(job.failed) == 0) {
    jpeg_read_header(&job.info, TRUE);
    *width = static_cast<int>(job.info.image_width);
    *height = static_cast<int>(job.info.image_height);
    ok = *width > 0 && *height > 0;
  }
  jpeg_destroy_decompress(&job.info);
  return ok;
}

uint32_t* picture_jpeg_decode(const uint8_t* bytes, size_t size, int* width, int* height) {
  jpeg_job job;
  prepare(job, bytes, size);
  // Set before setjmp and only read after it returns: kept in memory.
  uint32_t* volatile pixels = nullptr;
  volatile int w = 0, h = 0;
  if (setjmp(job.failed) != 0) {
    picture_pixels_delete(pixels, w, h);
    jpeg_destroy_decompress(&job.info);
    return nullptr;
  }
  jpeg_read_header(&job.info, TRUE);
  const bool cmyk = job.info.jpeg_color_space == JCS_CMYK || job.info.jpeg_color_space == JCS_YCCK;
  job.info.out_color_space = cmyk ? JCS_CMYK : word_order;
  jpeg_start_decompress(&job.info);
  if (job.info.output_components != 4 ||
      !picture_size_allowed(static_cast<int>(job.info.output_width), static_cast<int>(job.info.output_height)))
    give_up(reinterpret_cast<j_common_ptr>(&job.info));
  w = static_cast<int>(job.info.output_width);
  h = static_cast<int>(job.info.output_height);
  pixels = picture_pixels_new(w, h);
  if (pixels == nullptr) give_up(reinterpret_cast<j_common_ptr>(&job.info));
  while (job.info.output_scanline < job.info.output_height) {
    // Up to four rows at a time: the decoder hands out as many as one
    // pass of its upsampling makes.
    JSAMPROW rows[4];
    const JDIMENSION first = job.info.output_scanline;
    const JDIMENSION n = job.info.output_height - first < 4 ? job.info.output_height - first : 4;
    for (JDIMENSION i = 0; i < n; ++i)
      rows[i] = reinterpret_cast<JSAMPROW>(pixels + static_cast<size_t>(first + i) * w);
    const JDIMENSION got = jpeg_read_scanlines(&job.info, rows, n);
    if (got == 0) give_up(reinterpret_cast<j_common_ptr>(&job.info));
    if (cmyk)
      for (JDIMENSION i = 0; i < got; ++i) cmyk_row_to_rgb(pixels + static_cast<size_t>(first + i) * w, w);
  }
  jpeg_finish_decompress(&job.info);
  jpeg_destroy_decompress(&job.info);
  *width = w;
  *height = h;
  return pixels;
}
