// Headless windows as the toolkit sees them through the platform layer:
// what they show can be read back, injected input reaches the window's
// procedure as the messages a desktop would send, and moving or sizing a
// window reports itself.
#include "vqheadless.h"
#include "vqplatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<vqplatform_msg> g_seen;

void record(void*, const vqplatform_msg* msg) { g_seen.push_back(*msg); }

class HeadlessWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(vqplatform_start());
    ASSERT_TRUE(vqplatform_is_headless());
    window = vqplatform_window_create("test", 10, 20, 40, 30, VQWIN_TITLE, record, nullptr);
    ASSERT_GT(window, 0);
    deliver();
  }
  void TearDown() override { vqplatform_window_destroy(window); }

  // Dispatches everything waiting and returns it.
  std::vector<vqplatform_msg> deliver() {
    g_seen.clear();
    vqplatform_msg msg;
    while (vqplatform_peek_message(&msg)) vqplatform_dispatch(&msg);
    return g_seen;
  }

  static std::vector<int> kinds(const std::vector<vqplatform_msg>& msgs) {
    std::vector<int> out;
    for (const vqplatform_msg& m : msgs) out.push_back(m.kind);
    return out;
  }

  int window = 0;
};

TEST_F(HeadlessWindow, ReadsBackWhatWasPresented) {
  std::vector<uint32_t> frame(50 * 40);
  for (size_t i = 0; i < frame.size(); i++) frame[i] = static_cast<uint32_t>(i) * 0x010203u & 0xFFFFFF;
  // A part only, from a buffer larger than the window.
  vqplatform_window_present(window, frame.data(), 50, 50, 40, 5, 6, 100, 7);
  std::vector<uint32_t> shown(45 * 32, 0xABCDEF);
  ASSERT_TRUE(vqplatform_window_readback(window, shown.data(), 45, 32));
  for (int y = 0; y < 32; y++)
    for (int x = 0; x < 45; x++) {
      uint32_t expected = x < 40 && y < 30 && x >= 5 && y >= 6 && y < 13 ? frame[y * 50 + x] : 0;
      ASSERT_EQ(shown[y * 45 + x], expected) << x << "," << y;
    }
  int w = 0, h = 0;
  ASSERT_TRUE(vqplatform_window_shown_size(window, &w, &h));
  EXPECT_EQ(w, 40);
  EXPECT_EQ(h, 30);
  EXPECT_FALSE(vqplatform_window_readback(window + 1000, shown.data(), 45, 32));
  EXPECT_FALSE(vqplatform_window_readback(window, nullptr, 45, 32));
  EXPECT_FALSE(vqplatform_window_readback(window, shown.data(), 0, 32));
}

TEST_F(HeadlessWindow, InjectedInputArrivesAsDesktopMessages) {
  struct Case {
    const char* name;
    void (*inject)(int window);
    std::vector<int> kinds;
  };
  const Case cases[] = {
      {"double click", [](int w) { vqheadless_double_click(w, 3, 4); },
       {VQMSG_BUTTONDOWN, VQMSG_BUTTONUP, VQMSG_DOUBLECLICK, VQMSG_BUTTONUP}},
      {"activation", [](int w) { vqheadless_focus(w, true); }, {VQMSG_ACTIVATE, VQMSG_FOCUS}},
      {"deactivation", [](int w) { vqheadless_focus(w, false); }, {VQMSG_DEACTIVATE, VQMSG_UNFOCUS}},
      {"minimise", [](int w) { vqheadless_show_state(w, VQMSG_MINIMIZE); }, {VQMSG_MINIMIZE}},
      {"not a show state", [](int w) { vqheadless_show_state(w, VQMSG_CLOSE); }, {}},
      {"expose", [](int w) { vqheadless_expose(w); }, {VQMSG_PAINT}},
      {"drop", [](int w) { vqheadless_drop_file(w, "/tmp/bild.bmp"); }, {VQMSG_DROPFILE}},
      {"unknown window", [](int w) { vqheadless_click(w + 1000, 1, 1); }, {}},
  };
  for (const Case& c : cases) {
    c.inject(window);
    EXPECT_EQ(kinds(deliver()), c.kinds) << c.name;
  }
  vqheadless_double_click(window, 3, 4, 3);
  std::vector<vqplatform_msg> seen = deliver();
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ(seen[2].button, 3);
  EXPECT_EQ(seen[2].x, 3);
  EXPECT_EQ(seen[2].y, 4);
  vqheadless_show_state(window, VQMSG_MAXIMIZE);
  vqheadless_expose(window);
  vqheadless_drop_file(window, "/tmp/bild.bmp");
  seen = deliver();
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].width * 1000 + seen[0].height, 40030);
  EXPECT_EQ(seen[1].width * 1000 + seen[1].height, 40030);
  EXPECT_STREQ(seen[2].text, "/tmp/bild.bmp");
}

TEST_F(HeadlessWindow, MovingAndSizingReportThemselves) {
  std::vector<uint32_t> frame(40 * 30, 0x123456);
  vqplatform_window_present(window, frame.data(), 40, 40, 30, 0, 0, 40, 30);

  vqplatform_window_move(window, 10, 20, 40, 30);   // where it is already
  EXPECT_TRUE(deliver().empty());

  vqplatform_window_move(window, 15, 25, 60, 20);
  std::vector<vqplatform_msg> seen = deliver();
  ASSERT_EQ(kinds(seen), (std::vector<int>{VQMSG_MOVE, VQMSG_SIZE}));
  EXPECT_EQ(seen[0].x * 1000 + seen[0].y, 15025);
  EXPECT_EQ(seen[1].width * 1000 + seen[1].height, 60020);
  int x = 0, y = 0, w = 0, h = 0;
  ASSERT_TRUE(vqplatform_window_position(window, &x, &y));
  ASSERT_TRUE(vqplatform_window_client_size(window, &w, &h));
  EXPECT_EQ(x * 1000 + y, 15025);
  EXPECT_EQ(w * 1000 + h, 60020);
  // What still fits of the picture stays; the new part is black.
  EXPECT_EQ(vqheadless_pixel(window, 39, 19), 0x123456u);
  EXPECT_EQ(vqheadless_pixel(window, 40, 0), 0u);

  vqheadless_user_resize(window, 50, 50);
  vqheadless_user_move(window, -5, 7);
  seen = deliver();
  ASSERT_EQ(kinds(seen), (std::vector<int>{VQMSG_SIZE, VQMSG_MOVE}));
  EXPECT_EQ(seen[0].width * 1000 + seen[0].height, 50050);
  EXPECT_EQ(seen[1].x, -5);
  ASSERT_TRUE(vqplatform_window_client_size(window, &w, &h));
  EXPECT_EQ(w * 1000 + h, 50050);
}

}  // namespace
