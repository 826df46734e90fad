// Finding and reading the logs a teacher names: files as they are, folders
// with every .csv file below them (a class's logs collected side by side).
#pragma once

#include "log_reader.h"

#include <string>
#include <vector>

// The user's own log folder: $XDG_DATA_HOME/quorila, else ~/.local/share/quorila.
std::string own_log_folder();

// Reads every log under the paths; what cannot be read (a missing path, an
// empty folder, a file that is not a log) becomes a problem line of the
// readings. A file reached twice is read once. Nothing is ever written.
std::vector<log_reading> read_logs(const std::vector<std::string>& paths);
