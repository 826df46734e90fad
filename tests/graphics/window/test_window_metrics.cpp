// Screen and interface metrics by name, and the line an unknown name gives.
#include "test_window_util.h"
#include "vqfont.h"

#include <string>

namespace {

using WindowMetrics = WindowTest;

struct Metric {
  const char* name;
  int value;
};

// The headless desktop: a 1024 x 768 screen that is all work area, frames
// of 4 pixels, title bars of 20, scroll bars of 16.
TEST_F(WindowMetrics, ScreenMetricsByName) {
  const Metric cases[] = {
      {"screenxs", 1024},   {"screenys", 768},    {"windowbordersize", 4}, {"windowcaptionheight", 20},
      {"maxwindowxs", 1016}, {"maxwindowys", 744}, {"desktopy", 0},
  };
  for (const Metric& c : cases) {
    SCOPED_TRACE(c.name);
    testing::internal::CaptureStdout();
    EXPECT_EQ(vqscreen_metric(c.name), c.value);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
  }
}

TEST_F(WindowMetrics, InterfaceMetricsByName) {
  const Metric cases[] = {
      {"menuheight", 20},     {"toolbarheight", 20},   {"statusbarheight", vqfont_height(-1) + 8},
      {"scrollbarwidth", 16}, {"scrollbarheight", 16}, {"screenwidth", 1024},
      {"screenheight", 768},  {"screenxs", 1024},      {"screenys", 768},
      {"maxwindowxs", 1016},  {"maxwindowys", 744},    {"desktopy", 0},
  };
  for (const Metric& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(vqgui_metric(c.name), c.value);
  }
  EXPECT_EQ(vqgui_metric("statusbarheight"), 21);   // the 6x13 default font
}

TEST_F(WindowMetrics, UnknownNamesGiveZeroAndOneLine) {
  const struct {
    int (*metric)(const char*);
    const char* name;
    const char* line;
  } cases[] = {
      {vqscreen_metric, "screenwidth", "get setting: screenwidth\n"},
      {vqscreen_metric, "ScreenXS", "get setting: ScreenXS\n"},
      {vqscreen_metric, "", "get setting: \n"},
      {vqgui_metric, "windowbordersize", "guimetrics: windowbordersize\n"},
      {vqgui_metric, "menu", "guimetrics: menu\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::internal::CaptureStdout();
    EXPECT_EQ(c.metric(c.name), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.line);
  }
}

}  // namespace
