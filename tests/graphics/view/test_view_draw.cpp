// Drawing commands on a panel: clipping, queries, copies, saving, and when
// the drawing reaches the host.
#include "view_test_util.h"

#include "vqimagefile.h"

#include <cstdio>
#include <string>

namespace {

constexpr int32_t kRed = 0xFF0000, kBlue = 0x0000FF;

struct Drawing : testing::Test {
  TestHost host;
  vqView v;
  void SetUp() override {
    drain_codes();   // sets up the queue: the program counts as started
    vqrefresh_clear();
  }
};

TEST_F(Drawing, GetPixelOutsideThePixmapIsMinusOne) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=30,ys=20,bgcolor=0000ff"));
  const int outside[][2] = {{-1, 0}, {0, -1}, {30, 0}, {0, 20}, {-100000, 5}, {5, 1 << 30}};
  for (const auto& p : outside) EXPECT_EQ(vqgetpixel(p[0], p[1]), -1) << p[0] << "," << p[1];
  EXPECT_EQ(vqgetpixel(29, 19), kBlue);
}

TEST_F(Drawing, CommandsClipToThePixmap) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=10,ys=10,bgcolor=000000"));
  vqfillrect(-5, 8, 100, 100, kRed);
  vqpoint(10, 3, kRed);
  vqpoint(-1, 3, kRed);
  vqline(-20, 5, 40, 5, kBlue);
  for (int x = 0; x < 10; x++) {
    EXPECT_EQ(vqgetpixel(x, 9), kRed);
    EXPECT_EQ(vqgetpixel(x, 7), 0);
    EXPECT_EQ(vqgetpixel(x, 5), kBlue);
  }
  EXPECT_EQ(vqgetpixel(9, 3), 0);
  EXPECT_EQ(vqgetpixel(0, 3), 0);
}

TEST_F(Drawing, TwoThousandPointsRefreshAtMostEveryTwoHundredMsAndRefreshShowsAtOnce) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=100,ys=100,bgcolor=000000"));
  size_t after_create = host.shown.size();
  for (int i = 0; i < 2000; i++) {
    vqpoint(i % 100, i / 100, kRed);
    if (i % 10 == 9) run_for(1);   // 200 ms of virtual time in all
  }
  ASSERT_GE(host.shown.size(), after_create + 1) << "the deferred refresh never came";
  for (size_t i = after_create + 1; i < host.shown_at.size(); i++)
    EXPECT_GE(host.shown_at[i] - host.shown_at[i - 1], 200u);
  EXPECT_LE(host.shown.size() - after_create, 2u);
  run_for(250);   // points after a served refresh are listed again
  EXPECT_EQ(host.at(99, 19), static_cast<uint32_t>(kRed));
  // A new point has not reached the host yet; VQCMD_REFRESHNOW brings it now.
  vqpoint(99, 99, kBlue);
  EXPECT_NE(host.at(99, 99), static_cast<uint32_t>(kBlue));
  size_t before = host.shown.size();
  vqrefresh();
  EXPECT_EQ(host.shown.size(), before + 1);
  EXPECT_EQ(host.at(99, 99), static_cast<uint32_t>(kBlue));
  EXPECT_EQ(vqrefresh_pending(), 0);
}

TEST_F(Drawing, PointsWrittenInPlaceFollowThePixmapsSize) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=100,ys=100,bgcolor=000000"));
  vqpoint(1, 1, kRed);   // listed: the next points are written in place
  ASSERT_TRUE(vqpxmap_resize(vqtargetpixmap(), 10, 10));
  vqpoint(50, 50, kRed);
  vqpoint(9, 9, kRed);
  EXPECT_EQ(vqgetpixel(9, 9), kRed);
  vqgraphic_destroy(&v);
  EXPECT_EQ(vqpoint(9, 9, kRed), 0);
}

TEST_F(Drawing, DrawoffDrawsNothingToTheHostUntilRefresh) {
  ASSERT_TRUE(vqgraphic_create(&v, "x=4,y=4,xs=50,ys=50,drawoff,bgcolor=000000"));
  size_t after_create = host.shown.size();
  vqfillrect(0, 0, 50, 50, kRed);
  vqline(0, 0, 49, 49, kBlue);
  run_for(1000);
  EXPECT_EQ(host.shown.size(), after_create);
  EXPECT_EQ(host.at(20, 10), 0u);
  vqrefresh();
  EXPECT_EQ(host.shown.size(), after_create + 1);
  EXPECT_EQ(host.at(20, 10), static_cast<uint32_t>(kRed));
  const std::array<int, 4> frame = {2, 2, 54, 54};
  EXPECT_EQ(host.shown.back(), frame);
}

TEST_F(Drawing, PixelsOfThePaletteTransparentEntryReachTheHostToo) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=10,ys=10,bgcolor=000000"));
  int32_t key = static_cast<int32_t>(v.pixmap.palette[255]);
  vqclear(key);
  vqrefresh();
  EXPECT_EQ(host.at(5, 5), static_cast<uint32_t>(key));
}

TEST_F(Drawing, RefreshOfARectangleIsClippedToThePanel) {
  ASSERT_TRUE(vqgraphic_create(&v, "x=10,y=10,xs=40,ys=30,drawoff,bgcolor=000000"));
  vqclear(kRed);
  vqtarget_send(VQCMD_REFRESHRECT, 30, 20, 100, 100);
  ASSERT_FALSE(host.shown.empty());
  const std::array<int, 4> part = {40, 30, 10, 10};
  EXPECT_EQ(host.shown.back(), part);
  EXPECT_EQ(host.at(40, 30), static_cast<uint32_t>(kRed));
  EXPECT_EQ(host.at(39, 29), 0u);   // outside the rectangle: not copied
  size_t n = host.shown.size();
  vqtarget_send(VQCMD_REFRESHRECT, 40, 0, 5, 5);   // wholly outside
  EXPECT_EQ(host.shown.size(), n);
}

TEST_F(Drawing, CopyingWithinThePanelReadsBeforeItWrites) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=10,ys=10,bgcolor=000000"));
  for (int y = 0; y < 10; y++) vqfillrect(0, y, 10, 1, y);
  int low, high;
  vqptr_split(nullptr, &low, &high);
  vqtarget_send(VQCMD_COPYRECT, low, high, 0, 0, 0, 2, 10, 6);   // rows 0-5 down by two
  for (int y = 2; y < 8; y++) EXPECT_EQ(vqgetpixel(3, y), y - 2) << y;
  EXPECT_EQ(vqgetpixel(3, 8), 8);
}

TEST_F(Drawing, SavingAPalettePanelLeavesItsPixmapAsItWas) {
  ASSERT_TRUE(vqgraphic_create(&v, "xs=8,ys=8,palette,bgcolor=000000"));
  vqpoint(1, 1, 12);   // a palette index
  std::string file = std::string(VQ_BINARY_DIR) + "/panel_palette_save.ppm";
  int low, high;
  vqptr_split(file.c_str(), &low, &high);
  EXPECT_EQ(vqtarget_send(VQCMD_SAVE, low, high), 1);
  EXPECT_EQ(v.pixmap.format, VQPX_PALETTE8);
  EXPECT_EQ(vqgetpixel(1, 1), 12);
  vqpxmap back;
  vqpxmap_init(&back);
  back.width = back.height = 8;
  back.format = VQPX_TRUECOLOR;
  ASSERT_TRUE(vqpxmap_allocate(&back));
  ASSERT_TRUE(vqgraphic_gloadintern_file(&back, 0, 0, 0, 0, file.c_str()));
  EXPECT_EQ(vqpxmap_getpixel(&back, 1, 1), static_cast<int32_t>(v.pixmap.palette[12]));
  vqpxmap_free(&back);
}

}  // namespace

// A decoded picture's transparent pixels leave the panel as it was, on every
// pixel format a panel may have (a window's main panel is a server one).
TEST(DrawingPictures, TransparentPixelsOfADecodedPictureAreSkippedOnEveryFormat) {
  static const unsigned char kRedThenClear[] = {  // 2 x 1 RGBA: opaque red, clear green
      0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44, 0x52,
      0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0xf4, 0x22, 0x7f,
      0x8a, 0x00, 0x00, 0x00, 0x0f, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8, 0xcf, 0xc0, 0xf0,
      0x1f, 0x08, 0x19, 0x00, 0x0f, 0xf9, 0x02, 0xfe, 0x2d, 0x47, 0x81, 0xf4, 0x00, 0x00, 0x00, 0x00,
      0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
  std::string file = std::string(VQ_BINARY_DIR) + "/panel_red_then_clear.png";
  FILE* out = std::fopen(file.c_str(), "wb");
  ASSERT_NE(out, nullptr);
  std::fwrite(kRedThenClear, 1, sizeof kRedThenClear, out);
  std::fclose(out);
  drain_codes();
  for (const char* format : {"truecolor", "server", "directx"}) {
    TestHost host;
    vqView v;
    ASSERT_TRUE(vqgraphic_create(&v, "%s,xs=4,ys=2,bgcolor=0000ff", format));
    vqpicturef("%s", file.c_str());
    EXPECT_EQ(vqgetpixel(0, 0), kRed) << format;
    EXPECT_EQ(vqgetpixel(1, 0), kBlue) << format;
  }
}
