// The window procedure: platform messages become commands of the window's
// handler. Keys arrive as the toolkit's key codes; the modifier keys are
// tracked here because two combinations mean something else than a key.
#include "vqkeys.h"
#include "window_internal.h"

#include <cstdio>

namespace {

enum modifier : unsigned { SHIFT = 1, ALT = 2, CONTROL = 4 };

// Enter, Escape, Space, Tab and the block from Left to Alt.
bool has_key_code(int key) {
  return key == VQKEY_TAB || key == VQKEY_ENTER || key == VQKEY_ESCAPE || key == VQKEY_SPACE ||
         (key >= VQKEY_LEFT && key <= VQKEY_ALT);
}

unsigned modifier_of(int key) {
  switch (key) {
    case VQKEY_SHIFT: return SHIFT;
    case VQKEY_ALT: return ALT;
    case VQKEY_CONTROL: return CONTROL;
    default: return 0;
  }
}

void send(vqWindow* window, int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0) {
  vqWindow::command(window, command, a1, a2, a3, a4, 0, 0, 0, 0);
}

// Left, middle, right button: down, up, double click.
int button_command(int kind, int button) {
  if (button < 1 || button > 3) return 0;
  int base = VQCMD_LEFTDOWN + 3 * (button - 1);
  switch (kind) {
    case VQMSG_BUTTONDOWN: return base;
    case VQMSG_BUTTONUP: return base + 1;
    case VQMSG_DOUBLECLICK: return base + 2;
    default: return 0;
  }
}

void typed(vqWindow* window, int ch);

// A keypad digit key with NumLock off: its navigation key, or its digit
// while the window asks for digits (and then there is no release to post).
bool keypad_typed(vqWindow* window, const vqplatform_msg* msg) {
  if (msg->keypad < '0' || msg->keypad > '9' || !window->keypad_digits) return false;
  if (msg->kind == VQMSG_KEYDOWN) typed(window, msg->keypad);
  return true;
}

void key_down(vqWindow* window, int key) {
  if (!has_key_code(key)) return;
  window->modifiers |= modifier_of(key);
  if (key == VQKEY_DELETE && window->modifiers == SHIFT) send(window, VQCMD_CUT);
  else if (key == VQKEY_F4 && (window->modifiers & ALT) != 0) send(window, VQCMD_CLOSE);
  else send(window, VQCMD_KEYDOWN, key);
}

void key_up(vqWindow* window, int key) {
  if (!has_key_code(key)) return;
  window->modifiers &= ~modifier_of(key);
  send(window, VQCMD_KEYUP, key);
}

// Control+V, C, X come as their control characters (or as the letters
// while Control is held, where the desktop sends them so).
int clipboard_command(const vqWindow* window, int ch) {
  if (ch == VQCHAR_CONTROL_V) return VQCMD_PASTE;
  if (ch == VQCHAR_CONTROL_C) return VQCMD_COPY;
  if (ch == VQCHAR_CONTROL_X) return VQCMD_CUT;
  if ((window->modifiers & CONTROL) == 0) return 0;
  if (ch == 'v' || ch == 'V') return VQCMD_PASTE;
  if (ch == 'c' || ch == 'C') return VQCMD_COPY;
  if (ch == 'x' || ch == 'X') return VQCMD_CUT;
  return 0;
}

void typed(vqWindow* window, int ch) {
  if (ch <= 0 || ch > 255) return;
  if (int command = clipboard_command(window, ch)) {
    send(window, command);
    return;
  }
  // These come from the key table alone, so they are not seen twice.
  if (ch == VQKEY_ENTER || ch == VQCHAR_RETURN || ch == VQKEY_SPACE || ch == VQKEY_TAB || ch == VQKEY_ESCAPE) return;
  send(window, VQCMD_KEYDOWN, ch);
}

}  // namespace

void vqwindow_proc(void* object, const vqplatform_msg* msg) {
  vqWindow* window = static_cast<vqWindow*>(object);
  if (window == nullptr || msg == nullptr || !window->created) return;
  switch (msg->kind) {
    case VQMSG_MOUSEMOVE: send(window, VQCMD_MOUSEMOVE, msg->x, msg->y); break;
    case VQMSG_BUTTONDOWN:
    case VQMSG_BUTTONUP:
    case VQMSG_DOUBLECLICK:
      if (int command = button_command(msg->kind, msg->button)) send(window, command, msg->x, msg->y);
      break;
    case VQMSG_WHEEL:
      if (msg->wheel != 0) send(window, msg->wheel > 0 ? VQCMD_WHEELUP : VQCMD_WHEELDOWN, msg->x, msg->y);
      break;
    case VQMSG_KEYDOWN:
      if (!keypad_typed(window, msg)) key_down(window, msg->key);
      break;
    case VQMSG_KEYUP:
      if (!keypad_typed(window, msg)) key_up(window, msg->key);
      break;
    case VQMSG_CHAR: typed(window, msg->ch); break;
    case VQMSG_CLOSE: send(window, VQCMD_CLOSE); break;
    case VQMSG_PAINT: send(window, VQCMD_PAINT, msg->x, msg->y, msg->width, msg->height); break;
    case VQMSG_SIZE:
    case VQMSG_RESTORE:
      send(window, VQCMD_SIZE, msg->width, msg->height);
      send(window, VQCMD_RESTORED);
      break;
    case VQMSG_MINIMIZE:
      send(window, VQCMD_SIZE, msg->width, msg->height);
      send(window, VQCMD_MINIMISED);
      break;
    case VQMSG_MAXIMIZE:
      send(window, VQCMD_SIZE, msg->width, msg->height);
      send(window, VQCMD_MAXIMISED);
      break;
    case VQMSG_MOVE:
      window->platform.x = msg->x;
      window->platform.y = msg->y;
      send(window, VQCMD_MOVED);
      break;
    case VQMSG_ACTIVATE: send(window, VQCMD_ACTIVATED); break;
    case VQMSG_DEACTIVATE:
      // The releases of keys held now go to another window: forget them,
      // or a later F4 alone would close this one.
      window->modifiers = 0;
      send(window, VQCMD_DEACTIVATED);
      break;
    case VQMSG_FOCUS: send(window, VQCMD_FOCUSIN); break;
    case VQMSG_UNFOCUS:
      window->modifiers = 0;
      send(window, VQCMD_FOCUSOUT);
      break;
    case VQMSG_DROPFILE:
      std::snprintf(window->dropped_file, sizeof window->dropped_file, "%s", msg->text);
      send(window, VQCMD_DROPPED);
      break;
    default: break;
  }
}

void vqwindow_keypad_digits(vqWindow* window, bool on) {
  if (window != nullptr) window->keypad_digits = on ? 1 : 0;
}
