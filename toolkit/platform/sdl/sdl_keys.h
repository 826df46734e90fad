// SDL key symbols to the toolkit's key codes.
#pragma once
#include <SDL.h>

inline int vqsdl_keycode(SDL_Keycode sym) {
  switch (sym) {
    case SDLK_RETURN: case SDLK_KP_ENTER: return 10;
    case SDLK_ESCAPE: return 27;
    case SDLK_SPACE: return 32;
    case SDLK_TAB: return 9;
    case SDLK_LEFT: return 301;
    case SDLK_RIGHT: return 302;
    case SDLK_UP: return 303;
    case SDLK_DOWN: return 304;
    case SDLK_F1: return 305;
    case SDLK_F2: return 306;
    case SDLK_F3: return 307;
    case SDLK_F4: return 308;
    case SDLK_F5: return 309;
    case SDLK_F6: return 310;
    case SDLK_F7: return 311;
    case SDLK_F8: return 312;
    case SDLK_F9: return 313;
    case SDLK_F10: return 314;
    case SDLK_F11: return 315;
    case SDLK_F12: return 316;
    case SDLK_INSERT: return 317;
    case SDLK_LCTRL: case SDLK_RCTRL: return 318;
    case SDLK_LSHIFT: case SDLK_RSHIFT: return 319;
    case SDLK_HOME: return 320;
    case SDLK_END: return 321;
    case SDLK_DELETE: return 322;
    case SDLK_PAGEUP: return 323;
    case SDLK_PAGEDOWN: return 324;
    case SDLK_LALT: case SDLK_RALT: return 325;
    default: return 0;
  }
}
