// The reference that loading a picture is measured against: the decoder's
// own decode of the file (for JPEG libjpeg-turbo into its plain 24-bit
// rows, one block for the whole picture; other formats SDL_image), with
// nothing of ours around it; and a JPEG writer, so that a benchmark can make
// the large photographs it loads.
#include "vqplatform_bench.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// Reads the file and decodes it the way the library's own example does;
// the reference is for well-formed files, so an error may end the process.
bool decode_jpeg(FILE* f, int* w, int* h) {
  std::fseek(f, 0, SEEK_END);
  std::vector<unsigned char> bytes(static_cast<size_t>(std::ftell(f)));
  std::rewind(f);
  if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) return false;
  jpeg_decompress_struct info;
  jpeg_error_mgr errors;
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), bytes.size());
  jpeg_read_header(&info, TRUE);
  jpeg_start_decompress(&info);
  const size_t stride = static_cast<size_t>(info.output_width) * info.output_components;
  unsigned char* pixels = new unsigned char[stride * info.output_height];
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = pixels + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  if (w) *w = static_cast<int>(info.output_width);
  if (h) *h = static_cast<int>(info.output_height);
  jpeg_destroy_decompress(&info);
  delete[] pixels;
  return true;
}

}  // namespace

bool vqplatform_bench_decode(const char* file, int* w, int* h) {
  FILE* f = std::fopen(file, "rb");
  if (f == nullptr) return false;
  const bool jpeg = std::fgetc(f) == 0xFF && std::fgetc(f) == 0xD8;
  bool ok = false;
  if (jpeg) ok = decode_jpeg(f, w, h);
  std::fclose(f);
  if (jpeg) return ok;
  IMG_Init(IMG_INIT_JPG | IMG_INIT_PNG);
  SDL_Surface* loaded = IMG_Load(file);
  if (loaded == nullptr) return false;
  if (w) *w = loaded->w;
  if (h) *h = loaded->h;
  SDL_FreeSurface(loaded);
  return true;
}

bool vqplatform_bench_write_jpeg(const char* file, const uint32_t* pixels, int w, int h, int quality) {
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), w, h, 32, w * 4,
                                                            SDL_PIXELFORMAT_RGB888);
  if (surface == nullptr) {
    std::printf("vqplatform_bench_write_jpeg: %s\n", SDL_GetError());
    return false;
  }
  const bool ok = IMG_SaveJPG(surface, file, quality) == 0;
  if (!ok) std::printf("vqplatform_bench_write_jpeg: %s\n", SDL_GetError());
  SDL_FreeSurface(surface);
  return ok;
}
