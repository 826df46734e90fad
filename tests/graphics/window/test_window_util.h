// Shared by the window tests: a 1024 x 768 headless screen, the codes the
// queue holds, and what the headless back end knows of a window.
#pragma once

#include "vqevent.h"
#include "vqframe.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqwindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

// Pumps what the platform holds and takes every code from the queue.
inline std::vector<int> drain_events() {
  std::vector<int> codes;
  for (int code; (code = vqpollevent()) != 0;) codes.push_back(code);
  return codes;
}

inline vqheadless_window_info window_info(const vqWindow& window) {
  vqheadless_window_info info{};
  EXPECT_TRUE(vqheadless_window(window.platform.handle, &info)) << "window " << window.platform.handle;
  return info;
}

inline bool platform_window_open(int handle) {
  vqheadless_window_info info{};
  return vqheadless_window(handle, &info);
}

inline int presents_of(const vqWindow& window) { return window_info(window).presents; }

inline uint32_t shown_pixel(const vqWindow& window, int x, int y) {
  return vqheadless_pixel(window.platform.handle, x, y);
}

// The program counts as started here (the queue was pumped): windows show
// what is drawn. Tests of the time before the start run in a fresh process.
class WindowTest : public testing::Test {
 protected:
  void SetUp() override {
    setenv("VQ_PLATFORM", "headless", 0);
    ASSERT_TRUE(vqplatform_start());
    ASSERT_TRUE(vqplatform_is_headless());
    vqheadless_set_screen_size(1024, 768);
    drain_events();
  }
  void TearDown() override { drain_events(); }
};
