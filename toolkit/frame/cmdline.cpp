// Turning one command-line text into an argument vector, with double-quote
// grouping. Only the space counts as a blank.
#include "vqframe.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr size_t kMaxArgumentLength = 2047;
constexpr int kMaxArguments = 1000;

char* copy_argument(const std::string& text) {
  char* block = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(block, text.c_str(), text.size() + 1);
  return block;
}

void append(std::string& argument, char c) {
  if (argument.size() < kMaxArgumentLength) argument.push_back(c);
}

}  // namespace

char** vqcmdline_split(const char* text, int* argc) {
  std::vector<char*> found;
  found.push_back(copy_argument(""));
  const char* p = text != nullptr ? text : "";
  while (static_cast<int>(found.size()) < kMaxArguments) {
    while (*p == ' ') p++;
    if (*p == 0) break;
    std::string argument;
    if (*p == '"') {
      p++;
      while (*p != 0 && *p != '"') append(argument, *p++);
      if (*p == '"') p++;
    } else {
      bool quoted = false;
      while (*p != 0 && (quoted || *p != ' ')) {
        if (*p == '"')
          quoted = !quoted;
        else
          append(argument, *p);
        p++;
      }
      if (*p == ' ') p++;
    }
    found.push_back(copy_argument(argument));
  }
  char** argv = static_cast<char**>(std::malloc((found.size() + 1) * sizeof(char*)));
  for (size_t i = 0; i < found.size(); i++) argv[i] = found[i];
  argv[found.size()] = nullptr;
  if (argc != nullptr) *argc = static_cast<int>(found.size());
  return argv;
}

void vqcmdline_free(char** argv) {
  if (argv == nullptr) return;
  for (char** a = argv; *a != nullptr; a++) std::free(*a);
  std::free(argv);
}
