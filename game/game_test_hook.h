// What a script that plays the real game needs to know, printed on
// standard output only when QUORILA_TEST_HOOK is set: where the controls
// are once the game is ready, and which box holds each task's answer. On
// the headless back end the game then also ends by itself once it is
// ready, so that an installed copy can be started and checked unattended.
#pragma once

#include <cstdint>

bool game_test_hook_wanted();
// After the start-up, when the game waits for its first button; false when
// the game is to end there (the test hook on the headless back end).
bool game_test_hook_ready();
// When task t's boxes are shown.
void game_test_hook_task(int32_t t);
