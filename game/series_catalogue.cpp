#include "series_catalogue.h"

#include "series_generators.h"

namespace {

struct generator_about {
  const char* name;
  int arity;
};

constexpr generator_about about[gen_count] = {
    {nullptr, 0},
    {"arith", 3},           {"arith_minus", 3},      {"zigzag", 4},         {"zigzag_low", 4},
    {"two_steps", 3},       {"growing_step", 3},     {"shrinking_step", 3}, {"interleave_const", 3},
    {"flip", 3},            {"swing", 4},            {"odd_doubling", 3},   {"fan", 4},
    {"odd_climb", 4},       {"even_climb", 3},       {"double_pair", 4},    {"palindrome", 0},
    {"arith_offset", 4},    {"geometric", 4},        {"three_steps", 6},    {"add_multiply", 6},
    {"fibonacci", 4},       {"two_ends", 8},         {"growing_swing", 2},  {"primes", 2},
    {"primes_down", 2},     {"squares", 2},          {"squares_minus", 2},  {"squares_pm", 2},
    {"second_order", 2},    {"composites", 2},       {"digit_sum", 2},      {"tribonacci", 6},
    {"add_mul_index", 2},   {"difference_chain", 2}, {"pronic", 2},         {"square_swing", 0},
    {"zero_sum", 0}};

}  // namespace

const catalogue_entry* catalogue_lookup(int32_t code) {
  int lo = 0, hi = catalogue_size;
  while (lo < hi) {
    const int mid = (lo + hi) / 2;
    if (catalogue_table[mid].code < code) lo = mid + 1;
    else hi = mid;
  }
  return lo < catalogue_size && catalogue_table[lo].code == code ? &catalogue_table[lo] : nullptr;
}

const char* series_generator_name(int id) { return id > 0 && id < gen_count ? about[id].name : nullptr; }
int series_generator_arity(int id) { return id > 0 && id < gen_count ? about[id].arity : -1; }

void call_series_generator(const catalogue_entry& e) {
  const int32_t* p = e.parameters;
  switch (e.generator) {
    case gen_arith: arith(p[0], p[1], p[2]); break;
    case gen_arith_minus: arith_minus(p[0], p[1], p[2]); break;
    case gen_zigzag: zigzag(p[0], p[1], p[2], p[3]); break;
    case gen_zigzag_low: zigzag_low(p[0], p[1], p[2], p[3]); break;
    case gen_two_steps: two_steps(p[0], p[1], p[2]); break;
    case gen_growing_step: growing_step(p[0], p[1], p[2]); break;
    case gen_shrinking_step: shrinking_step(p[0], p[1], p[2]); break;
    case gen_interleave_const: interleave_const(p[0], p[1], p[2]); break;
    case gen_flip: flip(p[0], p[1], p[2]); break;
    case gen_swing: swing(p[0], p[1], p[2], p[3]); break;
    case gen_odd_doubling: odd_doubling(p[0], p[1], p[2]); break;
    case gen_fan: fan(p[0], p[1], p[2], p[3]); break;
    case gen_odd_climb: odd_climb(p[0], p[1], p[2], p[3]); break;
    case gen_even_climb: even_climb(p[0], p[1], p[2]); break;
    case gen_double_pair: double_pair(p[0], p[1], p[2], p[3]); break;
    case gen_palindrome: palindrome(); break;
    case gen_arith_offset: arith_offset(p[0], p[1], p[2], p[3]); break;
    case gen_geometric: geometric(p[0], p[1], p[2], p[3]); break;
    case gen_three_steps: three_steps(p[0], p[1], p[2], p[3], p[4], p[5]); break;
    case gen_add_multiply: add_multiply(p[0], p[1], p[2], p[3], p[4], p[5]); break;
    case gen_fibonacci: fibonacci(p[0], p[1], p[2], p[3]); break;
    case gen_two_ends: two_ends(p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7]); break;
    case gen_growing_swing: growing_swing(p[0], p[1]); break;
    case gen_primes: primes(p[0], p[1]); break;
    case gen_primes_down: primes_down(p[0], p[1]); break;
    case gen_squares: squares(p[0], p[1]); break;
    case gen_squares_minus: squares_minus(p[0], p[1]); break;
    case gen_squares_pm: squares_pm(p[0], p[1]); break;
    case gen_second_order: second_order(p[0], p[1]); break;
    case gen_composites: composites(p[0], p[1]); break;
    case gen_digit_sum: digit_sum(p[0], p[1]); break;
    case gen_tribonacci: tribonacci(p[0], p[1], p[2], p[3], p[4], p[5]); break;
    case gen_add_mul_index: add_mul_index(p[0], p[1]); break;
    case gen_difference_chain: difference_chain(p[0], p[1]); break;
    case gen_pronic: pronic(p[0], p[1]); break;
    case gen_square_swing: square_swing(); break;
    case gen_zero_sum: zero_sum(); break;
    default: break;
  }
}
