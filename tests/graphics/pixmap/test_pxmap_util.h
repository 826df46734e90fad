// A pixmap that frees itself, for the pixmap tests.
#pragma once

#include "vqpxmap.h"

#include <gtest/gtest.h>

struct TestPixmap {
  vqpxmap pm;
  TestPixmap() { vqpxmap_init(&pm); }
  TestPixmap(int w, int h, int format) {
    vqpxmap_init(&pm);
    pm.width = w;
    pm.height = h;
    pm.format = format;
    EXPECT_TRUE(vqpxmap_allocate(&pm));
  }
  ~TestPixmap() { vqpxmap_free(&pm); }
  TestPixmap(const TestPixmap&) = delete;
  TestPixmap& operator=(const TestPixmap&) = delete;
  vqpxmap* operator->() { return &pm; }
  int32_t at(int x, int y) const { return vqpxmap_getpixel(&pm, x, y); }
};
