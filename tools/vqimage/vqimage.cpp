// vqimage: converts pictures between the formats the toolkit reads and
// writes, and prints a picture's size, with exactly the toolkit's readers
// and writers (so it doubles as the tests' handle on them).
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "vqimagefile.h"
#include "vqpicture.h"
#include "vqpxmap.h"

namespace {

const char kUsage[] =
    "usage: vqimage convert IN OUT\n"
    "       vqimage size FILE\n"
    "\n"
    "convert  reads IN by its extension (bmp, pcx, ppm and xpm with the toolkit's\n"
    "         own readers; jpg, png and the other formats of the picture decoder)\n"
    "         and writes OUT by its extension (bmp, pcx, ppm, xpm, png, ps, pdf).\n"
    "size     prints WIDTH HEIGHT of a picture as read from its header (bmp, pcx,\n"
    "         ppm, xpm, jpg, png, gif; other formats of the decoder are decoded).\n"
    "\n"
    "Exit status: 0 done, 1 a file could not be read or written, 2 bad arguments.\n";

// Keeps what the toolkit prints (its diagnostics and trace lines) away from
// the terminal while a call runs, so that a failure can be told in one line.
class quiet_section {
 public:
  quiet_section() {
    fflush(stdout);
    fflush(stderr);
    sink_ = tmpfile();
    if (!sink_) return;
    saved_out_ = dup(1);
    saved_err_ = dup(2);
    dup2(fileno(sink_), 1);
    dup2(fileno(sink_), 2);
  }
  ~quiet_section() { end(); }
  quiet_section(const quiet_section&) = delete;
  quiet_section& operator=(const quiet_section&) = delete;

  // Restores the outputs; the first line the toolkit printed, without its
  // line feed ("" when it printed nothing).
  std::string end() {
    if (!sink_) return first_;
    fflush(stdout);
    fflush(stderr);
    dup2(saved_out_, 1);
    dup2(saved_err_, 2);
    close(saved_out_);
    close(saved_err_);
    rewind(sink_);
    char line[512];
    if (fgets(line, sizeof line, sink_)) {
      line[strcspn(line, "\n")] = 0;
      first_ = line;
    }
    fclose(sink_);
    sink_ = nullptr;
    return first_;
  }

 private:
  FILE* sink_ = nullptr;
  int saved_out_ = -1, saved_err_ = -1;
  std::string first_;
};

bool fail(const char* what, const char* file, const std::string& reason) {
  fprintf(stderr, "vqimage: cannot %s %s%s%s\n", what, file, reason.empty() ? "" : ": ",
          reason.c_str());
  return false;
}

bool allocate_truecolor(vqpxmap* pm, int w, int h) {
  if (w <= 0 || h <= 0 || w > VQPX_MAX_SIDE || h > VQPX_MAX_SIDE) return false;
  pm->width = w;
  pm->height = h;
  pm->format = VQPX_TRUECOLOR;
  return vqpxmap_allocate(pm);
}

bool read_with_decoder(const char* file, vqpxmap* pm, std::string* reason) {
  vqpicture reader;
  if (!vqpicture_open(&reader, "%s", file)) {
    *reason = "not a picture the decoder reads";
    return false;
  }
  if (!allocate_truecolor(pm, reader.width, reader.height)) {
    *reason = "picture too large";
    return false;
  }
  uint32_t* px = reinterpret_cast<uint32_t*>(pm->data);
  for (int y = 0; y < reader.height; ++y)
    for (int x = 0; x < reader.width; ++x)
      px[size_t(y) * reader.width + x] = vqpicture_getpixel(&reader, x, y) & 0xFFFFFF;
  return true;
}

// Reads the picture into a truecolor pixmap.
bool read_picture(const char* file, vqpxmap* pm) {
  quiet_section quiet;
  std::string reason;
  bool ok = false;
  int w = 0, h = 0;
  switch (vqimage_type_of(file)) {
    case VQIMG_BMP:
    case VQIMG_PCX:
    case VQIMG_PPM:
      ok = vqgetpicturesizes(file, &w, &h);
      if (ok && !allocate_truecolor(pm, w, h)) {
        ok = false;
        reason = "picture too large";
      }
      if (ok) {
        const int type = vqimage_type_of(file);
        ok = type == VQIMG_BMP   ? vqpxmap_loadfromfile_bmp(pm, file, 0, 0, w, h, "")
             : type == VQIMG_PCX ? vqpxmap_loadfromfile_pcx(pm, file, 0, 0, w, h, "")
                                 : vqpxmap_loadfromfile_ppm(pm, file, 0, 0, w, h, "");
      }
      break;
    case VQIMG_XPM:
      ok = vqpxmap_loadfromfile_xpm(pm, file) && vqpxmap_convert2truecolor(pm, 0);
      break;
    default:
      ok = read_with_decoder(file, pm, &reason);
      break;
  }
  const std::string said = quiet.end();
  if (!ok) return fail("read", file, reason.empty() ? said : reason);
  return true;
}

bool writable_type(int type) {
  return type == VQIMG_BMP || type == VQIMG_PCX || type == VQIMG_PPM || type == VQIMG_XPM ||
         type == VQIMG_PNG || type == VQIMG_PS || type == VQIMG_PDF;
}

bool write_picture(const char* file, vqpxmap* pm) {
  quiet_section quiet;
  bool ok = false;
  switch (vqimage_type_of(file)) {
    case VQIMG_BMP: ok = vqpxmap_savetofile_bmp(pm, file); break;
    case VQIMG_PCX: ok = vqpxmap_savetofile_pcx(pm, file); break;
    case VQIMG_PPM: ok = vqpxmap_savetofile_ppm(pm, file); break;
    case VQIMG_XPM: ok = vqpxmap_savetofile_xpm(pm, file); break;
    case VQIMG_PNG: ok = vqpxmap_savetofile_png(pm, file); break;
    case VQIMG_PS: ok = vqpxmap_savetofile_ps(pm, file, 0, 0); break;
    case VQIMG_PDF: ok = vqpxmap_savetofile_pdf(pm, file, 0, 0); break;
    default: break;
  }
  const std::string said = quiet.end();
  if (!ok) return fail("write", file, said);
  return true;
}

int convert(const char* in, const char* out) {
  if (!writable_type(vqimage_type_of(out))) {
    fail("write", out, "unsupported type (bmp, pcx, ppm, xpm, png, ps or pdf)");
    return 1;
  }
  vqpxmap pm;
  vqpxmap_init(&pm);
  const bool ok = read_picture(in, &pm) && write_picture(out, &pm);
  vqpxmap_free(&pm);
  return ok ? 0 : 1;
}

int size(const char* file) {
  int w = 0, h = 0;
  quiet_section quiet;
  // The toolkit's own formats by their size readers, the decoder's (JPEG,
  // PNG, ...) from the header alone.
  const int type = vqimage_type_of(file);
  const bool own = type == VQIMG_BMP || type == VQIMG_PCX || type == VQIMG_PPM || type == VQIMG_XPM;
  const bool ok = own ? vqgetpicturesizes(file, &w, &h) : vqpicture_size(file, &w, &h);
  const std::string said = quiet.end();
  if (!ok) {
    fail("read the size of", file, said);
    return 1;
  }
  printf("%d %d\n", w, h);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (strcmp(argv[1], "--help") == 0 || strcmp(argv[1], "-h") == 0)) {
    fputs(kUsage, stdout);
    return 0;
  }
  if (argc == 4 && strcmp(argv[1], "convert") == 0) return convert(argv[2], argv[3]);
  if (argc == 3 && strcmp(argv[1], "size") == 0) return size(argv[2]);
  fputs("usage: vqimage convert IN OUT | vqimage size FILE (vqimage --help explains)\n", stderr);
  return 2;
}
