// The series task catalogue: constant data naming, for every task code, the
// series rule and its parameters.
#pragma once

#include <cstdint>

enum series_generator_id : uint8_t {
  gen_none = 0,
  gen_arith, gen_arith_minus, gen_zigzag, gen_zigzag_low, gen_two_steps, gen_growing_step,
  gen_shrinking_step, gen_interleave_const, gen_flip, gen_swing, gen_odd_doubling, gen_fan,
  gen_odd_climb, gen_even_climb, gen_double_pair, gen_palindrome, gen_arith_offset, gen_geometric,
  gen_three_steps, gen_add_multiply, gen_fibonacci, gen_two_ends, gen_growing_swing, gen_primes,
  gen_primes_down, gen_squares, gen_squares_minus, gen_squares_pm, gen_second_order,
  gen_composites, gen_digit_sum, gen_tribonacci, gen_add_mul_index, gen_difference_chain,
  gen_pronic, gen_square_swing, gen_zero_sum,
  gen_count
};

struct catalogue_entry {
  int32_t code;
  uint8_t generator;     // series_generator_id
  uint8_t count;         // number of parameters given
  int32_t parameters[8];
};

extern const catalogue_entry catalogue_table[];
extern const int catalogue_size;

// The entry of a task code, or null when the code has none.
const catalogue_entry* catalogue_lookup(int32_t code);

// Name and parameter count of a rule; null for an id out of range.
const char* series_generator_name(int id);
int series_generator_arity(int id);

// Calls the entry's rule with its parameters.
void call_series_generator(const catalogue_entry& entry);
