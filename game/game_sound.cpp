// The game's sounds: after a right and a wrong answer, the reminders while
// an answer is awaited, and the end of a quiz. Sounds play asynchronously on
// the platform's side; a file that is missing is simply not heard.
#include "game_screen.h"
#include "vqevent.h"
#include "vqplatform.h"
#include "vqrandom.h"

#include <cstdio>

namespace {

// 0 while no reminder has sounded in this answer wait, 1 after the first,
// 2 after the second and every later one.
int g_reminder_state = 0;

const char* const reminders[3] = {"sound/warten-1.wav", "sound/warten-2.wav", "sound/warten-3.wav"};

// The right and wrong names are formatted from their patterns into this.
char g_sound_name[64];

void play_numbered(const char* pattern, int number) {
  std::snprintf(g_sound_name, sizeof g_sound_name, pattern, number);
  play_sound(g_sound_name);
}

}  // namespace

bool play_sound(const char* file) {
  vqplatform_sound_stop();
  return vqplatform_sound_play(file);
}

void play_right_sound() { play_numbered("sound/RIGHT/right-%d.wav", 0); }

void play_wrong_sound() {
  play_numbered("sound/WRONG/wrong-%d.wav", 0);
  vqwait(1.0);
}

void play_wait_sound() {
  play_sound(reminders[g_reminder_state]);
  if (g_reminder_state < 2) ++g_reminder_state;
}

void reset_wait_sound() { g_reminder_state = 0; }

void play_end_sound() { play_numbered("geschafft%d.wav", vqrandom_draw() % 9 + 1); }
