// Program start and stop: the toolkit start, quit, the orderly exit, the
// cleanup list, and the bookkeeping that windows and panels report to.
#pragma once

#include "vqhandler.h"

#include <cstdio>

// Splits one command-line text into an argument vector: argument 0 is an
// empty string, the found arguments follow, and a null entry ends it.
// Release with vqcmdline_free.
char** vqcmdline_split(const char* text, int* argc);
void vqcmdline_free(char** argv);

// The entry's sequence: vqinit, the application's main function, the
// keep-alive loop while windows stay open, the orderly exit. Returns 0.
int vqframe_run(int argc, char** argv, void (*app_main)());

void vqinit(int argc, char** argv);
void vqquit();
[[noreturn]] void vqexit(int code);
void vqatexit(void (*function)());
int vqrunning();
const char* vqprogramfolder();
int vqframe_argc();
char** vqframe_argv();
int vqframe_exitcode();

// Runs the exit steps without ending the process (the entry's last step).
void vqframe_orderly_exit(int code);

// Windows count themselves here; the keep-alive loop waits for the last one.
void vqframe_window_opened();
void vqframe_window_closed();
int vqframe_open_windows();

// A container that wants VQCMD_FIRSTREFRESH once the program has started.
void vqframe_defer_first_refresh(vqhandler handler, void* object);
void vqframe_forget_first_refresh(void* object);
bool vqframe_started();
bool vqframe_loop_entered();

// Called by the window procedure when the desktop session ends.
void vqframe_set_session_end_hook(void (*hook)());
void (*vqframe_session_end_hook())();

// Files that the orderly exit closes and deletes.
bool vqframe_tempfile_add(const char* name, FILE* file);
