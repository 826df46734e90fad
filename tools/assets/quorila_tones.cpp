// quorila_tones: writes a short melody as a wave file, the game's sounds
// where no speech synthesizer is installed. Each note is a sine with a
// little of its octave, shaped by a quick attack and a gentle decay so that
// notes do not click.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "usage: quorila_tones FILE NOTE...\n"
    "\n"
    "Writes FILE as a wave file (22050 Hz, mono, 16 bit) playing the notes in turn.\n"
    "A NOTE is HERTZ:MILLISECONDS; 0 Hz is a rest. Example: quorila_tones ok.wav 523:120 784:240\n"
    "\n"
    "Exit status: 0 written, 1 the file could not be written, 2 bad arguments.\n";

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979;

bool parse_note(const char* text, double* hertz, int* samples) {
  char* end = nullptr;
  *hertz = std::strtod(text, &end);
  if (end == text || *end != ':' || *hertz < 0 || *hertz > 8000) return false;
  const char* ms_text = end + 1;
  const long ms = std::strtol(ms_text, &end, 10);
  if (end == ms_text || *end != 0 || ms <= 0 || ms > 5000) return false;
  *samples = int(ms * kRate / 1000);
  return true;
}

void note(std::vector<int16_t>& out, double hertz, int samples) {
  const int attack = kRate / 200;   // 5 ms
  for (int i = 0; i < samples; ++i) {
    double v = 0;
    if (hertz > 0) {
      const double t = double(i) / kRate;
      const double envelope = std::min(1.0, double(i) / attack) * std::exp(-3.0 * double(i) / samples) *
                              std::min(1.0, double(samples - i) / attack);
      v = envelope * (0.8 * std::sin(2 * kPi * hertz * t) + 0.2 * std::sin(4 * kPi * hertz * t));
    }
    out.push_back(int16_t(std::lround(v * 0.6 * 32767)));
  }
}

void put(std::string& s, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) s.push_back(char((v >> (8 * i)) & 255));
}

bool write_wave(const char* file, const std::vector<int16_t>& pcm) {
  const uint32_t data_bytes = uint32_t(pcm.size() * 2);
  std::string head = "RIFF";
  put(head, 36 + data_bytes, 4);
  head += "WAVEfmt ";
  put(head, 16, 4);                // format chunk size
  put(head, 1, 2);                 // PCM
  put(head, 1, 2);                 // mono
  put(head, kRate, 4);
  put(head, kRate * 2, 4);         // bytes per second
  put(head, 2, 2);                 // bytes per frame
  put(head, 16, 2);                // bits per sample
  head += "data";
  put(head, data_bytes, 4);
  std::string body;
  for (int16_t s : pcm) put(body, uint16_t(s), 2);
  std::FILE* f = std::fopen(file, "wb");
  if (!f) return false;
  const bool ok = std::fwrite(head.data(), 1, head.size(), f) == head.size() &&
                  std::fwrite(body.data(), 1, body.size(), f) == body.size();
  return std::fclose(f) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (argc < 3) {
    std::fputs("quorila_tones: a file and at least one note are needed (quorila_tones --help explains)\n", stderr);
    return 2;
  }
  std::vector<int16_t> pcm;
  for (int i = 2; i < argc; ++i) {
    double hertz;
    int samples;
    if (!parse_note(argv[i], &hertz, &samples)) {
      std::fprintf(stderr, "quorila_tones: '%s' is not HERTZ:MILLISECONDS\n", argv[i]);
      return 2;
    }
    note(pcm, hertz, samples);
  }
  if (!write_wave(argv[1], pcm)) {
    std::fprintf(stderr, "quorila_tones: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
