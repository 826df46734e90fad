// Sound through SDL2_mixer: one wave file at a time, played on one channel
// while the program goes on. The audio device is opened on the first sound
// that is asked for, not at start, so a program that plays nothing never
// touches it; where there is no device, every sound is silently not heard.
#include "sdl_internal.h"

#include <SDL_mixer.h>

#include <cstdio>

namespace {

enum class audio { untried, open, unavailable };
audio g_audio = audio::untried;
Mix_Chunk* g_playing = nullptr;   // kept until the next sound or stop

// Asked once: a device that failed to open is not asked again, so a machine
// without sound never waits on it twice.
bool audio_ready() {
  if (g_audio != audio::untried) return g_audio == audio::open;
  g_audio = audio::unavailable;
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
