// PostScript export: one page that draws the pixmap as an 8-bit RGB image,
// one pixel per point, its data as hexadecimal text in the file itself.
#include <cstdio>
#include <string>

#include "image_doc_internal.h"
#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

constexpr size_t hex_bytes_per_line = 36;   // 72 characters

}  // namespace

bool vqpxmap_savetofile_ps(vqpxmap* pm, const char* filename, int xoffset, int yoffset) {
  std::vector<uint8_t> rgb;
  if (!vqdoc_rgb(pm, &rgb, "vqpxmap_savetofile_ps")) return false;
  const vqdoc_placement p = vqdoc_place(pm, xoffset, yoffset);

  std::string out;
  out.reserve(1024 + rgb.size() * 2 + rgb.size() / hex_bytes_per_line + 1);
  char line[512];
  snprintf(line, sizeof line,
           "%%!PS-Adobe-3.0\n"
           "%%%%Creator: vqkit\n"
           "%%%%BoundingBox: %ld %ld %ld %ld\n"
           "%%%%Pages: 1\n"
           "%%%%EndComments\n"
           "%%%%BeginSetup\n"
           "<< /PageSize [%ld %ld] >> setpagedevice\n"
           "%%%%EndSetup\n"
           "%%%%Page: 1 1\n"
           "gsave\n"
           "/picturerow %ld string def\n"
           "%ld %ld translate\n"
           "%ld %ld scale\n"
           "%ld %ld 8 [%ld 0 0 -%ld 0 %ld]\n"
           "{currentfile picturerow readhexstring pop} false 3 colorimage\n",
           p.left, p.bottom, p.left + p.width, p.bottom + p.height, p.page_width, p.page_height,
           p.width * 3, p.left, p.bottom, p.width, p.height, p.width, p.height, p.width,
           p.height, p.height);
  out += line;
  static const char hex[] = "0123456789ABCDEF";
  for (size_t i = 0; i < rgb.size(); ++i) {
    out += hex[rgb[i] >> 4];
    out += hex[rgb[i] & 15];
    if ((i + 1) % hex_bytes_per_line == 0 || i + 1 == rgb.size()) out += '\n';
  }
  out += "grestore\nshowpage\n%%Trailer\n%%EOF\n";

  return vqimage_write_file("vqpxmap_savetofile_ps", filename, out);
}
