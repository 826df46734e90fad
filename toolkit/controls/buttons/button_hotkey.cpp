// The buttons that answer to a key pressed anywhere in the program: their
// hotkey, or Enter for the default button. A window passes keys here that
// no focused control took.
#include "controls_internal.h"

#include <cstdio>

namespace {

enum { MAX_HOTKEY_BUTTONS = 100 };

vqButton* g_buttons[MAX_HOTKEY_BUTTONS];

bool letter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Letters answer in either case: a hotkey "s" is pressed with or without Shift.
bool same_key(int hotkey, int key) {
  if (hotkey == key) return true;
  return letter(hotkey) && letter(key) && (hotkey | 0x20) == (key | 0x20);
}

bool usable(const vqButton* b) { return b != nullptr && b->created && !b->greyed; }

}  // namespace

void vqbutton_hotkey_add(vqButton* b) {
  for (vqButton*& slot : g_buttons)
    if (slot == b) return;
  for (vqButton*& slot : g_buttons) {
    if (slot != nullptr) continue;
    slot = b;
    return;
  }
  std::printf("vqbutton_hotkey_add: too many buttons with hotkeys\n");
}

void vqbutton_hotkey_remove(vqButton* b) {
  for (vqButton*& slot : g_buttons)
    if (slot == b) slot = nullptr;
}

bool vqbutton_hotkey(int key) {
  if (key == 0) return false;
  for (vqButton* b : g_buttons) {
    if (!usable(b) || b->hotkey == 0 || !same_key(b->hotkey, key)) continue;
    vqbutton_click(b);
    return true;
  }
  if (key != VQKEY_ENTER && key != VQCHAR_RETURN) return false;
  for (vqButton* b : g_buttons) {
    if (!usable(b) || !(b->attributes & VQBTN_DEFAULT)) continue;
    vqbutton_click(b);
    return true;
  }
  return false;
}
