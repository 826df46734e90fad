// Fresh rows copied into the back buffer as the stretching reaches them.
// Rows that span the width are streamed past the caches: the stretching
// reads them from the caller's buffer, and the back buffer is read again
// only when a later present needs a neighbour, so storing them through the
// caches would first fetch every line of it for nothing.
#include "sdl_rows.h"

#include <cstring>

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#define VQSDL_STREAM 1
#endif

namespace {

void copy_streamed(uint32_t* to, const uint32_t* from, int n) {
#if defined(VQSDL_STREAM)
  int i = 0;
  for (; i < n && (reinterpret_cast<uintptr_t>(to + i) & 15) != 0; i++) to[i] = from[i];
  for (; i + 4 <= n; i += 4)
    _mm_stream_si128(reinterpret_cast<__m128i*>(to + i), _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + i)));
  for (; i < n; i++) to[i] = from[i];
#else
  std::memcpy(to, from, static_cast<size_t>(n) * 4);
#endif
}

}  // namespace

vqsdl_rows::vqsdl_rows(uint32_t* back, int w, const vqsdl_fresh* fresh) : back_(back), w_(w), fresh_(fresh) {
  if (fresh_ == nullptr || fresh_->rect.w <= 0 || fresh_->rect.h <= 0) {
    fresh_ = nullptr;
    return;
  }
  next_ = fresh_->rect.y;
  end_ = fresh_->rect.y + fresh_->rect.h;
  whole_rows_ = fresh_->rect.x == 0 && fresh_->rect.w == w_;
}

void vqsdl_rows::copy(int row) {
  const vqsdl_rect& r = fresh_->rect;
  uint32_t* to = back_ + static_cast<size_t>(row) * w_ + r.x;
  const uint32_t* from = fresh_->pixels + static_cast<size_t>(row) * fresh_->stride + r.x;
  if (whole_rows_) {
    copy_streamed(to, from, r.w);
    streamed_ = true;
  } else {
    std::memcpy(to, from, static_cast<size_t>(r.w) * 4);
  }
}

const uint32_t* vqsdl_rows::line(int row) {
  if (fresh_ == nullptr) return back_ + static_cast<size_t>(row) * w_;
  for (; next_ < end_ && next_ <= row; next_++) copy(next_);
  if (whole_rows_ && row >= fresh_->rect.y && row < end_) return fresh_->pixels + static_cast<size_t>(row) * fresh_->stride;
  return back_ + static_cast<size_t>(row) * w_;
}

void vqsdl_rows::finish() {
  if (fresh_ == nullptr) return;
  for (; next_ < end_; next_++) copy(next_);
#if defined(VQSDL_STREAM)
  if (streamed_) _mm_sfence();
#endif
}
