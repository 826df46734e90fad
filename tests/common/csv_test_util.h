// The fields of one line of the game's CSV logs, read back as a spreadsheet
// reads them: a field in double quotes may hold commas, and "" in it stands
// for one quote.
#pragma once

#include <string>
#include <vector>

inline std::vector<std::string> csv_fields(const std::string& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') fields.back() += line[++i];
    else if (c == '"') quoted = !quoted;
    else if (c == ',' && !quoted) fields.emplace_back();
    else fields.back() += c;
  }
  return fields;
}
