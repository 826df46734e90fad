// The frame's process-wide state, shared by the files of this folder only.
#pragma once

#include "vqhandler.h"

#include <cstdio>

struct vqframe_state {
  int argc = 0;
  char** argv = nullptr;
  unsigned char running = 1;
  unsigned char loop_entered = 0;
  unsigned char started = 0;
  int open_windows = 0;
  int exit_code = 0;
  void (*cleanup[100])() = {};
  int cleanup_count = 0;
  void (*session_end_hook)() = nullptr;
  char program_folder[300] = {};
};

vqframe_state& vqframe();

// Marks the program started; with send_refresh, the containers that asked
// for a deferred first refresh get VQCMD_FIRSTREFRESH (only the first time).
void vqframe_mark_started(bool send_refresh);
