// What the game tells the desktop about itself: its answers to --help and
// --version, and the icon on its main window.
#pragma once

// Prints the usage or the version when the command line asks for one; true
// then, and the game should end without opening a window.
bool game_answer_command_line();

// Puts the game's icon (the installed icon's art, compiled in) on the main
// window; nothing happens while the window is not open.
void game_set_window_icon();
