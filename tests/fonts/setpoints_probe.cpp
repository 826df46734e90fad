#include "setpoints_probe.h"

#include "vqpxmap.h"

std::vector<SetpointsCall>& setpoints_calls() {
  static std::vector<SetpointsCall> calls;
  return calls;
}

// The linker sends calls of vqpxmap_setpoints here and names the original
// __real_...; these are the mangled names of the C++ function.
extern "C" bool __real__Z17vqpxmap_setpointsP7vqpxmapiPKiS2_i(vqpxmap*, int, const int*, const int*,
                                                              int32_t);
extern "C" bool __wrap__Z17vqpxmap_setpointsP7vqpxmapiPKiS2_i(vqpxmap* pm, int count, const int* xs,
                                                              const int* ys, int32_t color) {
  bool outside = false;
  for (int i = 0; i < count; ++i)
    outside = outside || xs[i] < 0 || ys[i] < 0 || xs[i] >= pm->width || ys[i] >= pm->height;
  setpoints_calls().push_back({color, count, outside});
  return __real__Z17vqpxmap_setpointsP7vqpxmapiPKiS2_i(pm, count, xs, ys, color);
}
