#include "series_support.h"

#include <cstdio>

namespace {

constexpr int32_t primes[56] = {0,   2,   3,   5,   7,   11,  13,  17,  19,  23,  29,  31,  37,  41,
                                43,  47,  53,  59,  61,  67,  71,  73,  79,  83,  89,  97,  101, 103,
                                107, 109, 113, 127, 131, 137, 139, 149, 151, 157, 163, 167, 173, 179,
                                181, 191, 193, 197, 199, 211, 223, 227, 229, 233, 239, 241, 251, 257};

constexpr int32_t composites[36] = {0,  4,  6,  8,  9,  10, 12, 14, 15, 16, 18, 20,
                                    21, 22, 24, 25, 26, 27, 28, 30, 32, 33, 34, 35,
                                    36, 38, 39, 40, 42, 44, 45, 46, 48, 49, 50, 51};

}  // namespace

int32_t prime_at(int32_t index) {
  if (index < 1 || index > 55) {
    std::printf("prime_at: index %d outside the table\n", index);
    return 0;
  }
  return primes[index];
}

int32_t composite_at(int32_t index) {
  if (index < 1 || index > 35) {
    std::printf("composite_at: index %d outside the table\n", index);
    return 0;
  }
  return composites[index];
}
