// Taking and waiting for messages. An idle program looks for a message and
// then waits until its next timer is due, which for a window with a blinking
// cursor or a running clock is several times a second; SDL's own pump costs
// as much as the sleep itself each time, so on X the back end waits on the
// server connection and pumps only when the server has sent something, when
// SDL holds events, or every 100 ms (SDL settles some things, focus changes
// among them, only while pumping).
#include "sdl_internal.h"

#include <SDL_syswm.h>
#include <poll.h>

#include <algorithm>

namespace {

constexpr uint32_t kPumpAtLeastEvery = 100;   // ms
uint32_t g_last_pump = 0;

struct x11_link {
  void* display = nullptr;   // Display*, null off X
  int fd = -1;
};

x11_link x11_of(int window) {
  x11_link link;
#if defined(SDL_VIDEO_DRIVER_X11)
  sdl_window* win = vqsdl_window(window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (win != nullptr && SDL_GetWindowWMInfo(win->window, &info) == SDL_TRUE && info.subsystem == SDL_SYSWM_X11) {
    link.display = info.info.x11.display;
    link.fd = ConnectionNumber(info.info.x11.display);
  }
#else
  (void)window;
#endif
  return link;
}

// The X connection of the open windows (all share one).
x11_link x11() {
  static x11_link known;
  static int known_window = 0;
  if (known_window != 0 && vqsdl_window(known_window) != nullptr) return known;
  known = x11_link{};
  known_window = 0;
  for (int window = 1; window <= vqsdl_window_slots() && known.fd < 0; window++) {
    known = x11_of(window);
    if (known.fd >= 0) known_window = window;
  }
  return known;
}

bool sdl_holds_events() {
  // SDL keeps a marker event of its own in the queue between polls.
  return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_POLLSENTINEL - 1) > 0 ||
         SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_POLLSENTINEL + 1, SDL_LASTEVENT) > 0;
}

// True when a pump could not bring anything.
bool quiet(const x11_link& link) {
#if defined(SDL_VIDEO_DRIVER_X11)
  if (link.fd < 0 || SDL_GetTicks() - g_last_pump >= kPumpAtLeastEvery) return false;
  if (QLength(static_cast<Display*>(link.display)) != 0 || sdl_holds_events()) return false;
  pollfd look{link.fd, POLLIN, 0};
  return poll(&look, 1, 0) == 0;
#else
  (void)link;
  return false;
#endif
}

bool pump_take(vqplatform_msg* msg) {
  g_last_pump = SDL_GetTicks();
  SDL_Event ev;
  while (SDL_PollEvent(&ev) != 0) {
    vqsdl_translate(ev);
    if (vqsdl_take(msg)) return true;
  }
  return false;
}

}  // namespace

bool vqsdl_peek_message(vqplatform_msg* msg) {
  if (vqsdl_take(msg)) return true;
  if (vqsdl_video_running() && quiet(x11())) return false;
  return pump_take(msg);
}

bool vqsdl_wait_message(vqplatform_msg* msg, uint32_t timeout_ms) {
  if (vqsdl_take(msg)) return true;
  // Without video SDL would poll every millisecond while it waits; a plain
  // sleep is cheaper, and no input can arrive anyway.
  if (!vqsdl_video_running()) {
    if (pump_take(msg)) return true;
    SDL_Delay(timeout_ms);
    return pump_take(msg);
  }
  const x11_link link = x11();
  if (link.fd >= 0) {
    if (!quiet(link) && pump_take(msg)) return true;
    // The pump has read all the server sent: what comes now wakes the poll.
    const uint32_t wait = std::min(timeout_ms, kPumpAtLeastEvery);
    pollfd look{link.fd, POLLIN, 0};
    if (poll(&look, 1, static_cast<int>(wait)) <= 0) return false;
    return pump_take(msg);
  }
  const uint32_t until = SDL_GetTicks() + timeout_ms;
  SDL_Event ev;
  for (;;) {
    int32_t left = static_cast<int32_t>(until - SDL_GetTicks());
    if (left <= 0) return pump_take(msg);
    if (SDL_WaitEventTimeout(&ev, left) == 0) return false;
    vqsdl_translate(ev);
    if (vqsdl_take(msg)) return true;
  }
}
