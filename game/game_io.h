// The game's only two contacts with the main screen's controls: printing
// into the terminal "term" and reading an up-down control by name. Until the
// markup view is connected, prints collect in a process-wide text (the last
// 64 KiB) and control values come from a small name table, so that the
// game's logic runs and is tested without any window.
#pragma once

#include <cstdint>
#include <string>

// Appends finished text (no format: a '%' in it is printed as it is).
void game_term_print(const char* text);
// The value of the named control; 0 for a name no control bears.
int32_t game_control_value(const char* name);

// For tests and tools while no markup view exists.
const std::string& game_io_term_text();
void game_io_term_clear();
void game_io_set_control_value(const char* name, int32_t value);
