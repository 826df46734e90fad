// SDL key symbols to the toolkit's key codes.
#pragma once
#include <SDL.h>

#include "../vqkeys.h"

inline int vqsdl_keycode(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return VQKEY_ENTER;
    case SDLK_ESCAPE: return VQKEY_ESCAPE;
    case SDLK_SPACE: return VQKEY_SPACE;
    case SDLK_TAB: return VQKEY_TAB;
    case SDLK_LEFT: return VQKEY_LEFT;
    case SDLK_RIGHT: return VQKEY_RIGHT;
    case SDLK_UP: return VQKEY_UP;
    case SDLK_DOWN: return VQKEY_DOWN;
    case SDLK_F1: return VQKEY_F1;
    case SDLK_F2: return VQKEY_F2;
    case SDLK_F3: return VQKEY_F3;
    case SDLK_F4: return VQKEY_F4;
    case SDLK_F5: return VQKEY_F5;
    case SDLK_F6: return VQKEY_F6;
    case SDLK_F7: return VQKEY_F7;
    case SDLK_F8: return VQKEY_F8;
    case SDLK_F9: return VQKEY_F9;
    case SDLK_F10: return VQKEY_F10;
    case SDLK_F11: return VQKEY_F11;
    case SDLK_F12: return VQKEY_F12;
    case SDLK_INSERT: return VQKEY_INSERT;
    case SDLK_LCTRL: case SDLK_RCTRL: return VQKEY_CONTROL;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return VQKEY_SHIFT;
    case SDLK_HOME: return VQKEY_HOME;
    case SDLK_END: return VQKEY_END;
    case SDLK_DELETE: return VQKEY_DELETE;
    case SDLK_PAGEUP: return VQKEY_PAGEUP;
    case SDLK_PAGEDOWN: return VQKEY_PAGEDOWN;
    case SDLK_LALT: case SDLK_RALT: return VQKEY_ALT;
    default: return 0;
  }
}
