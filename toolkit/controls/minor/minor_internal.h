// What the files of the small controls share; not part of the toolkit's
// interface.
#pragma once

#include "vqminor.h"
#include "vqkeys.h"

#include <memory>

// The option text being read, on the heap (it is some ten kilobytes).
using vqminor_parse = std::unique_ptr<vqminor_options>;
inline vqminor_parse vqminor_newparse() { return std::make_unique<vqminor_options>(); }

// A command that only asks for the control to be drawn again.
inline bool vqminor_redraw_command(int command) {
  return command == VQCMD_REFRESH || command == VQCMD_REDRAWALL;
}
