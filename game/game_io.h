// The game's contacts with the main screen's controls: printing into its
// two terminals and reading an up-down control by name. Once game_main has
// laid out the markup line and connected it here, text goes to the
// terminals and values come from the controls; before that (and in tools
// such as quorila-series, which open no window) control values come from a
// small name table. What the game prints is also kept as a transcript per
// terminal (the last 64 KiB), for tests and tools.
#pragma once

#include <cstdint>
#include <string>

class vqGUIScript;

// Appends finished text (no format: a '%' in it is printed as it is) to the
// terminal "term", or to the named terminal ("term" or "term1").
void game_term_print(const char* text);
void game_print(const char* terminal, const char* text);
// Formats first; the text is cut at 1000 bytes.
void game_printf(const char* terminal, const char* format, ...) __attribute__((format(printf, 2, 3)));
// The value of the named control; 0 for a name no control bears.
int32_t game_control_value(const char* name);

// The markup view whose controls answer from now on; null goes back to the
// name table (game_main does so when the screen is gone).
void game_io_connect(const vqGUIScript* view);
bool game_io_connected();

// Transcripts and the name table, for tests and tools.
const std::string& game_io_term_text();
const std::string& game_io_text(const char* terminal);
void game_io_term_clear();
// Bytes printed into the terminal since the start (or the last clear), also
// those the transcript no longer holds: a long run reads what is new as the
// transcript's last (printed now - printed before) bytes.
uint64_t game_io_printed(const char* terminal);
void game_io_set_control_value(const char* name, int32_t value);
