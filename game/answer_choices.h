// The six answer choices of the task in progress (game_task_index): the
// solution, already in position 1, and five close distractors, made
// distinct and then sorted or mixed.
#pragma once

#include <cstdint>

void build_choices(int32_t level, int32_t difficulty);

void spread_near();      // levels 1 to 4
void spread_signed();    // levels 5 to 12
void separate_choices();
void order_choices();
void shuffle_choices();

// Which arrangement a level and difficulty end with: true for order_choices.
bool choices_are_ordered(int32_t level, int32_t difficulty);
