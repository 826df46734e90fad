// Running quorila-report as a teacher does, and reading its page back.
#pragma once

#include <string>
#include <vector>

struct report_run {
  int status = -1;
  std::string out, err;
};

// The program from the build with the arguments (stdout and stderr kept apart).
report_run run_report(const std::vector<std::string>& arguments);

std::string read_text(const std::string& path);
void write_text(const std::string& path, const std::string& text);
std::string fresh_folder();

// The cell texts of the table rows between `from` and the next "</table>"
// (tags dropped, entities left as they are).
std::vector<std::vector<std::string>> table_rows(const std::string& page, const std::string& from);
// The page's text between the opening tag that contains `marker` and the
// end of that element's section (the next "</section>"), or empty.
std::string section_of(const std::string& page, const std::string& marker);
