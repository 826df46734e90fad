// Every vqpxmap_setpoints call of the font drawing code passes through here
// (the test program is linked with the call wrapped), so a test can see how
// many calls a glyph took, in which colors, and whether a point left the surface.
#pragma once

#include <cstdint>
#include <vector>

struct SetpointsCall {
  int32_t color;
  int count;
  bool outside;   // some point lay outside the surface
};

std::vector<SetpointsCall>& setpoints_calls();
