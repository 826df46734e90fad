// What the files of the small controls share; not part of the toolkit's
// interface.
#pragma once

#include "vqminor.h"

// Commands a small control receives from its host.
enum vqminor_command {
  VQMINOR_LEFTDOWN = 2004, VQMINOR_LEFTUP = 2005, VQMINOR_LEFTDOUBLE = 2006,
  VQMINOR_WHEELUP = 2013, VQMINOR_WHEELDOWN = 2014, VQMINOR_MOVE = 2015,
  VQMINOR_KEYDOWN = 2016, VQMINOR_REFRESH = 2026, VQMINOR_REDRAWALL = 2048,
};

// Key codes of the keyboard as the toolkit delivers them.
enum vqminor_key {
  VQKEY_BACKSPACE = 8, VQKEY_ENTER = 10, VQKEY_SPACE = 32, VQKEY_LEFT = 301, VQKEY_RIGHT = 302,
  VQKEY_UP = 303, VQKEY_DOWN = 304, VQKEY_HOME = 320, VQKEY_END = 321, VQKEY_DELETE = 322,
};

// A command that only asks for the control to be drawn again.
inline bool vqminor_redraw_command(int command) {
  return command == VQMINOR_REFRESH || command == VQMINOR_REDRAWALL;
}
