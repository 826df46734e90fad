// XPM reading and writing: the writer's text byte for byte, round trips, the
// colour syntax, and the list of hostile inputs with what each one yields.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "image_xpm_internal.h"
#include "test_pxmap_util.h"
#include "vqimagefile.h"

namespace {

using pixmap = TestPixmap;

std::string temp_path(const char* name) { return std::string(VQ_BINARY_DIR) + "/" + name; }

std::string read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool load_text(vqpxmap* pm, const std::string& text) {
  return vqpxmap_loadfrommem_xpm(pm, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

// The colour a pixel shows: its palette colour, or -1 when transparent.
int32_t shown(const vqpxmap* pm, int x, int y) {
  int32_t v = vqpxmap_getpixel(pm, x, y);
  if (pm->format == VQPX_TRUECOLOR) return v;
  return v == VQPX_TRANSPARENT_INDEX ? -1 : int32_t(pm->palette[v]);
}

}  // namespace

TEST(XpmWriter, PaletteImageWithTransparentPixelByteForByte) {
  pixmap img(3, 2, VQPX_PALETTE8);
  vqpxmap_setpalette(&img.pm, 0, 0xFF0000);
  vqpxmap_setpalette(&img.pm, 1, 0x00FF00);
  vqpxmap_setpalette(&img.pm, 2, 0x0000FF);
  const int idx[2][3] = {{0, 255, 1}, {1, 0, 255}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) vqpxmap_setpixel(&img.pm, x, y, idx[y][x]);
  std::string path = temp_path("imgB.tiny.xpm");
  ASSERT_TRUE(vqpxmap_savetofile_xpm(&img.pm, path.c_str()));
  // Index 1 is the highest used: entries 0 and 1 are listed, entry 2 is not.
  EXPECT_EQ(read_text(path),
            "/* XPM */\n"
            "static char * imgB_tiny_xpm[] = {\n"
            "\"3 2 3 1\",\n"
            "\" \tc None\",\n"
            "\".\tc #FF0000\",\n"
            "\"+\tc #00FF00\",\n"
            "\". +\",\n"
            "\"+. \"};\n");
  std::remove(path.c_str());
}

TEST(XpmWriter, CodesAndCharactersPerPixel) {
  EXPECT_EQ(std::string(vqxpm_alphabet).size(), 91u);
  EXPECT_EQ(vqxpm_code(0, 1), " ");
  EXPECT_EQ(vqxpm_code(90, 1), "^");
  EXPECT_EQ(vqxpm_code(91, 2), "..");
  EXPECT_EQ(vqxpm_code(255, 2), "+M");   // 255 = 2 * 90 + 75
  EXPECT_EQ(vqxpm_code(89, 2), " |");

  // 91 colours need two characters per pixel; 90 still fit in one.
  for (int colors : {90, 91}) {
    pixmap img(colors, 1, VQPX_TRUECOLOR);
    for (int x = 0; x < colors; ++x) vqpxmap_setpixel(&img.pm, x, 0, 0x010203 * x + 7);
    std::string path = temp_path("imgB_many.xpm");
    ASSERT_TRUE(vqpxmap_savetofile_xpm(&img.pm, path.c_str()));
    std::string text = read_text(path);
    int cpp = colors > 90 ? 2 : 1;
    char header[64];
    snprintf(header, sizeof header, "\"%d 1 %d %d\",\n", colors, colors + 1, cpp);
    EXPECT_NE(text.find(header), std::string::npos) << text.substr(0, 80);
    // The transparent code is as wide as every other code.
    EXPECT_NE(text.find(cpp == 2 ? "\n\"  \tc None\",\n" : "\n\" \tc None\",\n"), std::string::npos);
    EXPECT_EQ(img.pm.format, VQPX_TRUECOLOR);   // the caller's pixmap is not converted
    pixmap back;
    ASSERT_TRUE(vqpxmap_loadfromfile_xpm(&back.pm, path.c_str()));
    for (int x = 0; x < colors; ++x) EXPECT_EQ(shown(&back.pm, x, 0), 0x010203 * x + 7);
    std::remove(path.c_str());
  }
}

TEST(XpmWriter, TooManyColorsAreReducedWithAWarning) {
  pixmap img(20, 15, VQPX_TRUECOLOR);
  for (int i = 0; i < 300; ++i) vqpxmap_setpixel(&img.pm, i % 20, i / 20, i * 0x010307 + 0x203040);
  std::string path = temp_path("imgB_300.xpm");
  testing::internal::CaptureStdout();
  ASSERT_TRUE(vqpxmap_savetofile_xpm(&img.pm, path.c_str()));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_savetofile_xpm warning: too many colors in truecolor-pixmap, reducing to 64\n");
  pixmap back;
  ASSERT_TRUE(vqpxmap_loadfromfile_xpm(&back.pm, path.c_str()));
  std::set<int32_t> colors;
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 20; ++x) {
      int32_t c = shown(&back.pm, x, y);
      EXPECT_EQ(c, vqpxmap_getpixel(&img.pm, x, y) & 0xC0C0C0);
      colors.insert(c);
    }
  EXPECT_LE(colors.size(), 64u);
  std::remove(path.c_str());
}

TEST(XpmWriter, RefusesFormatsWithoutPixels) {
  pixmap p16(2, 2, VQPX_PALETTE16);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_savetofile_xpm(&p16.pm, temp_path("imgB_p16.xpm").c_str()));
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "vqpxmap_savetofile_xpm: unsupported format 2\n");
  pixmap one(1, 1, VQPX_PALETTE8);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_savetofile_xpm(&one.pm, "/nonexistent-dir/a.xpm"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_savetofile_xpm: cannot create /nonexistent-dir/a.xpm\n");
}

TEST(XpmReader, ColourSyntax) {
  const char* text =
      "/* XPM */ static char *x[] = {\n"
      "/* width height ncolors cpp */\n"
      "\"9 1 9 1 0 0\",\n"
      "/* colors, with a comma */\n"
      "\"a c #102030\",\n"
      "\"b\tc #12345678ABCD\",\n"           // groups of four: 12, 56, AB
      "\"c c NoNe\",\n"
      "\"d s sym c #ABCDEF\",\n"           // the key c stands between blanks
      "\"e c red\",\n"                      // names are not looked up
      "\"f c #FFF\",\n"                     // short: one number
      "\"g m white c #00ff00 s x\",\n"
      "\"h c #11112222\",\n"             // eight digits: no blue group
      "\"a c #FFFFFF\",\n"                  // a repeated code: the first line wins
      "\"abcd\" \"efgah\"\n"                 // pieces of one string
      "};\n";
  pixmap img;
  ASSERT_TRUE(load_text(&img.pm, text));
  ASSERT_EQ(img.pm.format, VQPX_PALETTE8);
  ASSERT_EQ(img.pm.width, 9);
  const int32_t expect[9] = {0x102030, 0x1256AB, -1, 0xABCDEF, 0, 0x000FFF, 0x00FF00, 0x102030,
                             0x112200};
  for (int x = 0; x < 9; ++x) EXPECT_EQ(shown(&img.pm, x, 0), expect[x]) << x;
}

TEST(XpmReader, TwoCharactersPerPixelFromAStringArray) {
  const char* strings[] = {"3 2 3 2", "   c None", "ab c #010203", "ba c #040506",
                           "ab  ba", "baabab"};
  pixmap img;
  ASSERT_TRUE(vqpxmap_createfrommem_xpm(&img.pm, strings, 6));
  const int32_t expect[2][3] = {{0x010203, -1, 0x040506}, {0x040506, 0x010203, 0x010203}};
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(shown(&img.pm, x, y), expect[y][x]);
}

TEST(XpmReader, WriterOutputReadsBack) {
  pixmap img(5, 3, VQPX_PALETTE8);
  for (int i = 0; i < 15; ++i) vqpxmap_setpalette(&img.pm, i, 0x0F1E2D * (i + 1) & 0xFFFFFF);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) vqpxmap_setpixel(&img.pm, x, y, (x + y * 5) % 4 == 3 ? 255 : x + y * 5);
  std::string path = temp_path("imgB_round.xpm");
  ASSERT_TRUE(vqpxmap_savetofile_xpm(&img.pm, path.c_str()));
  pixmap back;
  ASSERT_TRUE(vqpxmap_loadfromfile_xpm(&back.pm, path.c_str()));
  int sizes[2] = {};
  std::string text = read_text(path);
  ASSERT_TRUE(vqxpm_read_sizes(reinterpret_cast<const uint8_t*>(text.data()), text.size(), &sizes[0], &sizes[1]));
  EXPECT_EQ(sizes[0], 5);
  EXPECT_EQ(sizes[1], 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(shown(&back.pm, x, y), shown(&img.pm, x, y)) << x << "," << y;
  std::remove(path.c_str());
}

TEST(XpmSplit, QuotesCommasAndBrokenStrings) {
  auto split = [](const std::string& s) {
    return vqxpm_split(reinterpret_cast<const uint8_t*>(s.data()), s.size());
  };
  vqxpm_strings a = split("junk , \"a,b\" x , \"c\" \"d\",,\"e\"};");
  EXPECT_EQ(a.items, (std::vector<std::string>{"a,b", "cd", "e"}));
  EXPECT_FALSE(a.unclosed);
  vqxpm_strings b = split("\"one\",\n\"two\n\"three\",");
  EXPECT_EQ(b.items, (std::vector<std::string>{"one"}));
  EXPECT_TRUE(b.unclosed);
  vqxpm_strings c = split("\"one\",\"tw");
  EXPECT_EQ(c.items, (std::vector<std::string>{"one"}));
  EXPECT_TRUE(c.unclosed);
  EXPECT_TRUE(split("no strings, at all").items.empty());
}

TEST(XpmSizes, HeaderOnly) {
  auto sizes = [](const std::string& s, int* w, int* h) {
    return vqxpm_read_sizes(reinterpret_cast<const uint8_t*>(s.data()), s.size(), w, h);
  };
  int w = -5, h = -5;
  EXPECT_TRUE(sizes("static char *x[] = {\n\"640 480 2 1\",", &w, &h));
  EXPECT_EQ(w, 640);
  EXPECT_EQ(h, 480);
  EXPECT_TRUE(sizes("\"7 9\"", &w, &h));   // only the size is needed
  EXPECT_EQ(w, 7);
  EXPECT_EQ(h, 9);
  // The header may come in pieces, as the reader joins them.
  EXPECT_TRUE(sizes("/* \"00\" */ \"3 2 1 1\",", &w, &h));
  EXPECT_EQ(w, 3);
  EXPECT_EQ(h, 2);
  w = h = -5;
  EXPECT_FALSE(sizes("\"640 480 2 1", &w, &h));            // no closing quote
  EXPECT_FALSE(sizes("\"640\n480 2 1\"", &w, &h));         // line break inside
  EXPECT_FALSE(sizes("\"99999999999 4 2 1\"", &w, &h));    // does not fit
  EXPECT_FALSE(sizes("\"64x 48 2 1\"", &w, &h));
  EXPECT_FALSE(sizes("\"64\"", &w, &h));
  EXPECT_FALSE(sizes("no quote", &w, &h));
  EXPECT_EQ(w, -5);
  EXPECT_EQ(h, -5);
}

// Each hostile text and what it yields: refused (the pixmap stays empty) or
// read partly (the pixmap holds the sound rows and pixels, the rest is
// transparent); either way false and exactly one diagnostic line.
TEST(XpmReader, HostileTexts) {
  const std::string colors = "\"2 2 2 1\",\n\"a c #111111\",\n\"b c #222222\",\n";
  struct hostile {
    const char* what;
    std::string text;
    bool partial;
    int sound_pixels;   // of the 2 x 2 picture, in reading order
    const char* message;
  };
  const hostile cases[] = {
      {"no strings", "nothing here", false, 0, "vqpxmap_createfrommem_xpm: no sound header\n"},
      {"header cut", "\"2 2 2\",", false, 0, "vqpxmap_createfrommem_xpm: no sound header\n"},
      {"number too big", "\"2 99999999999 2 1\",", false, 0,
       "vqpxmap_createfrommem_xpm: no sound header\n"},
      {"zero width", "\"0 2 1 1\",\"a c #000000\",", false, 0,
       "vqpxmap_createfrommem_xpm: size 0 x 2 not supported\n"},
      {"too high", "\"1 40000 1 1\",\"a c #000000\",\"a\",", false, 0,
       "vqpxmap_createfrommem_xpm: size 1 x 40000 not supported\n"},
      {"256 colours", "\"1 1 256 2\",", false, 0, "vqpxmap_createfrommem_xpm: too many colors (256)\n"},
      {"three chars", "\"1 1 1 3\",\"abc c #000000\",\"abc\",", false, 0,
       "vqpxmap_createfrommem_xpm: 1 colors with 3 characters per pixel not supported\n"},
      {"colour lines missing", "\"2 2 3 1\",\"a c #111111\",", false, 0,
       "vqpxmap_createfrommem_xpm: 3 colors announced, 1 colour lines found\n"},
      {"pixel row taken as colour", colors.substr(0, colors.size() - 16) + "\"ab\",\n\"ba\"", false, 0,
       "vqpxmap_createfrommem_xpm: colour line 2 has no colour\n"},
      {"first row unknown code", colors + "\"az\",\n\"ab\"", false, 0,
       "vqpxmap_createfrommem_xpm: first pixel row missing, short or with unknown codes\n"},
      {"unclosed first row", colors + "\"ab", false, 0,
       "vqpxmap_loadfrommem_xpm: string 4 has no closing quote\n"},
      {"second row missing", colors + "\"ab\"", true, 2, "vqpxmap_createfrommem_xpm: only 1 of 2 pixel rows\n"},
      {"second row short", colors + "\"ab\",\"b\"", true, 3,
       "vqpxmap_createfrommem_xpm: pixel row 2 too short\n"},
      {"second row unknown code", colors + "\"ab\",\"?b\"", true, 2,
       "vqpxmap_createfrommem_xpm: pixel row 2 has a code not in the colour table\n"},
      {"second row unclosed", colors + "\"ab\",\n\"ba};\n", true, 2,
       "vqpxmap_loadfrommem_xpm: string 5 has no closing quote\n"},
      {"line break in a row", colors + "\"ab\",\n\"b\na\"};", true, 2,
       "vqpxmap_loadfrommem_xpm: string 5 has no closing quote\n"},
  };
  const int32_t sound[4] = {0x111111, 0x222222, 0x222222, 0x111111};   // "ab", "ba"
  for (const hostile& c : cases) {
    pixmap img;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(load_text(&img.pm, c.text)) << c.what;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), c.message) << c.what;
    if (!c.partial) {
      EXPECT_EQ(img.pm.data, nullptr) << c.what;
      EXPECT_EQ(img.pm.width, 0) << c.what;
      continue;
    }
    ASSERT_NE(img.pm.data, nullptr) << c.what;
    ASSERT_EQ(img.pm.width, 2);
    ASSERT_EQ(img.pm.height, 2);
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(shown(&img.pm, i % 2, i / 2), i < c.sound_pixels ? sound[i] : -1) << c.what << " " << i;
  }
}

TEST(XpmReader, ArraysFilesAndTargets) {
  const char* strings[] = {"1 1 1 1", "x c #ABCDEF", "x", nullptr, "junk"};
  pixmap img;
  ASSERT_TRUE(vqpxmap_createfrommem_xpm(&img.pm, strings, 5));   // stops at the null entry
  EXPECT_EQ(shown(&img.pm, 0, 0), 0xABCDEF);
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_createfrommem_xpm(&img.pm, strings, 3));   // holds a picture already
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "vqpxmap_createfrommem_xpm: pixmap is not empty\n");
  EXPECT_EQ(shown(&img.pm, 0, 0), 0xABCDEF);

  pixmap none;
  testing::internal::CaptureStdout();
  EXPECT_FALSE(vqpxmap_loadfromfile_xpm(&none.pm, "/nonexistent-dir/a.xpm"));
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "vqpxmap_loadfromfile_xpm: cannot open /nonexistent-dir/a.xpm\n");
  EXPECT_EQ(none.pm.data, nullptr);
}
