// Reading, sizing and saving by file type: the extension table, the
// options of the file reader, the unsupported-format messages, and the
// writer chosen for each extension.
#include <cstring>

#include "test_image_util.h"
#include "vqpicture.h"

namespace {

using DispatchTest = ImageFileTest;

void save_pattern(const std::string& file, int w, int h) {
  TestPixmap img(w, h, VQPX_TRUECOLOR);
  fill_pattern(&img.pm);
  ASSERT_TRUE(vqpxmap_savetofile(&img.pm, "%s", file.c_str()));
}

bool starts_with(const Bytes& b, const std::string& s) {
  return b.size() >= s.size() && std::memcmp(b.data(), s.data(), s.size()) == 0;
}

}  // namespace

TEST(ImageType, ByExtensionAnyCase) {
  const struct {
    const char* name;
    int type;
  } cases[] = {
      {"a.png", VQIMG_PNG}, {"a.BMP", VQIMG_BMP}, {"a.Xpm", VQIMG_XPM}, {"a.ppm", VQIMG_PPM},
      {"a.pcx", VQIMG_PCX}, {"a.htm", VQIMG_HTML}, {"a.HTML", VQIMG_HTML}, {"a.wmf", VQIMG_WMF},
      {"a.ps", VQIMG_PS}, {"a.pdf", VQIMG_PDF}, {"dir.d/pic.tar.bmp", VQIMG_BMP},
      {"pic.bmp.gz", VQIMG_UNSUPPORTED}, {"pic.jpg", VQIMG_UNSUPPORTED}, {"bmp", VQIMG_UNSUPPORTED},
      {"pic.", VQIMG_UNSUPPORTED}, {"pic.bmpx", VQIMG_UNSUPPORTED}, {"pic.pn", VQIMG_UNSUPPORTED},
      {"", VQIMG_UNSUPPORTED},
  };
  for (const auto& c : cases) EXPECT_EQ(vqimage_type_of(c.name), c.type) << c.name;
  EXPECT_EQ(vqimage_type_of(nullptr), VQIMG_UNSUPPORTED);
}

TEST_F(DispatchTest, SavesByExtensionWithAFormattedName) {
  const struct {
    const char* ext;
    const char* magic;
  } kinds[] = {{"bmp", "BM"},          {"pcx", "\x0A\x05"}, {"ppm", "P6\n"},
               {"xpm", "/* XPM */"},   {"png", "\x89PNG"},  {"ps", "%!PS"},
               {"pdf", "%PDF"}};
  for (const auto& k : kinds) {
    TestPixmap img(3, 2, VQPX_TRUECOLOR);
    fill_pattern(&img.pm);
    const std::string dir = path("");
    ASSERT_TRUE(vqpxmap_savetofile(&img.pm, "%sout_%d.%s", dir.c_str(), 7, k.ext)) << k.ext;
    const Bytes b = read_file(path("out_7.") + k.ext);
    EXPECT_TRUE(starts_with(b, k.magic)) << k.ext;
  }
  TestPixmap img(3, 2, VQPX_TRUECOLOR);
  const std::string gif = path("x.gif");
  const std::string said =
      diagnostics_of([&] { EXPECT_FALSE(vqpxmap_savetofile(&img.pm, "%s", gif.c_str())); });
  EXPECT_EQ(said, "vqpxmap_savetofile: unsupported format (" + gif + ")\n");
  EXPECT_NE(access(gif.c_str(), F_OK), 0);
}

TEST_F(DispatchTest, DocumentOffsetsComeFromTheOptions) {
  for (const char* ext : {"ps", "pdf"}) {
    TestPixmap img(4, 3, VQPX_TRUECOLOR);
    fill_pattern(&img.pm);
    const std::string direct = path(std::string("direct.") + ext);
    const std::string viaopts = path(std::string("opts.") + ext);
    ASSERT_TRUE(ext[1] == 's' ? vqpxmap_savetofile_ps(&img.pm, direct.c_str(), 30, 45)
                              : vqpxmap_savetofile_pdf(&img.pm, direct.c_str(), 30, 45));
    ASSERT_TRUE(vqpxmap_savetofile(&img.pm, "%s,xoffset=%d, YOffset = 45", viaopts.c_str(), 30));
    EXPECT_EQ(read_file(viaopts), read_file(direct)) << ext;
    const std::string plain = path(std::string("plain.") + ext);
    ASSERT_TRUE(vqpxmap_savetofile(&img.pm, "%s", plain.c_str()));
    EXPECT_NE(read_file(plain), read_file(direct)) << ext << ": the offsets change the page";
  }
}

TEST_F(DispatchTest, LoadsByTypeWithPositionAndSizeOptions) {
  for (const char* ext : {"bmp", "pcx", "ppm"}) {
    const std::string file = path(std::string("pic.") + ext);
    save_pattern(file, 4, 3);
    TestPixmap src(4, 3, VQPX_TRUECOLOR);
    fill_pattern(&src.pm);

    TestPixmap img(8, 8, VQPX_TRUECOLOR);
    vqpxmap_clear(&img.pm, 0x777777);
    ASSERT_TRUE(vqgraphic_gloadintern_file(&img.pm, 0, 0, 0, 0, (file + ",x=3,y=2").c_str())) << ext;
    EXPECT_EQ(img.at(2, 2), 0x777777) << ext;
    EXPECT_EQ(img.at(3, 2), src.at(0, 0)) << ext;
    EXPECT_EQ(img.at(6, 4), src.at(3, 2)) << ext;

    // Options win over the arguments; negative positions count as 0.
    TestPixmap neg(8, 8, VQPX_TRUECOLOR);
    ASSERT_TRUE(vqgraphic_gloadintern_file(&neg.pm, 5, 5, 0, 0, (file + ",x=-4").c_str()));
    EXPECT_EQ(neg.at(0, 5), src.at(0, 0)) << ext;
    EXPECT_EQ(neg.at(0, 0), 0) << ext;

    // xs= and ys= limit what is merged into a palette pixmap.
    TestPixmap pal(8, 8, VQPX_PALETTE8);
    vqpxmap_clear(&pal.pm, 9);
    ASSERT_TRUE(vqgraphic_gloadintern_file(&pal.pm, 1, 1, 0, 0, (file + ",xs=2,ys=1").c_str()));
    EXPECT_TRUE(shows(&pal.pm, pal.at(2, 1), uint32_t(src.at(1, 0)))) << ext;
    EXPECT_EQ(pal.at(3, 1), 9) << ext;
    EXPECT_EQ(pal.at(1, 2), 9) << ext;

    ASSERT_TRUE(vqgraphic_gloadintern_file(&img.pm, 0, 0, 0, 0,
                                           (file + ",transparentcolor=00ff7f").c_str()));
    EXPECT_EQ(img.pm.palette[VQPX_TRANSPARENT_INDEX], 0x00FF7Fu) << ext;
  }
}

TEST_F(DispatchTest, XpmIntoAnEmptyOrAFilledPixmap) {
  const std::string file = path("pic.xpm");
  const Bytes xpm = text_bytes(
      "/* XPM */\nstatic char * pic[] = {\n\"3 1 2 1\",\n\"  c None\",\n\". c #FF0000\",\n"
      "\". .\"};\n");
  write_file(file, xpm);
  TestPixmap fresh;
  ASSERT_TRUE(vqgraphic_gloadintern_file(&fresh.pm, 0, 0, 0, 0, file.c_str()));
  EXPECT_EQ(fresh.pm.format, VQPX_PALETTE8);
  EXPECT_EQ(fresh.pm.width, 3);
  EXPECT_EQ(fresh.at(1, 0), VQPX_TRANSPARENT_INDEX);

  TestPixmap filled(5, 2, VQPX_TRUECOLOR);
  vqpxmap_clear(&filled.pm, 0x777777);
  ASSERT_TRUE(vqgraphic_gloadintern_file(&filled.pm, 0, 0, 0, 0, (file + ",x=1,y=1").c_str()));
  EXPECT_EQ(filled.at(1, 1), 0xFF0000);
  EXPECT_EQ(filled.at(2, 1), 0x777777) << "a transparent pixel leaves the pixmap as it was";
  EXPECT_EQ(filled.at(3, 1), 0xFF0000);
  EXPECT_EQ(filled.at(1, 0), 0x777777);
}

TEST_F(DispatchTest, JpegAndPngAreLeftToThePictureReader) {
  TestPixmap img(4, 4, VQPX_TRUECOLOR);
  vqpxmap_clear(&img.pm, 0x777777);
  for (const char* name : {"photo.jpg", "photo.png", "page.html", "noextension"}) {
    const std::string file = path(name);
    write_file(file, text_bytes("whatever"));
    const std::string said = diagnostics_of(
        [&] { EXPECT_FALSE(vqgraphic_gloadintern_file(&img.pm, 0, 0, 0, 0, file.c_str())); });
    EXPECT_EQ(said, "vqgraphic_gloadintern_file: unsupported format (" + file + ")\n");
  }
  EXPECT_EQ(pixels_of(&img.pm), std::vector<int32_t>(16, 0x777777));

  // A real JPEG, made by netpbm where it is installed, opens in the
  // picture reader but not in the file reader.
  const std::string ppm = path("src.ppm"), jpg = path("src.jpg");
  save_pattern(ppm, 6, 5);
  if (std::system(("pnmtojpeg '" + ppm + "' > '" + jpg + "' 2> /dev/null").c_str()) != 0)
    GTEST_SKIP() << "pnmtojpeg missing: the JPEG half is skipped";
  const std::string said = diagnostics_of(
      [&] { EXPECT_FALSE(vqgraphic_gloadintern_file(&img.pm, 0, 0, 0, 0, jpg.c_str())); });
  EXPECT_EQ(said, "vqgraphic_gloadintern_file: unsupported format (" + jpg + ")\n");
  vqpicture reader;
  diagnostics_of([&] { ASSERT_TRUE(vqpicture_open(&reader, "%s", jpg.c_str())); });
  EXPECT_EQ(reader.width, 6);
  EXPECT_EQ(reader.height, 5);
  diagnostics_of([&] { vqpicture_close(&reader); });
}

TEST_F(DispatchTest, PictureSizesByType) {
  for (const char* ext : {"bmp", "pcx", "ppm", "xpm"}) {
    const std::string file = path(std::string("s.") + ext);
    save_pattern(file, 5, 3);
    int w = 0, h = 0;
    ASSERT_TRUE(vqgetpicturesizes(file.c_str(), &w, &h)) << ext;
    EXPECT_EQ(w, 5) << ext;
    EXPECT_EQ(h, 3) << ext;
    const Bytes b = read_file(file);
    w = h = 0;
    ASSERT_TRUE(vqgetpicturesizes_mem(vqimage_type_of(file.c_str()), b.data(), b.size(), &w, &h));
    EXPECT_EQ(w * 10 + h, 53) << ext;
  }
  int w = -1, h = -1;
  const std::string png = path("s.png");
  save_pattern(png, 5, 3);
  std::string said = diagnostics_of([&] { EXPECT_FALSE(vqgetpicturesizes(png.c_str(), &w, &h)); });
  EXPECT_EQ(said, "vqgetpicturesizes: unsupported format (" + png + ")\n");
  const std::string absent = path("absent.bmp");
  said = diagnostics_of([&] { EXPECT_FALSE(vqgetpicturesizes(absent.c_str(), &w, &h)); });
  EXPECT_EQ(said, "vqgetpicturesizes: cannot open " + absent + "\n");
  const Bytes junk = text_bytes("not a picture at all, but long enough to hold any header ......"
                                "................................................................");
  for (int type : {VQIMG_BMP, VQIMG_PCX, VQIMG_PPM, VQIMG_XPM}) {
    said = diagnostics_of(
        [&] { EXPECT_FALSE(vqgetpicturesizes_mem(type, junk.data(), junk.size(), &w, &h)) << type; });
    EXPECT_EQ(line_count(said), 1) << type << ": " << said;
  }
  EXPECT_EQ(w, -1);
  said = diagnostics_of(
      [&] { EXPECT_FALSE(vqgetpicturesizes_mem(VQIMG_PNG, junk.data(), junk.size(), &w, &h)); });
  EXPECT_EQ(said, "vqgetpicturesizes: unsupported format (type 1)\n");
}
