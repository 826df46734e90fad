// Toolkit start, quit and the orderly exit.
#include "frame_state.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqfont.h"
#include "vqplatform.h"
#include "vqtimer.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct tempfile {
  std::string name;
  FILE* file;
};
std::vector<tempfile> g_tempfiles;

constexpr uint32_t kIdleWaitMs = 1000;   // the longest wait while no timer is due

void find_program_folder(char* folder, size_t size) {
  char path[4096];
  folder[0] = 0;
  if (!vqplatform_program_path(path, sizeof path)) return;
  for (char* c = path; *c != 0; c++)
    if (*c == '\\') *c = '/';
  char* last = std::strrchr(path, '/');
  if (last != nullptr) *last = 0;
  size_t n = std::strlen(path);
  if (n > size - 1) n = size - 1;   // the folder text keeps at most 299 characters
  std::memcpy(folder, path, n);
  folder[n] = 0;
}

// Waits on platform input until the last window closes (also one closed
// without quitting: with no window left nothing could end the wait). Input
// wakes the wait at once; otherwise it lasts until the next timer is due.
void keep_alive() {
  vqframe_mark_started(true);
  vqplatform_msg msg;
  while (vqframe().running && vqframe().open_windows > 0) {
    vqticks_serve();
    if (vqplatform_wait_message(&msg, vqticks_wait_ms(kIdleWaitMs))) vqplatform_dispatch(&msg);
    if (vqeventpending()) vqpollevent();
  }
}

}  // namespace

vqframe_state& vqframe() {
  static vqframe_state state;
  return state;
}

void vqinit(int argc, char** argv) {
  vqframe_state& f = vqframe();
  f.session_end_hook = nullptr;
  f.argc = argc;
  f.argv = argv;
  vqfont_register_builtins();
  find_program_folder(f.program_folder, sizeof f.program_folder);
  f.loop_entered = 0;
  f.started = 0;
  vqplatform_start();
  vqplatform_sound_stop();
}

int vqframe_run(int argc, char** argv, void (*app_main)()) {
  vqinit(argc, argv);
  // Session notifications and the taskbar-restart message do not exist on
  // this desktop; windows simply do without them.
  if (app_main != nullptr) app_main();
  vqframe_state& f = vqframe();
  if (!f.loop_entered && f.open_windows > 0 && f.running) keep_alive();
  vqframe_orderly_exit(0);
  return 0;
}

void vqquit() {
  vqframe().running = 0;
  if (!vqframe().loop_entered) vqexit(0);
}

void vqframe_orderly_exit(int code) {
  vqframe_state& f = vqframe();
  f.exit_code = code;
  f.running = 0;
  for (int i = 0; i < f.cleanup_count; i++) f.cleanup[i]();
  f.cleanup_count = 0;
  for (tempfile& t : g_tempfiles) {
    if (t.file != nullptr) std::fclose(t.file);
    std::remove(t.name.c_str());
  }
  g_tempfiles.clear();
  std::fflush(stdout);
}

void vqexit(int code) {
  vqframe_orderly_exit(code);
  std::exit(code);
}

void vqatexit(void (*function)()) {
  vqframe_state& f = vqframe();
  if (function == nullptr) return;
  if (f.cleanup_count >= 100) {
    std::printf("vqatexit: cleanup list full\n");
    return;
  }
  f.cleanup[f.cleanup_count++] = function;
}

int vqrunning() { return vqframe().running; }
const char* vqprogramfolder() { return vqframe().program_folder; }
int vqframe_argc() { return vqframe().argc; }
char** vqframe_argv() { return vqframe().argv; }
int vqframe_exitcode() { return vqframe().exit_code; }

void vqframe_window_opened() { vqframe().open_windows++; }
void vqframe_window_closed() {
  if (vqframe().open_windows > 0) vqframe().open_windows--;
}
int vqframe_open_windows() { return vqframe().open_windows; }
bool vqframe_started() { return vqframe().started != 0; }
bool vqframe_loop_entered() { return vqframe().loop_entered != 0; }

void vqframe_set_session_end_hook(void (*hook)()) { vqframe().session_end_hook = hook; }
void (*vqframe_session_end_hook())() { return vqframe().session_end_hook; }

bool vqframe_tempfile_add(const char* name, FILE* file) {
  if (name == nullptr) return false;
  g_tempfiles.push_back({name, file});
  return true;
}
