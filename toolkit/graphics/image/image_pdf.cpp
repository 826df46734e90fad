// PDF export: a PDF 1.0 file of one page that shows the pixmap as one
// uncompressed 8-bit RGB image, one pixel per point. The cross-reference
// table holds the byte offset of each of the five objects.
#include <cstdio>
#include <string>

#include "image_doc_internal.h"
#include "image_load_internal.h"
#include "vqimagefile.h"

namespace {

struct pdf_writer {
  std::string out;
  std::vector<size_t> offsets;   // of objects 1, 2, ...

  void begin_object() {
    offsets.push_back(out.size());
    out += std::to_string(offsets.size()) + " 0 obj\n";
  }
  void object(const std::string& body) {
    begin_object();
    out += body + "\nendobj\n";
  }
};

}  // namespace

bool vqpxmap_savetofile_pdf(vqpxmap* pm, const char* filename, int xoffset, int yoffset) {
  std::vector<uint8_t> rgb;
  if (!vqdoc_rgb(pm, &rgb, "vqpxmap_savetofile_pdf")) return false;
  const vqdoc_placement p = vqdoc_place(pm, xoffset, yoffset);
  auto n = [](long v) { return std::to_string(v); };

  pdf_writer pdf;
  pdf.out.reserve(2048 + rgb.size());
  // The comment of bytes above 127 tells file transfer programs the file is binary.
  pdf.out += "%PDF-1.0\n%\xE2\xE3\xCF\xD3\n";
  pdf.object("<< /Type /Catalog /Pages 2 0 R >>");
  pdf.object("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
  pdf.object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + n(p.page_width) + " " +
             n(p.page_height) + "] /Resources << /ProcSet [/PDF /ImageC] /XObject << /Im1 5 0 R >> >>"
             " /Contents 4 0 R >>");
  std::string content = "q " + n(p.width) + " 0 0 " + n(p.height) + " " + n(p.left) + " " +
                        n(p.bottom) + " cm /Im1 Do Q\n";
  pdf.object("<< /Length " + n(long(content.size())) + " >>\nstream\n" + content + "endstream");
  pdf.begin_object();
  pdf.out += "<< /Type /XObject /Subtype /Image /Name /Im1 /Width " + n(p.width) + " /Height " +
             n(p.height) + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Length " +
             n(long(rgb.size())) + " >>\nstream\n";
  pdf.out.append(reinterpret_cast<const char*>(rgb.data()), rgb.size());
  pdf.out += "\nendstream\nendobj\n";

  const size_t xref = pdf.out.size();
  pdf.out += "xref\n0 " + n(long(pdf.offsets.size() + 1)) + "\n0000000000 65535 f \n";
  char entry[32];
  for (size_t offset : pdf.offsets) {
    snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
    pdf.out += entry;
  }
  pdf.out += "trailer\n<< /Size " + n(long(pdf.offsets.size() + 1)) +
             " /Root 1 0 R >>\nstartxref\n" + n(long(xref)) + "\n%%EOF\n";

  return vqimage_write_file("vqpxmap_savetofile_pdf", filename, pdf.out);
}
