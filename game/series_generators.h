// The 37 series rules. Each fills the series row of the task in progress
// (game_task_index), stores its kind in game_series_kind and makes its draws
// in a fixed order, which is what lets a seed reproduce a quiz.
#pragma once

#include <cstdint>

// Steps and starts.
void arith(int32_t m, int32_t o, int32_t r);
void arith_minus(int32_t m, int32_t o, int32_t r);
void arith_offset(int32_t m, int32_t o, int32_t r, int32_t c);
void two_steps(int32_t m, int32_t o, int32_t r);
void three_steps(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3);
void growing_step(int32_t m, int32_t o, int32_t r);
void shrinking_step(int32_t m, int32_t o, int32_t r);
void interleave_const(int32_t m, int32_t o, int32_t r);

// Back and forth.
void zigzag(int32_t m, int32_t o, int32_t r, int32_t b);
void zigzag_low(int32_t m, int32_t o, int32_t r, int32_t b);
void flip(int32_t m, int32_t o, int32_t r);
void swing(int32_t m, int32_t o, int32_t r, int32_t c);
void growing_swing(int32_t m, int32_t o);
void square_swing();

// Odd and even positions following two rules.
void odd_doubling(int32_t m, int32_t o, int32_t r);
void fan(int32_t m, int32_t o, int32_t r, int32_t g);
void odd_climb(int32_t m, int32_t o, int32_t r, int32_t g);
void even_climb(int32_t m, int32_t o, int32_t r);
void double_pair(int32_t m, int32_t o, int32_t r, int32_t g);
void two_ends(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3, int32_t m4,
              int32_t o4);

// Products and recurrences.
void geometric(int32_t m, int32_t o, int32_t r, int32_t c);
void add_multiply(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3);
void add_mul_index(int32_t m, int32_t o);
void fibonacci(int32_t m1, int32_t o1, int32_t m2, int32_t o2);
void tribonacci(int32_t m1, int32_t o1, int32_t m2, int32_t o2, int32_t m3, int32_t o3);
void difference_chain(int32_t m, int32_t o);

// Number sets and digit rules.
void primes(int32_t m, int32_t f);
void primes_down(int32_t m, int32_t f);
void squares(int32_t m, int32_t o);
void squares_minus(int32_t m, int32_t o);
void squares_pm(int32_t m, int32_t o);
void second_order(int32_t m, int32_t o);
void composites(int32_t m, int32_t o);
void pronic(int32_t m, int32_t o);
void digit_sum(int32_t m, int32_t g);
void palindrome();
void zero_sum();
