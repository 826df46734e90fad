// The quorila program. The toolkit's entry library owns main: it starts the
// toolkit and calls game_main from the game library, then runs the orderly
// exit. This is the program's one object file of its own; it names the
// game's main function so that the linker takes it from the game library
// whichever of the two libraries it reads first.
#include "quiz_flow.h"

extern void (*const quorila_main_function)();
void (*const quorila_main_function)() = game_main;
