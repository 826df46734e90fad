// What SDL does not offer on X: the frame a window manager gives a window
// before the window is shown, the manager's own fullscreen switch, and a
// clean end when the connection to the display is lost (Xlib's own answer
// prints to standard error and calls exit(), whose clean-up then works on
// the dead connection for minutes).
#include "sdl_internal.h"

#include <SDL_syswm.h>

#include <cstdio>
#include <cstring>

#if defined(SDL_VIDEO_DRIVER_X11) && defined(VQ_HAVE_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace {

struct x11_window {
  Display* display = nullptr;
  Window window = 0;
};

x11_window x11_of(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (window == nullptr || SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
    return {};
  return {info.info.x11.display, info.info.x11.window};
}

// True when a window manager that follows the desktop conventions runs.
bool managed(Display* display) {
  Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  const bool found = XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &count, &left, &data) == Success &&
                     data != nullptr && count == 1;
  if (data != nullptr) XFree(data);
  return found;
}

void send_to_manager(const x11_window& x, Atom message, long a, long b, long c) {
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = x.window;
  ev.xclient.message_type = message;
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = a;
  ev.xclient.data.l[1] = b;
  ev.xclient.data.l[2] = c;
  ev.xclient.data.l[3] = 1;   // from an application
  XSendEvent(x.display, DefaultRootWindow(x.display), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
  XFlush(x.display);
}

int connection_lost(Display* display) {
  std::printf("vqplatform: lost the connection to the display %s\n", DisplayString(display));
  std::fflush(stdout);
  _exit(1);
}

}  // namespace

bool vqsdl_x11_frame(SDL_Window* window, int* left, int* top, int* right, int* bottom) {
  const x11_window x = x11_of(window);
  if (x.display == nullptr || !managed(x.display)) return false;
  Atom request = XInternAtom(x.display, "_NET_REQUEST_FRAME_EXTENTS", False);
  Atom extents = XInternAtom(x.display, "_NET_FRAME_EXTENTS", False);
  send_to_manager(x, request, 0, 0, 0);
  // The manager answers by setting the property; a busy one may take a moment.
  for (int attempt = 0; attempt < 100; attempt++) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0, rest = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(x.display, x.window, extents, 0, 4, False, XA_CARDINAL, &type, &format, &count, &rest,
                           &data) == Success &&
        data != nullptr && format == 32 && count == 4) {
      const long* values = reinterpret_cast<const long*>(data);
      *left = static_cast<int>(values[0]);
      *right = static_cast<int>(values[1]);
      *top = static_cast<int>(values[2]);
      *bottom = static_cast<int>(values[3]);
      XFree(data);
      return true;
    }
    if (data != nullptr) XFree(data);
    SDL_Delay(5);
  }
  return false;
}

bool vqsdl_x11_toggle_fullscreen(SDL_Window* window) {
  const x11_window x = x11_of(window);
  if (x.display == nullptr || !managed(x.display)) return false;
  constexpr long toggle = 2;
  send_to_manager(x, XInternAtom(x.display, "_NET_WM_STATE", False), toggle,
                  static_cast<long>(XInternAtom(x.display, "_NET_WM_STATE_FULLSCREEN", False)), 0);
  return true;
}

void vqsdl_x11_watch_connection() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetIOErrorHandler(connection_lost);
}

#else

bool vqsdl_x11_frame(SDL_Window*, int*, int*, int*, int*) { return false; }
bool vqsdl_x11_toggle_fullscreen(SDL_Window*) { return false; }
void vqsdl_x11_watch_connection() {}

#endif
