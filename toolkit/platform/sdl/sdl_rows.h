// The rows of a window's picture as the stretching reads them: from the
// back buffer, except the rows that a present brings, which are taken
// straight from the caller's buffer and copied into the back buffer on the
// way, so that the picture is read from memory once per present.
#pragma once

#include "sdl_scale.h"

#include <cstdint>

class vqsdl_rows {
 public:
  // fresh may be null: then every row comes from back.
  vqsdl_rows(uint32_t* back, int w, const vqsdl_fresh* fresh);
  // Row `row` of the picture, with the fresh pixels in it; rows are asked
  // for in rising order (a row asked again is fine, an earlier one too once
  // it has been copied).
  const uint32_t* line(int row);
  // Copies the fresh rows that nobody asked for; call once, at the end.
  void finish();

 private:
  void copy(int row);
  uint32_t* back_;
  int w_;
  const vqsdl_fresh* fresh_;
  int next_ = 0, end_ = 0;     // fresh rows next_..end_ - 1 are still to be copied
  bool whole_rows_ = false;    // fresh rows span the width: read them where they are
};
