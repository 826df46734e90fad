// The toolkit's key codes: what a back end puts into a key message, what a
// window passes to its children with VQCMD_KEYDOWN / VQCMD_KEYUP and what it
// posts as an event code (a release as the code + VQKEY_RELEASED). It lives
// with the platform layer, the lowest one, so that the back ends' key tables
// include it alone and every layer above reaches it too.
#pragma once

enum vqkey {
  VQKEY_TAB = 9, VQKEY_ENTER = 10, VQKEY_ESCAPE = 27, VQKEY_SPACE = 32,
  VQKEY_LEFT = 301, VQKEY_RIGHT, VQKEY_UP, VQKEY_DOWN,
  VQKEY_F1 = 305, VQKEY_F2, VQKEY_F3, VQKEY_F4, VQKEY_F5, VQKEY_F6, VQKEY_F7, VQKEY_F8, VQKEY_F9,
  VQKEY_F10, VQKEY_F11, VQKEY_F12,
  VQKEY_INSERT = 317, VQKEY_CONTROL, VQKEY_SHIFT, VQKEY_HOME, VQKEY_END, VQKEY_DELETE,
  VQKEY_PAGEUP, VQKEY_PAGEDOWN, VQKEY_ALT,
  VQKEY_RELEASED = 512,   // added to a key code for the event of its release
};

// Typed characters that the controls treat like keys (they arrive with
// VQCMD_KEYDOWN as the character's code), and the control characters that
// Control+C, V, X type.
enum vqchar {
  VQCHAR_CONTROL_C = 3, VQCHAR_BACKSPACE = 8, VQCHAR_RETURN = 13, VQCHAR_CONTROL_V = 22,
  VQCHAR_CONTROL_X = 24,
};
