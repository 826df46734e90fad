// Fresh rows copied into the back buffer as the stretching reaches them.
// (Streaming the copy past the caches was measured too: no faster for
// growing pictures, slower for shrinking ones.)
#include "sdl_rows.h"

#include <cstring>

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
  std::memcpy(back_ + static_cast<size_t>(row) * w_ + r.x,
              fresh_->pixels + static_cast<size_t>(row) * fresh_->stride + r.x, static_cast<size_t>(r.w) * 4);
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
}
