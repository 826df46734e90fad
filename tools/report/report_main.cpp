// quorila-report: reads the logs the game writes (the user's own, or the
// files and folders named) and writes the teachers' report as one HTML page,
// or with --csv the per-learner, per-type table.
#include "log_files.h"
#include "report_data.h"
#include "report_page.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const usage =
    "Aufruf: quorila-report [--csv] [-o DATEI] [DATEI|ORDNER ...]\n"
    "Liest die Protokolle von QUORILA (results.csv, tasks.csv; ohne Angabe die eigenen in\n"
    "$XDG_DATA_HOME/quorila) und schreibt einen Bericht als HTML-Seite, mit --csv die Tabelle\n"
    "je Lernendem und Aufgabentyp als CSV. Ordner werden samt Unterordnern nach .csv-Dateien\n"
    "durchsucht. Ohne -o geht der Bericht auf die Standardausgabe.\n";

// True when the file exists and starts like one of the game's logs.
bool is_a_log(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string first;
  if (!in || !std::getline(in, first)) return false;
  return read_log(path, first).kind != log_kind::none;
}

}  // namespace

int main(int argc, char** argv) {
  bool csv = false;
  std::string output;
  std::vector<std::string> paths;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(usage, stdout);
      return 0;
    }
    if (a == "--csv") csv = true;
    else if ((a == "-o" || a == "--output") && i + 1 < argc) output = argv[++i];
    else if (a.rfind("--output=", 0) == 0) output = a.substr(9);
    else if (a == "--") while (++i < argc) paths.push_back(argv[i]);
    else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "quorila-report: unbekannte Option %s\n%s", a.c_str(), usage);
      return 2;
    } else paths.push_back(a);
  }
  if (paths.empty()) paths.push_back(own_log_folder());
  if (!output.empty() && is_a_log(output)) {
    std::fprintf(stderr, "quorila-report: %s ist ein Protokoll und wird nicht überschrieben\n", output.c_str());
    return 2;
  }
  const report_figures figures = gather_figures(read_logs(paths));
  for (const std::string& p : figures.problems) std::fprintf(stderr, "quorila-report: %s\n", p.c_str());
  if (figures.quiz_rows + figures.task_rows == 0) {
    std::fprintf(stderr, "quorila-report: nichts gelesen, kein Bericht\n");
    return 1;
  }
  const std::string text = csv ? report_csv(figures) : report_page(figures);
  std::FILE* out = output.empty() ? stdout : std::fopen(output.c_str(), "wb");
  bool ok = out != nullptr && std::fwrite(text.data(), 1, text.size(), out) == text.size();
  if (out != nullptr) ok = (out == stdout ? std::fflush(out) : std::fclose(out)) == 0 && ok;
  if (!ok) {
    std::fprintf(stderr, "quorila-report: %s nicht geschrieben: %s\n", output.empty() ? "Standardausgabe" : output.c_str(),
                 std::strerror(errno));
    return 1;
  }
  return 0;
}
