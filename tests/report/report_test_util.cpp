#include "report_test_util.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

extern char** environ;

std::string read_text(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void write_text(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string fresh_folder() {
  char name[] = "/tmp/quorila-report-test-XXXXXX";
  return mkdtemp(name) != nullptr ? name : "";
}

report_run run_report(const std::vector<std::string>& arguments) {
  report_run r;
  const std::string folder = fresh_folder();
  const std::string out = folder + "/out", err = folder + "/err";
  std::vector<std::string> args = {std::string(VQ_BINARY_DIR) + "/tools/quorila-report"};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
  }
  posix_spawn_file_actions_destroy(&actions);
  r.out = read_text(out);
  r.err = read_text(err);
  std::remove(out.c_str());
  std::remove(err.c_str());
  rmdir(folder.c_str());
  return r;
}

namespace {
std::string strip_tags(const std::string& html) {
  std::string s;
  bool in_tag = false;
  for (const char c : html) {
    if (c == '<') in_tag = true;
    else if (c == '>') in_tag = false;
    else if (!in_tag) s += c;
  }
  const size_t a = s.find_first_not_of(" \n"), b = s.find_last_not_of(" \n");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}
}  // namespace

std::vector<std::vector<std::string>> table_rows(const std::string& page, const std::string& from) {
  std::vector<std::vector<std::string>> rows;
  const size_t begin = page.find(from);
  if (begin == std::string::npos) return rows;
  const size_t end = page.find("</table>", begin);
  const size_t body = page.find("<tbody>", begin);
  for (size_t tr = page.find("<tr", body); tr < end; tr = page.find("<tr", tr + 1)) {
    const size_t tr_end = page.find("</tr>", tr);
    std::vector<std::string> cells;
    for (size_t td = page.find("<td", tr); td < tr_end; td = page.find("<td", td + 1)) {
      const size_t open_end = page.find('>', td), close = page.find("</td>", td);
      cells.push_back(strip_tags(page.substr(open_end + 1, close - open_end - 1)));
    }
    rows.push_back(cells);
  }
  return rows;
}

std::string section_of(const std::string& page, const std::string& marker) {
  const size_t at = page.find(marker);
  if (at == std::string::npos) return "";
  const size_t end = page.find("</section>", at);
  return page.substr(at, end == std::string::npos ? std::string::npos : end - at);
}
