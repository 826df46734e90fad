#include "log_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every folder on the way to the file, as mkdir -p would.
bool make_folders_for(const std::string& path) {
  for (size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    if (mkdir(folder.c_str(), 0755) != 0 && errno != EEXIST) return false;
  }
  return true;
}

enum class first_line { none, same, other };

// Whether the file is missing or empty (none), starts with the header
// (same, also when a spreadsheet saved it with CR LF), or holds anything else.
first_line first_line_of(const std::string& path, const std::string& header) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? first_line::none : first_line::other;
  std::string head(header.size() + 2, '\0');
  ssize_t got = 0;
  while (got < static_cast<ssize_t>(head.size())) {
    const ssize_t n = read(fd, &head[static_cast<size_t>(got)], head.size() - static_cast<size_t>(got));
    if (n <= 0) break;
    got += n;
  }
  close(fd);
  head.resize(got > 0 ? static_cast<size_t>(got) : 0);
  if (head.empty()) return first_line::none;
  if (head.compare(0, header.size(), header) != 0 || head.size() == header.size()) return first_line::other;
  const char next = head[header.size()];
  const bool ends = next == '\n' || (next == '\r' && head.size() > header.size() + 1 && head[header.size() + 1] == '\n');
  return ends ? first_line::same : first_line::other;
}

bool write_all(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

bool ends_with_line_feed(int fd, off_t size) {
  char last = '\n';
  return size == 0 || (pread(fd, &last, 1, size - 1) == 1 && last == '\n');
}

}  // namespace

std::string csv_field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string local_time_text(int64_t seconds) {
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  if (localtime_r(&t, &local) == nullptr) return "";
  char text[48];
  const size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  // ISO 8601 writes the zone offset with a colon (+01:00), which strftime's %z leaves out.
  const long offset = local.tm_gmtoff / 60, minutes = offset < 0 ? -offset : offset;
  std::snprintf(text + n, sizeof text - n, "%c%02ld:%02ld", offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
  return text;
}

std::string log_file_for(const std::string& path, const char* header) {
  if (first_line_of(path, header) != first_line::other) return path;
  const size_t dot = path.rfind('.'), slash = path.rfind('/');
  const bool has_extension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string stem = has_extension ? path.substr(0, dot) : path;
  const std::string extension = has_extension ? path.substr(dot) : "";
  for (int n = 2; n <= 100; ++n) {
    const std::string next = stem + "-" + std::to_string(n) + extension;
    if (first_line_of(next, header) != first_line::other) return next;
  }
  return "";
}

bool log_append(const std::string& path, const char* header, const std::string& line) {
  if (!make_folders_for(path)) return false;
  const std::string file = log_file_for(path, header);
  if (file.empty()) return false;
  const int fd = open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  struct stat st{};
  bool ok = fstat(fd, &st) == 0;
  std::string text;
  if (ok && st.st_size == 0) text = std::string(header) + "\n";
  else if (ok && !ends_with_line_feed(fd, st.st_size)) text = "\n";
  text += line + "\n";
  ok = ok && write_all(fd, text);
  return close(fd) == 0 && ok;
}
