#include "game_learner.h"

#include "vqframe.h"

#include <cstdlib>
#include <cstring>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr size_t longest_name = 200;

std::string tidy(const char* name) {
  std::string s = name != nullptr ? name : "";
  for (char& c : s)
    if (static_cast<unsigned char>(c) < 32 || c == 127) c = ' ';
  if (s.size() > longest_name) {
    size_t cut = longest_name;
    // Not inside a UTF-8 sequence: continuation bytes are 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(s[cut]) & 0xC0) == 0x80) --cut;
    s.resize(cut);
  }
  return s;
}

const char* from_arguments(int argc, char* const* argv) {
  const char* found = nullptr;
  for (int i = 1; i < argc && argv[i] != nullptr; ++i) {
    if (std::strcmp(argv[i], "--learner") == 0 && i + 1 < argc) found = argv[++i];
    else if (std::strncmp(argv[i], "--learner=", 10) == 0) found = argv[i] + 10;
  }
  return found;
}

const char* login_name() {
  if (const passwd* pw = getpwuid(geteuid())) return pw->pw_name;
  const char* user = std::getenv("LOGNAME");
  return user != nullptr ? user : std::getenv("USER");
}

}  // namespace

std::string learner_name(int argc, char* const* argv, const char* from_environment, const char* login) {
  for (const char* candidate : {from_arguments(argc, argv), from_environment, login}) {
    const std::string name = tidy(candidate);
    if (name.find_first_not_of(' ') != std::string::npos) return name;
  }
  return "?";
}

// Asked again for every line: in the browser the page's name field may
// change QUORILA_LEARNER between two quizzes.
const std::string& game_learner() {
  static std::string name;
  name = learner_name(vqframe_argc(), vqframe_argv(), std::getenv("QUORILA_LEARNER"), login_name());
  return name;
}
