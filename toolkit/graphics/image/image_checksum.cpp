// The two checksums of a PNG file: CRC-32 over every chunk's type and data,
// Adler-32 over the uncompressed bytes of the zlib stream.
#include <array>

#include "vqimagefile.h"

namespace {

constexpr std::array<uint32_t, 256> make_crc_table() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<uint32_t, 256> crc_table = make_crc_table();

// The largest number of bytes whose sums cannot overflow 32 bits before the
// modulo has to be taken (255 n (n + 1) / 2 + (n + 1)(65521 - 1) < 2^32).
constexpr size_t adler_run = 5552;
constexpr uint32_t adler_base = 65521;

}  // namespace

// The running value is kept complemented between calls, so that a caller
// starts with 0 and may feed the bytes in pieces.
uint32_t vqpng_crc32(uint32_t crc, const uint8_t* bytes, size_t size) {
  uint32_t c = crc ^ 0xFFFFFFFFu;
  for (size_t i = 0; i < size; ++i) c = crc_table[(c ^ bytes[i]) & 0xFF] ^ (c >> 8);
  return c ^ 0xFFFFFFFFu;
}

uint32_t vqpng_adler32(uint32_t adler, const uint8_t* bytes, size_t size) {
  uint32_t a = adler & 0xFFFF, b = adler >> 16;
  while (size > 0) {
    size_t run = size < adler_run ? size : adler_run;
    size -= run;
    for (size_t i = 0; i < run; ++i) {
      a += bytes[i];
      b += a;
    }
    bytes += run;
    a %= adler_base;
    b %= adler_base;
  }
  return (b << 16) | a;
}
