// The main screen's objects: one window, its markup view with the control
// row, and the six graphic panels. They live for the whole run; the quiz
// flow creates them, the picture, sound and score code draws into them.
#pragma once

#include "vqscript.h"
#include "vqview.h"
#include "vqwindow.h"

#include <cstdint>

extern vqWindow main_window;
extern vqGUIScript main_markup;
extern vqView main_panel;       // x=10,y=200,xs=1280,ys=710: picture, task, answer boxes
extern vqView progress_panel;   // x=630,y=7,xs=515,ys=24
extern vqView avatar_panel;     // x=1160,y=7,xs=132,ys=162
extern vqView time_panel;       // x=950,y=40,xs=196,ys=24
extern vqView right_panel;      // x=950,y=70,xs=196,ys=24
extern vqView wrong_panel;      // x=950,y=100,xs=196,ys=24

// Display parameters, set by setup_screen (and the spacing by every quiz).
extern int32_t picture_area_width;    // 1280: the main panel's area the background is mapped onto
extern int32_t picture_area_height;   // 720
extern int32_t click_offset_x;        // 10, subtracted from the window's mouse position
extern int32_t click_offset_y;        // 180
extern int32_t choice_box_spacing;    // 120

// Creates the six panels and sets the constants of the screen.
void setup_screen();
// True while the main window is open and the toolkit runs: once the player
// has closed the window, nothing may draw or wait any more.
bool screen_alive();

// ---- sounds and pictures ----------------------------------------------------

bool play_sound(const char* file);
void play_right_sound();
void play_wrong_sound();
void play_wait_sound();
void play_end_sound();
// Starts the reminder sequence over (warten-1 comes next).
void reset_wait_sound();

// The picture store: built once before the window opens.
void build_picture_store();
bool load_background(int number);
void draw_background_fit();
void draw_background_veiled();
void draw_background_revealed();
void show_avatar(double success_ratio);

// ---- score panels -------------------------------------------------------------

void draw_panel_labels();
void update_time_panel(int elapsed_seconds, int time_budget);
void update_bars(int task_index);
