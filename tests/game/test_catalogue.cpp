// The catalogue's shape and a sample of its entries, read off the tables by hand.
#include "game_test_util.h"
#include "series_catalogue.h"

#include <set>
#include <string>

namespace {

void expect_entry(int32_t code, const char* name, std::vector<int32_t> parameters) {
  const catalogue_entry* e = catalogue_lookup(code);
  ASSERT_NE(e, nullptr) << code;
  EXPECT_STREQ(series_generator_name(e->generator), name) << code;
  EXPECT_EQ(std::vector<int32_t>(e->parameters, e->parameters + e->count), parameters) << code;
}

}  // namespace

TEST(Catalogue, HoldsExactlyTheTypesOfTheTypeCountTable) {
  init_task_tables();
  EXPECT_EQ(catalogue_size, 473);
  int total = 0;
  for (int l = 1; l <= 12; ++l)
    for (int d = 1; d <= 3; ++d) {
      for (int type = 1; type <= 30; ++type) {
        const bool exists = catalogue_lookup(task_code(l, d, type)) != nullptr;
        EXPECT_EQ(exists, type <= type_count_table[l][d]) << task_code(l, d, type);
        total += exists;
      }
    }
  EXPECT_EQ(total, 473);
  for (int i = 1; i < catalogue_size; ++i) EXPECT_LT(catalogue_table[i - 1].code, catalogue_table[i].code);
  EXPECT_EQ(catalogue_lookup(0), nullptr);
  EXPECT_EQ(catalogue_lookup(1100), nullptr);
  EXPECT_EQ(catalogue_lookup(99999), nullptr);
}

TEST(Catalogue, EveryEntryGivesItsRuleExactlyItsParameters) {
  std::set<int> used;
  for (int i = 0; i < catalogue_size; ++i) {
    const catalogue_entry& e = catalogue_table[i];
    ASSERT_NE(series_generator_name(e.generator), nullptr) << e.code;
    EXPECT_EQ(e.count, series_generator_arity(e.generator)) << e.code;
    used.insert(e.generator);
  }
  EXPECT_EQ(used.size(), 37u) << "every rule is used somewhere";
}

TEST(Catalogue, NamedCases) {
  expect_entry(1101, "arith", {5, 2, 3});
  expect_entry(3207, "two_steps", {13, 6, 60});
  expect_entry(12304, "zero_sum", {});
  expect_entry(12207, "square_swing", {});
  expect_entry(12307, "square_swing", {});
  expect_entry(12107, "two_steps", {41, 20, 20});
  for (int32_t code : {9316, 10316, 11316}) expect_entry(code, "difference_chain", {5, 2});
  expect_entry(12316, "tribonacci", {9, 4, 9, 4, 9, 4});
  for (int l = 1; l <= 12; ++l)
    for (int d = 1; d <= 2; ++d) EXPECT_EQ(catalogue_lookup(task_code(l, d, 16)), nullptr);
  for (int l = 1; l <= 8; ++l) EXPECT_EQ(catalogue_lookup(task_code(l, 3, 16)), nullptr);

  std::set<int32_t> palindromes;
  for (int i = 0; i < catalogue_size; ++i)
    if (catalogue_table[i].generator == gen_palindrome) palindromes.insert(catalogue_table[i].code);
  EXPECT_EQ(palindromes, (std::set<int32_t>{4101, 4201, 4301, 5105}));
}

TEST(Catalogue, SampleAcrossTheLevels) {
  expect_entry(1304, "zigzag", {7, 3, 9, 5});
  expect_entry(2308, "growing_step", {1, 0, 9});
  expect_entry(3202, "zigzag", {5, 2, 60, 5});
  expect_entry(3302, "shrinking_step", {3, -9, 20});
  expect_entry(3310, "swing", {1, 0, 10, -10});
  expect_entry(3315, "double_pair", {2, -1, 2, 2});
  expect_entry(4305, "two_ends", {7, 3, 7, 3, 20, -30, 20, -30});
  expect_entry(4213, "odd_climb", {6, -1, 10, 3});
  expect_entry(5209, "tribonacci", {5, 2, 5, 2, 5, 2});
  expect_entry(5315, "double_pair", {2, -1, 10, 2});
  expect_entry(6105, "arith_offset", {13, 6, 13, 6});
  expect_entry(6305, "arith_minus", {12, 3, 30});
  expect_entry(6308, "geometric", {5, 2, 5, 2});
  expect_entry(6312, "fan", {11, 5, 50, 10});
  expect_entry(7205, "three_steps", {7, 3, 5, 2, 5, 2});
  expect_entry(7209, "add_multiply", {5, 1, 5, 2, 5, 2});
  expect_entry(7304, "zigzag_low", {7, 3, 60, 5});
  expect_entry(8109, "add_multiply", {5, 2, 7, 3, 5, 2});
  expect_entry(8111, "growing_swing", {41, 20});
  expect_entry(8308, "flip", {25, 12, 30});
  expect_entry(9213, "primes_down", {4, 1});
  expect_entry(9308, "squares", {9, 4});
  expect_entry(10302, "second_order", {15, 7});
  expect_entry(10307, "two_steps", {27, 13, 10});
  expect_entry(10209, "squares_minus", {7, 3});
  expect_entry(11210, "digit_sum", {9, 2});
  expect_entry(11311, "composites", {8, -2});
  expect_entry(12106, "add_mul_index", {5, 2});
  expect_entry(12213, "primes_down", {12, -1});
  expect_entry(12311, "composites", {20, -2});
  expect_entry(12315, "pronic", {11, 5});
  expect_entry(12101, "two_ends", {41, 20, 41, 20, 100, 50, 100, 50});
}

TEST(Catalogue, CodeOneHundredOneStaysInItsRange) {
  // arith 5 2 3: steps -2..2 (0 -> 1), start 0..2 or 1 - 9 * step when falling.
  fresh_game();
  std::set<int32_t> steps;
  for (uint32_t seed = 1; seed <= 2000; ++seed) {
    vqrandom_seed(seed);
    call_series_generator(*catalogue_lookup(1101));
    const std::vector<int32_t> x = row_of(1);
    const int32_t d = x[1] - x[0];
    steps.insert(d);
    if (d < 0) EXPECT_EQ(x[0], 1 - 9 * d);
    else EXPECT_LE(x[0], 2);
  }
  EXPECT_EQ(steps, (std::set<int32_t>{-2, -1, 1, 2}));
}
