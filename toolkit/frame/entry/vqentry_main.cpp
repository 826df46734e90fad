// The process entry of every vqkit application: the argument vector goes
// straight to the frame, which calls the application's game_main.
#include "vqframe.h"

void game_main();

int main(int argc, char** argv) { return vqframe_run(argc, argv, game_main); }
