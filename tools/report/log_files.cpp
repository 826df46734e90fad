#include "log_files.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int deepest = 8;                       // folders below a named one
constexpr off_t largest = off_t(1) << 30;        // 1 GiB: no log of a class grows so large

struct walk {
  std::vector<log_reading> readings;
  std::set<std::pair<dev_t, ino_t>> seen;
  std::vector<std::string> problems;
};

bool read_whole(int fd, off_t size, std::string* text) {
  text->resize(static_cast<size_t>(size));
  size_t done = 0;
  while (done < text->size()) {
    const ssize_t n = read(fd, text->data() + done, text->size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  text->resize(done);
  return true;
}

void read_file(walk* w, const std::string& path, const struct stat& st) {
  if (!w->seen.insert({st.st_dev, st.st_ino}).second) return;
  if (st.st_size > largest) {
    w->problems.push_back(path + ": größer als 1 GiB, übersprungen");
    return;
  }
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    w->problems.push_back(path + ": nicht lesbar (" + std::strerror(errno) + "), übersprungen");
    return;
  }
  std::string text;
  read_whole(fd, st.st_size, &text);
  close(fd);
  if (text.empty()) {
    w->problems.push_back(path + ": leer, übersprungen");
    return;
  }
  w->readings.push_back(read_log(path, text));
}

bool is_csv(const std::string& name) {
  return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".csv") == 0;
}

// Returns the number of .csv files found below the folder.
int read_folder(walk* w, const std::string& folder, int depth) {
  DIR* d = opendir(folder.c_str());
  if (d == nullptr) {
    w->problems.push_back(folder + ": Ordner nicht lesbar (" + std::strerror(errno) + "), übersprungen");
    return 0;
  }
  std::vector<std::string> names;
  while (const dirent* e = readdir(d))
    if (e->d_name[0] != '.') names.push_back(e->d_name);
  closedir(d);
  std::sort(names.begin(), names.end());
  int found = 0;
  for (const std::string& name : names) {
    const std::string path = folder + (folder.back() == '/' ? "" : "/") + name;
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) continue;
    if (S_ISDIR(st.st_mode)) {
      // A folder reached twice (a link back up) is walked once.
      if (depth < deepest && w->seen.insert({st.st_dev, st.st_ino}).second) found += read_folder(w, path, depth + 1);
    } else if (S_ISREG(st.st_mode) && is_csv(name)) {
      ++found;
      read_file(w, path, st);
    }
  }
  return found;
}

}  // namespace

std::string own_log_folder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::string(data) + "/quorila";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.local/share/quorila";
}

std::vector<log_reading> read_logs(const std::vector<std::string>& paths) {
  walk w;
  for (const std::string& path : paths) {
    struct stat st{};
    if (stat(path.c_str(), &st) != 0) {
      w.problems.push_back(path + ": nicht gefunden (" + std::strerror(errno) + ")");
    } else if (S_ISDIR(st.st_mode)) {
      w.seen.insert({st.st_dev, st.st_ino});
      if (read_folder(&w, path, 0) == 0) w.problems.push_back(path + ": keine .csv-Dateien im Ordner");
    } else {
      read_file(&w, path, st);
    }
  }
  if (!w.problems.empty()) {
    log_reading notes;
    notes.problems = std::move(w.problems);
    w.readings.insert(w.readings.begin(), std::move(notes));
  }
  return std::move(w.readings);
}
