// The game's data folder: the working folder when it holds the data, else
// the program's own folder (a build folder, or an unpacked copy), else the
// folder the installation put it into.
#include "game_data.h"

#include "vqframe.h"

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

// The build sets both from its install folders.
#ifndef QUORILA_DATADIR
#define QUORILA_DATADIR "/usr/local/share/quorila"
#endif
#ifndef QUORILA_DATADIR_FROM_BINDIR
#define QUORILA_DATADIR_FROM_BINDIR "../share/quorila"
#endif

namespace {

bool is_folder(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string working_folder() {
  char buffer[4096];
  if (getcwd(buffer, sizeof buffer) == nullptr) return ".";
  return buffer;
}

}  // namespace

bool game_data_in(const std::string& folder) {
  if (folder.empty()) return false;
  for (const char* part : {"/Bilder", "/avatar", "/sound"})
    if (!is_folder(folder + part)) return false;
  return true;
}

std::string game_data_folder_choice(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders)
    if (game_data_in(folder)) return folder;
  return {};
}

std::vector<std::string> game_data_folders(const std::string& working, const std::string& program) {
  std::vector<std::string> folders = {working, program};
  if (!program.empty()) folders.push_back(program + "/" + QUORILA_DATADIR_FROM_BINDIR);
  folders.push_back(QUORILA_DATADIR);
  return folders;
}

std::string game_use_data_folder() {
  const std::string working = working_folder();
  const std::string chosen = game_data_folder_choice(game_data_folders(working, vqprogramfolder()));
  if (chosen.empty() || chosen == working) return working;
  if (chdir(chosen.c_str()) != 0) {
    std::printf("game_use_data_folder: cannot change to %s\n", chosen.c_str());
    return working;
  }
  return working_folder();
}
