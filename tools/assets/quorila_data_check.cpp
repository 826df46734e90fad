// quorila_data_check: looks at the generated data the way the game will.
//   quorila_data_check pictures FOLDER   every picture through the picture reader
//   quorila_data_check sounds FILE...    every sound through the sound layer
// Prints one line per fault and a closing count; exit status 0 when all is
// well, 1 on any fault, 2 on bad arguments.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "vqpicture.h"
#include "vqplatform.h"

namespace {

int g_checks = 0, g_faults = 0;

void check(bool ok, const std::string& what) {
  ++g_checks;
  if (ok) return;
  ++g_faults;
  std::printf("FAIL: %s\n", what.c_str());
}

struct picture {
  bool read = false;
  int width = 0, height = 0;
  uint64_t hash = 0;
  std::vector<float> thumb;   // 32 x 18 cells x 3 channels, 0..255
};

// The picture reader traces what it opens on the standard output; that is
// parked on the null device while it reads, so only the findings show.
class quiet_stdout {
 public:
  quiet_stdout() {
    std::fflush(stdout);
    saved_ = dup(1);
    const int null_fd = open("/dev/null", O_WRONLY);
    if (null_fd >= 0) dup2(null_fd, 1), close(null_fd);
  }
  ~quiet_stdout() {
    std::fflush(stdout);
    if (saved_ >= 0) dup2(saved_, 1), close(saved_);
  }
  quiet_stdout(const quiet_stdout&) = delete;
  quiet_stdout& operator=(const quiet_stdout&) = delete;

 private:
  int saved_ = -1;
};

// The decoded pixels' checksum and a coarse thumbnail, read as the game reads them.
picture look_at(const std::string& file) {
  picture p;
  quiet_stdout quiet;
  vqpicture reader;
  if (!vqpicture_open(&reader, "%s", file.c_str())) return p;
  p.read = true;
  p.width = reader.width;
  p.height = reader.height;
  p.hash = 1469598103934665603ull;
  constexpr int cols = 32, rows = 18;
  p.thumb.assign(cols * rows * 3, 0.f);
  std::vector<int> count(cols * rows, 0);
  for (int y = 0; y < reader.height; ++y)
    for (int x = 0; x < reader.width; ++x) {
      const uint32_t c = vqpicture_getpixel(&reader, x, y) & 0xFFFFFF;
      p.hash = (p.hash ^ c) * 1099511628211ull;
      const int cell = (y * rows / reader.height) * cols + x * cols / reader.width;
      p.thumb[cell * 3] += float(c >> 16);
      p.thumb[cell * 3 + 1] += float((c >> 8) & 255);
      p.thumb[cell * 3 + 2] += float(c & 255);
      ++count[cell];
    }
  for (int i = 0; i < cols * rows; ++i)
    for (int k = 0; k < 3; ++k) p.thumb[i * 3 + k] /= float(count[i] ? count[i] : 1);
  vqpicture_close(&reader);
  return p;
}

// Mean difference of two thumbnails per channel, 0 (same) to 255.
float distance(const picture& a, const picture& b) {
  float sum = 0;
  for (size_t i = 0; i < a.thumb.size(); ++i) sum += std::abs(a.thumb[i] - b.thumb[i]);
  return sum / float(a.thumb.size());
}

int check_pictures(const std::string& folder) {
  std::vector<picture> backgrounds(101), avatars(101);
  for (int n = 0; n <= 100; ++n) {
    const std::string file = folder + "/Bilder/videob_" + std::to_string(n) + ".png";
    picture& p = backgrounds[size_t(n)] = look_at(file);
    check(p.read, file + ": the picture reader cannot open it");
    check(!p.read || (p.width >= 1280 && p.height >= 720),
          file + ": " + std::to_string(p.width) + " x " + std::to_string(p.height) + ", smaller than 1280 x 720");
  }
  for (int n = 1; n <= 100; ++n) {
    const std::string file = folder + "/avatar/videob_" + std::to_string(n) + ".png";
    picture& p = avatars[size_t(n)] = look_at(file);
    check(p.read, file + ": the picture reader cannot open it");
    check(!p.read || (p.width <= 132 && p.height <= 162),
          file + ": " + std::to_string(p.width) + " x " + std::to_string(p.height) + ", larger than 132 x 162");
  }
  // No two backgrounds alike: not the same pixels, nor nearly the same picture.
  float closest = 1e9f;
  int pair_a = 0, pair_b = 0;
  for (int a = 0; a <= 100; ++a)
    for (int b = a + 1; b <= 100; ++b) {
      const picture &pa = backgrounds[size_t(a)], &pb = backgrounds[size_t(b)];
      if (!pa.read || !pb.read) continue;
      check(pa.hash != pb.hash, "backgrounds " + std::to_string(a) + " and " + std::to_string(b) + " have the same pixels");
      const float d = distance(pa, pb);
      if (d < closest) closest = d, pair_a = a, pair_b = b;
    }
  char line[160];
  std::snprintf(line, sizeof line, "backgrounds %d and %d are nearly alike (thumbnail distance %.1f)", pair_a,
                pair_b, closest);
  check(closest >= 6.f, line);
  std::printf("closest backgrounds: %d and %d, thumbnail distance %.1f\n", pair_a, pair_b, closest);
  // Avatars change with their number: each differs from the next, a little,
  // and the farther apart two numbers lie, the more their faces differ.
  bool all_read = true;
  for (int n = 1; n <= 100; ++n) all_read = all_read && avatars[size_t(n)].read;
  if (all_read) {
    float step_max = 0;
    for (int n = 1; n < 100; ++n) {
      check(avatars[size_t(n)].hash != avatars[size_t(n + 1)].hash,
            "avatars " + std::to_string(n) + " and " + std::to_string(n + 1) + " have the same pixels");
      step_max = std::max(step_max, distance(avatars[size_t(n)], avatars[size_t(n + 1)]));
    }
    const float d2 = distance(avatars[1], avatars[2]), d10 = distance(avatars[1], avatars[10]);
    const float d50 = distance(avatars[1], avatars[50]), d100 = distance(avatars[1], avatars[100]);
    std::snprintf(line, sizeof line, "avatar 1 differs from 2, 10, 50, 100 by %.1f, %.1f, %.1f, %.1f; largest step %.1f",
                  d2, d10, d50, d100, step_max);
    std::printf("%s\n", line);
    check(d2 < d10 && d10 < d50 && d50 < d100 && step_max * 4 < d100,
          std::string("the avatars do not change steadily with their number: ") + line);
  }
  std::printf("quorila_data_check: %d checks, %d failed\n", g_checks, g_faults);
  return g_faults == 0 ? 0 : 1;
}

int check_sounds(int count, char** files) {
  // The desktop's sound layer with SDL's silent audio device: the file is
  // really decoded by the mixer, and nothing needs speakers.
  setenv("VQ_PLATFORM", "sdl", 1);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  for (int i = 0; i < count; ++i) {
    check(vqplatform_sound_play(files[i]), std::string(files[i]) + ": the sound layer cannot play it");
    vqplatform_sound_stop();
  }
  std::printf("quorila_data_check: %d checks, %d failed\n", g_checks, g_faults);
  return g_faults == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "pictures") == 0) return check_pictures(argv[2]);
  if (argc >= 3 && std::strcmp(argv[1], "sounds") == 0) return check_sounds(argc - 2, argv + 2);
  std::fputs("usage: quorila_data_check pictures FOLDER | quorila_data_check sounds FILE...\n", stderr);
  return 2;
}
