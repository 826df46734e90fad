// What the two logs for teachers (results.csv, tasks.csv) share: CSV
// fields, the local time as ISO 8601, and appending a line to a file whose
// header says it is of this version's layout.
#pragma once

#include <cstdint>
#include <string>

// The field as CSV requires: in double quotes (inner quotes doubled) when
// it holds a comma, a quote or a line break; as it is otherwise.
std::string csv_field(const std::string& text);

// "2023-11-14T23:13:20+01:00" in the local zone; empty when the time has
// no local form.
std::string local_time_text(int64_t calendar_seconds);

// The file that lines of the given header go to, beside `path`: `path`
// itself when it is missing, empty or starts with exactly that header;
// else the first of NAME-2.csv, NAME-3.csv, ... that is, so that a log of
// an older layout is kept untouched and a new one started beside it.
// Empty when none of 99 names is free.
std::string log_file_for(const std::string& path, const char* header);

// Appends one line (with its line feed) to the file for the header, the
// header first when the file is new, making the folders on the way. One
// write per call, in append mode, so that two games sharing a folder do not
// tear each other's lines; a file whose last line lacks its line feed (a
// write cut short) gets one first. False when it cannot.
bool log_append(const std::string& path, const char* header, const std::string& line);
