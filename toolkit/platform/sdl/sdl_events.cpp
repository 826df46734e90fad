// SDL events into platform messages. One SDL event can make several
// messages (typed text, activation with focus) or none; the extra ones wait
// in a queue of our own that the pump empties first.
#include "sdl_internal.h"
#include "sdl_keys.h"
#include "sdl_text.h"

#include <cstdio>
#include <deque>

namespace {

std::deque<vqplatform_msg> g_queue;

// A keypad digit pressed with NumLock on types its digit from the key
// itself; SDL's text for it, which follows, is dropped (SDL's idea of
// NumLock and the text it gets from X can disagree for synthetic keys, and
// a digit must never arrive twice).
int g_keypad_text = 0;

int keypad_digit(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_KP_0: return '0';
    case SDLK_KP_1: return '1';
    case SDLK_KP_2: return '2';
    case SDLK_KP_3: return '3';
    case SDLK_KP_4: return '4';
    case SDLK_KP_5: return '5';
    case SDLK_KP_6: return '6';
    case SDLK_KP_7: return '7';
    case SDLK_KP_8: return '8';
    case SDLK_KP_9: return '9';
    default: return 0;
  }
}

vqplatform_msg make(int window, int kind) {
  vqplatform_msg msg{};
  msg.window = window;
  msg.kind = kind;
  return msg;
}

void post_point(int window, int kind, int fx, int fy, int button = 0, int wheel = 0) {
  vqplatform_msg msg = make(window, kind);
  vqsdl_client_point(window, fx, fy, &msg.x, &msg.y);
  msg.button = button;
  msg.wheel = wheel;
  vqsdl_post(msg);
}

void post_sized(int window, int kind) {
  vqplatform_msg msg = make(window, kind);
  vqplatform_window_client_size(window, &msg.width, &msg.height);
  vqsdl_post(msg);
}

void on_button(const SDL_MouseButtonEvent& ev) {
  int button = ev.button == SDL_BUTTON_LEFT ? 1 : ev.button == SDL_BUTTON_MIDDLE ? 2
               : ev.button == SDL_BUTTON_RIGHT ? 3 : 0;
  if (button == 0) return;
  // Every second click of a quick series is the double click, as desktops count.
  int kind = ev.type == SDL_MOUSEBUTTONUP ? VQMSG_BUTTONUP : ev.clicks % 2 == 0 ? VQMSG_DOUBLECLICK : VQMSG_BUTTONDOWN;
  post_point(vqsdl_handle_of(ev.windowID), kind, ev.x, ev.y, button);
}

void on_key(const SDL_KeyboardEvent& ev) {
  const int window = vqsdl_handle_of(ev.windowID);
  // F11 switches fullscreen, as on every desktop; the program never sees it.
  if (ev.keysym.sym == SDLK_F11 && (ev.keysym.mod & (KMOD_CTRL | KMOD_ALT | KMOD_SHIFT)) == 0) {
    if (ev.type == SDL_KEYDOWN && ev.repeat == 0) vqsdl_toggle_fullscreen(window);
    return;
  }
  if (ev.type == SDL_KEYDOWN) g_keypad_text = 0;
  if (const int digit = keypad_digit(ev.keysym.sym)) {
    if ((ev.keysym.mod & KMOD_NUM) != 0) {
      if (ev.type != SDL_KEYDOWN) return;
      vqplatform_msg msg = make(window, VQMSG_CHAR);
      msg.ch = digit;
      vqsdl_post(msg);
      g_keypad_text = digit;
      return;
    }
    vqplatform_msg msg = make(window, ev.type == SDL_KEYDOWN ? VQMSG_KEYDOWN : VQMSG_KEYUP);
    msg.key = vqplatform_keypad_navigation(digit);
    msg.keypad = digit;
    vqsdl_post(msg);
    return;
  }
  if (int key = vqsdl_keycode(ev.keysym.sym)) {
    vqplatform_msg msg = make(window, ev.type == SDL_KEYDOWN ? VQMSG_KEYDOWN : VQMSG_KEYUP);
    msg.key = key;
    vqsdl_post(msg);
  }
  if (ev.type != SDL_KEYDOWN) return;
  // Characters that SDL does not type but a desktop does: Backspace and the
  // clipboard's control characters.
  int ch = 0;
  const bool control = (ev.keysym.mod & KMOD_CTRL) != 0 && (ev.keysym.mod & KMOD_ALT) == 0;
  if (ev.keysym.sym == SDLK_BACKSPACE) ch = VQCHAR_BACKSPACE;
  else if (control && ev.keysym.sym == SDLK_c) ch = VQCHAR_CONTROL_C;
  else if (control && ev.keysym.sym == SDLK_v) ch = VQCHAR_CONTROL_V;
  else if (control && ev.keysym.sym == SDLK_x) ch = VQCHAR_CONTROL_X;
  if (ch == 0) return;
  vqplatform_msg msg = make(window, VQMSG_CHAR);
  msg.ch = ch;
  vqsdl_post(msg);
}

void on_text(const SDL_TextInputEvent& ev) {
  int chars[SDL_TEXTINPUTEVENT_TEXT_SIZE];
  size_t count = vqsdl_latin1_of_utf8(ev.text, chars, SDL_TEXTINPUTEVENT_TEXT_SIZE);
  const int window = vqsdl_handle_of(ev.windowID);
  for (size_t i = 0; i < count; i++) {
    // Enter, Space, Tab and Escape are keys, not characters.
    if (chars[i] < 32 || chars[i] == 127 || chars[i] == ' ') continue;
    if (g_keypad_text != 0 && chars[i] == g_keypad_text) {   // typed already, by its key
      g_keypad_text = 0;
      continue;
    }
    vqplatform_msg msg = make(window, VQMSG_CHAR);
    msg.ch = chars[i];
    vqsdl_post(msg);
  }
}

void on_drop(const SDL_DropEvent& ev) {
  const int window = vqsdl_handle_of(ev.windowID);
  sdl_window* win = vqsdl_window(window);
  if (ev.type == SDL_DROPBEGIN && win != nullptr) win->first_drop = true;
  if (ev.type == SDL_DROPFILE && ev.file != nullptr && win != nullptr && win->first_drop) {
    vqplatform_msg msg = make(window, VQMSG_DROPFILE);
    std::snprintf(msg.text, sizeof msg.text, "%s", ev.file);
    vqsdl_post(msg);
    win->first_drop = false;
  }
  if (ev.type == SDL_DROPCOMPLETE && win != nullptr) win->first_drop = true;
  if (ev.file != nullptr) SDL_free(ev.file);
}

void on_window(const SDL_WindowEvent& ev) {
  const int window = vqsdl_handle_of(ev.windowID);
  sdl_window* win = vqsdl_window(window);
  if (win == nullptr) return;
  switch (ev.event) {
    case SDL_WINDOWEVENT_CLOSE: vqsdl_post(make(window, VQMSG_CLOSE)); break;
    case SDL_WINDOWEVENT_EXPOSED: {
      // Show the last picture at once; the toolkit may draw it again.
      vqsdl_repaint(*win);
      vqplatform_msg msg = make(window, VQMSG_PAINT);
      msg.width = win->width;
      msg.height = win->height;
      vqsdl_post(msg);
      break;
    }
    case SDL_WINDOWEVENT_SIZE_CHANGED: {
      int w = 0, h = 0;
      SDL_GetWindowSizeInPixels(win->window, &w, &h);
      if (win->follows && w > 0 && h > 0 && (w != win->width || h != win->height)) {
        vqsdl_resize_back(*win, w, h);
        post_sized(window, VQMSG_SIZE);
      }
      vqsdl_repaint(*win);
      break;
    }
    case SDL_WINDOWEVENT_MOVED: {
      vqplatform_msg msg = make(window, VQMSG_MOVE);
      vqplatform_window_position(window, &msg.x, &msg.y);
      vqsdl_post(msg);
      break;
    }
    case SDL_WINDOWEVENT_MINIMIZED: post_sized(window, VQMSG_MINIMIZE); break;
    case SDL_WINDOWEVENT_MAXIMIZED: post_sized(window, VQMSG_MAXIMIZE); break;
    case SDL_WINDOWEVENT_RESTORED:
      vqsdl_repaint(*win);
      post_sized(window, VQMSG_RESTORE);
      break;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      vqsdl_post(make(window, VQMSG_ACTIVATE));
      vqsdl_post(make(window, VQMSG_FOCUS));
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      vqsdl_post(make(window, VQMSG_DEACTIVATE));
      vqsdl_post(make(window, VQMSG_UNFOCUS));
      break;
    default: break;
  }
}

}  // namespace

void vqsdl_translate(const SDL_Event& ev) {
  switch (ev.type) {
    case SDL_MOUSEMOTION:
      post_point(vqsdl_handle_of(ev.motion.windowID), VQMSG_MOUSEMOVE, ev.motion.x, ev.motion.y);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: on_button(ev.button); break;
    case SDL_MOUSEWHEEL: {
      int turn = ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -ev.wheel.y : ev.wheel.y;
      if (turn != 0)
        post_point(vqsdl_handle_of(ev.wheel.windowID), VQMSG_WHEEL, ev.wheel.mouseX, ev.wheel.mouseY, 0,
                   turn > 0 ? 1 : -1);
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: on_key(ev.key); break;
    case SDL_TEXTINPUT: on_text(ev.text); break;
    case SDL_DROPBEGIN:
    case SDL_DROPFILE:
    case SDL_DROPTEXT:
    case SDL_DROPCOMPLETE: on_drop(ev.drop); break;
    case SDL_WINDOWEVENT: on_window(ev.window); break;
    default: break;
  }
}

bool vqsdl_take(vqplatform_msg* msg) {
  while (!g_queue.empty()) {
    *msg = g_queue.front();
    g_queue.pop_front();
    if (msg->window != 0) return true;   // input for windows we do not know is dropped
  }
  return false;
}

void vqsdl_post(const vqplatform_msg& msg) { g_queue.push_back(msg); }
void vqsdl_forget_messages() { g_queue.clear(); }

