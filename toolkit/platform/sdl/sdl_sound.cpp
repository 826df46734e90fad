// Sound through SDL2_mixer: one wave file at a time, played on one channel
// while the program goes on. The audio device is opened on the first sound
// that is asked for, not at start, so a program that plays nothing never
// touches it; where there is no device, every sound is silently not heard.
#include "sdl_internal.h"

#include <SDL_mixer.h>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

enum class audio { untried, open, unavailable };
audio g_audio = audio::untried;
Mix_Chunk* g_playing = nullptr;   // kept until the next sound or stop

// The sound libraries below SDL write their own complaints to the standard
// error while they look for a device (ALSA: "cannot find card '0'"), and a
// missing device is to be reported nowhere: the error output is parked on
// the null device while the device is opened.
struct quiet_stderr {
  int saved = -1;
  quiet_stderr() {
    const int null_fd = open("/dev/null", O_WRONLY);
    if (null_fd < 0) return;
    std::fflush(stderr);
    saved = dup(2);
    if (saved >= 0) dup2(null_fd, 2);
    close(null_fd);
  }
  ~quiet_stderr() {
    if (saved < 0) return;
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
  }
};

// Asked once: a device that failed to open is not asked again, so a machine
// without sound never waits on it twice.
bool audio_ready() {
  if (g_audio != audio::untried) return g_audio == audio::open;
  g_audio = audio::unavailable;
  quiet_stderr quiet;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  g_audio = audio::open;
  return true;
}

bool readable(const char* file) {
  std::FILE* f = std::fopen(file, "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

}  // namespace

bool vqsdl_sound_play(const char* wavfile) {
  vqsdl_sound_stop();
  // A missing file needs no audio device to be not heard.
  if (wavfile == nullptr || *wavfile == 0 || !readable(wavfile) || !audio_ready()) return false;
  g_playing = Mix_LoadWAV(wavfile);
  if (g_playing == nullptr) return false;
  if (Mix_PlayChannel(0, g_playing, 0) < 0) {
    Mix_FreeChunk(g_playing);
    g_playing = nullptr;
    return false;
  }
  return true;
}

void vqsdl_sound_stop() {
  if (g_audio != audio::open) return;
  // Halting waits for the mixer, so the chunk is no longer read when it is freed.
  Mix_HaltChannel(-1);
  if (g_playing != nullptr) Mix_FreeChunk(g_playing);
  g_playing = nullptr;
}

void vqsdl_sound_close() {
  vqsdl_sound_stop();
  if (g_audio == audio::open) {
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  g_audio = audio::untried;
}
