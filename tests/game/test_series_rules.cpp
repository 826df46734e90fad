// The series rules against hand-worked series: seed_for picks a seed whose
// draws give the values named in each case.
#include "game_test_util.h"
#include "series_generators.h"

using V = std::vector<int32_t>;

class SeriesRule : public ::testing::Test {
 protected:
  void SetUp() override { fresh_game(); }
};

TEST_F(SeriesRule, ArithFallingStartsHighAndZeroStepBecomesOne) {
  seed_for({{5, 0}});   // d = 0 - 2 = -2; the start draw is overridden
  arith(5, 2, 3);
  EXPECT_EQ(row_of(1), (V{19, 17, 15, 13, 11, 9, 7, 5, 3}));
  EXPECT_EQ(game_series_kind, 1);
  seed_for({{5, 2}, {3, 2}});   // d = 0 -> 1, s = 2
  arith(5, 2, 3);
  EXPECT_EQ(row_of(1), (V{2, 3, 4, 5, 6, 7, 8, 9, 10}));
  seed_for({{12, 5}, {30, 7}});   // d = 2, s = -7
  arith_minus(12, 3, 30);
  EXPECT_EQ(row_of(1), (V{-7, -5, -3, -1, 1, 3, 5, 7, 9}));
  seed_for({{13, 2}, {13, 1}});   // d = -4, s = 1 - 6 = -5
  arith_offset(13, 6, 13, 6);
  EXPECT_EQ(row_of(1), (V{-5, -9, -13, -17, -21, -25, -29, -33, -37}));
  EXPECT_EQ(game_series_kind, 15);
}

TEST_F(SeriesRule, ZigzagRunsAndLowStart) {
  seed_for({{7, 6}, {5, 1}, {9, 5}});   // d = 3, L = 2, s = 5
  zigzag(7, 3, 9, 5);
  EXPECT_EQ(row_of(1), (V{5, 8, 11, 8, 5, 8, 11, 8, 5}));
  EXPECT_EQ(game_series_kind, 2);
  // L = 1 becomes 2; d = -2 raises the start by 18.
  seed_for({{5, 0}, {5, 0}, {9, 1}});
  zigzag(5, 2, 9, 5);
  EXPECT_EQ(row_of(1), (V{19, 17, 15, 17, 19, 17, 15, 17, 19}));
  seed_for({{7, 4}, {5, 2}, {60, 10}});   // d = 1, L = 3, s = 10 - 30
  zigzag_low(7, 3, 60, 5);
  EXPECT_EQ(row_of(1), (V{-20, -19, -18, -17, -18, -19, -20, -19, -18}));
}

TEST_F(SeriesRule, TwoStepsAvoidsCancellingSteps) {
  seed_for({{7, 5}, {7, 5}, {30, 10}});   // d1 = 2, d2 = 2 -> -2 -> -1
  two_steps(7, 3, 30);
  EXPECT_EQ(row_of(1), (V{10, 12, 11, 13, 12, 14, 13, 15, 14}));
  EXPECT_EQ(game_series_kind, 3);
  // d1 = 0 -> -1, d2 = -3: falling, so below level 6 the start is 4 + 36 + 1.
  seed_for({{7, 3}, {7, 0}, {30, 4}});
  two_steps(7, 3, 30);
  EXPECT_EQ(row_of(1), (V{41, 40, 37, 36, 33, 32, 29, 28, 25}));
  game_level = 6;
  seed_for({{7, 3}, {7, 0}, {30, 4}});
  two_steps(7, 3, 30);
  EXPECT_EQ(row_of(1), (V{4, 3, 0, -1, -4, -5, -8, -9, -12}));
  game_level = 1;
  // d2 = 0 sets d1 to 1.
  seed_for({{7, 6}, {7, 3}, {30, 0}});
  two_steps(7, 3, 30);
  EXPECT_EQ(row_of(1), (V{0, 1, 1, 2, 2, 3, 3, 4, 4}));
}

TEST_F(SeriesRule, GrowingShrinkingAndThreeSteps) {
  seed_for({{9, 3}, {1, 0}});   // s = 3, d = 0 -> 1
  growing_step(1, 0, 9);
  EXPECT_EQ(row_of(1), (V{3, 4, 6, 9, 13, 18, 24, 31, 39}));
  seed_for({{10, 4}, {3, 0}});   // s = 20 + 4, d = 0 + 9
  shrinking_step(3, -9, 20);
  EXPECT_EQ(row_of(1), (V{24, 33, 41, 48, 54, 59, 63, 66, 68}));
  // d1 = 1, d2 = 1 -> -1 (equal to d1), d3 = 2, s = 0.
  seed_for({{5, 3}, {5, 3}, {5, 4}, {21, 9}});
  three_steps(5, 2, 5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{0, 1, 0, 2, 3, 2, 4, 5, 4}));
  EXPECT_EQ(game_series_kind, 17);
  // d2 = 0 sets d1 = -1, then d3 = 0 sets it back to 1.
  seed_for({{5, 0}, {5, 2}, {5, 2}, {21, 12}});
  three_steps(5, 2, 5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{3, 4, 4, 4, 5, 5, 5, 6, 6}));
}

TEST_F(SeriesRule, InterleaveConstIgnoresWhatPositionZeroHolds) {
  series_row[1][0] = 1000;
  seed_for({{10, 4}, {5, 4}});   // s = 4, d = 4 + 2
  interleave_const(5, -2, 10);
  EXPECT_EQ(row_of(1), (V{4, 10, 4, 16, 4, 22, 4, 28, 4}));
  EXPECT_EQ(series_row[1][0], 1000);
  EXPECT_EQ(game_series_kind, 6);
}

TEST_F(SeriesRule, FlipAndSwingKeepTheirBase) {
  seed_for({{10, 2}, {15, 2}});   // s = 3, d = -5
  flip(15, 7, 10);
  EXPECT_EQ(row_of(1), (V{-2, 8, -2, 8, -2, 8, -2, 8, -2}));
  EXPECT_EQ(series_row[1][0], 3);
  seed_for({{10, 4}, {1, 0}});   // s = 4 + 10, d = 0 -> -1
  swing(1, 0, 10, -10);
  // Steps -1, +2, -3, +4, -5, +6, -7, +8, -9.
  EXPECT_EQ(row_of(1), (V{13, 15, 12, 16, 11, 17, 10, 18, 9}));
  EXPECT_EQ(series_row[1][0], 14);
  EXPECT_EQ(game_series_kind, 8);
  seed_for({{41, 25}});   // s = 5: +1, -2, +3, -4, ...
  growing_swing(41, 20);
  EXPECT_EQ(row_of(1), (V{5, 6, 4, 7, 3, 8, 2, 9, 1}));
}

TEST_F(SeriesRule, SquareSwingAndItsZeroStart) {
  seed_for({{21, 15}});
  square_swing();
  EXPECT_EQ(row_of(1), (V{5, 6, 6, 7, 3, 12, -4, 21, -15}));
  EXPECT_EQ(game_series_kind, 34);
  seed_for({{21, 10}});
  square_swing();
  EXPECT_EQ(row_of(1)[0], 2);
}

TEST_F(SeriesRule, OddAndEvenHalves) {
  seed_for({{20, 5}, {3, 0}});   // s = 5, d = 1
  odd_doubling(3, -1, 20);
  EXPECT_EQ(row_of(1), (V{6, 6, 7, 7, 9, 8, 13, 9, 21}));
  seed_for({{20, 0}, {5, 4}, {3, 2}});   // s = 20, d = 2, e = 3
  fan(5, 2, 20, 3);
  EXPECT_EQ(row_of(1), (V{22, 37, 25, 34, 28, 31, 31, 28, 34}));
  seed_for({{10, 1}, {2, 1}, {4, 0}});   // s = 21, d = 2, e = 1
  odd_climb(4, -1, 10, 2);
  EXPECT_EQ(row_of(1), (V{23, 21, 24, 21, 25, 21, 26, 21, 27}));
  seed_for({{10, 0}, {2, 1}, {2, 0}});   // s = 20, d = 2, e = 1
  even_climb(2, -1, 10);
  EXPECT_EQ(row_of(1), (V{20, 22, 20, 25, 20, 29, 20, 34, 20}));
  seed_for({{10, 0}, {2, 0}, {2, 0}});   // d = 0 -> -2, e = 0 -> 2
  even_climb(2, 0, 10);
  EXPECT_EQ(row_of(1), (V{20, 18, 20, 18, 20, 20, 20, 24, 20}));
  seed_for({{2, 1}, {2, 0}, {2, 1}});   // s = 21, d = 0 + 1, e = -1 - 1
  double_pair(2, -1, 2, 2);
  EXPECT_EQ(row_of(1), (V{22, 19, 23, 17, 25, 13, 29, 5, 37}));
  EXPECT_EQ(series_row[1][0], 21);
}

TEST_F(SeriesRule, TwoEndsFillsBothEndsAndPositionZero) {
  // d1 = 2, d2 = 0 -> 1, a = 5 + 30, b = 7 + 30.
  seed_for({{7, 5}, {7, 3}, {20, 5}, {20, 7}});
  two_ends(7, 3, 7, 3, 20, -30, 20, -30);
  EXPECT_EQ(row_of(1), (V{35, 40, 37, 39, 39, 38, 41, 37, 43}));
  EXPECT_EQ(series_row[1][0], 41);
  EXPECT_EQ(game_series_kind, 20);
}

TEST_F(SeriesRule, ProductsAndRecurrences) {
  seed_for({{5, 2}, {5, 4}});   // q = 0 -> 2, s = 2
  geometric(5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{2, 4, 8, 16, 32, 64, 128, 256, 512}));
  seed_for({{5, 1}, {5, 2}});   // q = -1 -> -2, s = 0 -> 3
  geometric(5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{3, -6, 12, -24, 48, -96, 192, -384, 768}));
  seed_for({{5, 2}, {5, 3}, {5, 2}});   // q = 0 -> -2, d = 1, s = 0 -> 2
  add_multiply(5, 2, 5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{2, 3, -6, -5, 10, 11, -22, -21, 42}));
  seed_for({{5, 1}});   // x1 = -2 - 1
  add_mul_index(5, 2);
  EXPECT_EQ(row_of(1), (V{-3, -1, -2, 2, 8, 14, 84, 92, 736}));
  seed_for({{5, 2}, {5, 2}});   // 0 -> 1 and 0 -> -1
  fibonacci(5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{1, -1, 0, -1, -1, -2, -3, -5, -8}));
  seed_for({{5, 3}, {5, 4}, {5, 2}});   // 1, 2, 0 (no zero rule for x3)
  tribonacci(5, 2, 5, 2, 5, 2);
  EXPECT_EQ(row_of(1), (V{1, 2, 0, 3, 5, 8, 16, 29, 53}));
  EXPECT_EQ(game_series_kind, 19);
  seed_for({{5, 2}, {5, 4}});   // a = 0 -> 1, b = 2
  difference_chain(5, 2);
  EXPECT_EQ(row_of(1), (V{1, 2, -1, 3, -4, 7, -11, 18, -29}));
}

TEST_F(SeriesRule, LargeValuesWrapAsTwosComplement) {
  // s = 2000000000, q = 2: every product leaves the i32 range and must wrap.
  seed_for({{1, 0}, {1, 0}});
  geometric(1, 0, 1, -2000000000);
  int64_t expect = 2000000000;
  for (int k = 1; k <= 9; ++k) {
    EXPECT_EQ(row_of(1)[k - 1], static_cast<int32_t>(static_cast<uint32_t>(expect))) << k;
    expect = static_cast<int64_t>(static_cast<uint32_t>(expect)) * 2;
  }
  seed_for({{1, 0}, {1, 0}, {1, 0}});   // s = d = 2147483647, q = 3
  add_multiply(1, -3, 1, -2147483647, 1, -2147483647);
  EXPECT_EQ(row_of(1)[1], static_cast<int32_t>(0xFFFFFFFEu));   // max + max
}

TEST_F(SeriesRule, NumberSets) {
  seed_for({{12, 0}});
  primes(12, 2);
  EXPECT_EQ(row_of(1), (V{4, 6, 10, 14, 22, 26, 34, 38, 46}));
  seed_for({{13, 12}});   // reaches p21 = 73, the deepest the catalogue goes
  primes(13, -1);
  EXPECT_EQ(row_of(1), (V{-41, -43, -47, -53, -59, -61, -67, -71, -73}));
  seed_for({{4, 1}});
  primes_down(4, 1);
  EXPECT_EQ(row_of(1), (V{29, 23, 19, 17, 13, 11, 7, 5, 3}));   // p10 down to p2
  seed_for({{5, 0}});
  squares(5, 2);
  EXPECT_EQ(row_of(1), (V{-1, 2, 7, 14, 23, 34, 47, 62, 79}));
  seed_for({{5, 4}});   // c = 2
  squares_minus(5, 2);
  EXPECT_EQ(row_of(1), (V{3, 0, 11, -2, 27, -4, 51, -6, 83}));
  seed_for({{9, 4}});   // c = 0 -> 1
  squares_pm(9, 4);
  EXPECT_EQ(row_of(1), (V{2, 3, 10, 15, 26, 35, 50, 63, 82}));
  seed_for({{15, 7}});
  second_order(15, 7);
  EXPECT_EQ(row_of(1), (V{0, 2, 8, 20, 40, 70, 112, 168, 240}));
  seed_for({{20, 19}});   // j = 21 reaches c30 = 45
  composites(20, -2);
  EXPECT_EQ(row_of(1), (V{34, 35, 36, 38, 39, 40, 42, 44, 45}));
  seed_for({{11, 5}});
  pronic(11, 5);
  EXPECT_EQ(row_of(1), (V{0, 2, 6, 12, 20, 30, 42, 56, 72}));
  seed_for({{9, 7}, {4, 1}});
  digit_sum(9, 4);
  EXPECT_EQ(row_of(1), (V{27, 36, 45, 54, 63, 72, 81, 90, 99}));
  seed_for({{9, 3}, {2, 0}});   // 13, 17, then +1+7, +2+5, ...
  digit_sum(9, 2);
  EXPECT_EQ(row_of(1), (V{13, 17, 25, 32, 37, 47, 58, 71, 79}));
}

TEST_F(SeriesRule, ZeroSumAddsUpToZeroAndPalindromeMirrors) {
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    vqrandom_seed(seed);
    zero_sum();
    const V x = row_of(1);
    int sum = 0;
    for (int k = 0; k < 8; ++k) {
      ASSERT_GE(x[k], -1);
      ASSERT_LE(x[k], 1);
      sum += x[k];
    }
    ASSERT_EQ(sum + x[8], 0);
  }
  series_row[1][5] = 77;
  seed_for({{10, 1}, {10, 2}, {10, 3}, {10, 4}});
  palindrome();
  EXPECT_EQ(row_of(1), (V{1, 2, 3, 4, 77, 4, 3, 2, 1}));
  EXPECT_EQ(game_series_kind, 14);
}
