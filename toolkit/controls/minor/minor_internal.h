// What the files of the small controls share; not part of the toolkit's
// interface.
#pragma once

#include "vqminor.h"
#include "vqkeys.h"


// A command that only asks for the control to be drawn again.
inline bool vqminor_redraw_command(int command) {
  return command == VQCMD_REFRESH || command == VQCMD_REDRAWALL;
}
