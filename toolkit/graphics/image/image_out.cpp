// The common part of every writer: the truecolor conversion in place and a
// buffered output file that reports a failed write once.
#include <cstdio>
#include <cstring>

#include "image_load_internal.h"

bool vqimage_truecolor_for_writing(const char* func, vqpxmap* pm) {
  if (pm->format != VQPX_TRUECOLOR && !vqpxmap_convert2truecolor(pm, 0)) return false;
  if (pm->width <= 0 || pm->height <= 0 || !pm->data) {
    vqimage_report("%s: the pixmap holds no pixels\n", func);
    return false;
  }
  return true;
}

vqimage_out::~vqimage_out() {
  if (file_) {
    fclose(file_);
    remove(name_.data());
  }
}

bool vqimage_out::open(const char* func, const char* filename) {
  func_ = func;
  file_ = filename ? fopen(filename, "wb") : nullptr;
  if (!file_) {
    vqimage_report("%s: cannot create %s\n", func, filename ? filename : "(null)");
    return false;
  }
  name_.assign(filename, filename + strlen(filename) + 1);
  buffer_.reserve(kPiece);
  failed_ = false;
  return true;
}

void vqimage_out::bytes(const uint8_t* p, size_t n) {
  while (n > 0) {
    size_t room = kPiece - buffer_.size();
    size_t take = n < room ? n : room;
    buffer_.insert(buffer_.end(), p, p + take);
    p += take;
    n -= take;
    if (buffer_.size() >= kPiece) flush();
  }
}

void vqimage_out::text(const char* s) { bytes(reinterpret_cast<const uint8_t*>(s), strlen(s)); }

void vqimage_out::flush() {
  if (!buffer_.empty() && !failed_ && fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size())
    failed_ = true;
  buffer_.clear();
}

bool vqimage_out::close() {
  if (!file_) return false;
  flush();
  bool ok = !failed_;
  if (fclose(file_) != 0) ok = false;
  file_ = nullptr;
  if (!ok) {
    vqimage_report("%s: cannot write %s\n", func_, name_.data());
    remove(name_.data());
  }
  return ok;
}

bool vqimage_write_file(const char* func, const char* filename, const std::string& bytes) {
  vqimage_out out;
  if (!out.open(func, filename)) return false;
  out.bytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  return out.close();
}
