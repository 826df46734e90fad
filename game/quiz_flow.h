// The game's flow on its main screen: start-up, the main loop, a quiz and
// its tasks, the answer boxes and the wait for the answer, and the task
// selection editor.
#pragma once

#include <cstdint>

// The application's main function (the toolkit's entry calls it): returns
// on ENDE or as soon as the player has closed the window.
void game_main();

// Opens the window from its option text and lays out the markup line (the
// start-up's window, panels and controls); false when no window can be opened.
bool open_main_screen();
// Takes down what is left of the screen before the program ends.
void close_main_screen();

// START: reads the selection, wipes the bars, veils a new background, runs
// the quiz and reveals the picture.
void start_quiz();
void run_quiz();

// The six answer boxes of the task in progress, into the current target.
void show_choices();
void draw_choice_frame(int x0, int x1, int y0, int y1);
// Waits for the answer of task t, judges it and washes the picture area
// out. Returns when a box was clicked and judged, on Escape, or when the
// window has been closed.
void await_answer(int32_t t);
// The answer keys: a quiz takes the keyboard from the controls and gives it
// back at its end; every task shows the ring where the keys left it and
// forgets what lay under it at the wash-out. answer_keys_choice turns a
// key's event code into the box it chooses (0: none; Left and Right move
// the ring).
void answer_keys_quiz_begin();
void answer_keys_quiz_end();
void answer_keys_hold_focus();
void answer_keys_task_begin();
void answer_keys_task_end();
int answer_keys_choice(int code);
// The box (1 to 6) whose hit rectangle holds the point, given in window
// coordinates; 0 for none.
int choice_at(int window_x, int window_y);

// Switches task types off and on for the selected level and difficulty.
void task_editor();
