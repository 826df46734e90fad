// Answer choices and the series task as the quiz builds them: the spreads
// worked out by hand, the arrangements, the printed series, and properties
// that must hold for every catalogue entry under many seeds.
#include "answer_choices.h"
#include "game_io.h"
#include "series_catalogue.h"
#include "series_task.h"

#include "game_test_util.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

std::vector<int32_t> choices_of(int t) {
  return std::vector<int32_t>(choice_list[t] + 1, choice_list[t] + 7);
}

void set_task(int32_t S, int32_t o) {
  solution[1] = S;
  game_spread_offset = o;
  choice_list[1][1] = S;
}

}  // namespace

TEST(Spread, NearNegatesBelowZeroAndStepsPastTheSolution) {
  fresh_game(1, 1);
  set_task(7, -6);
  spread_near();
  EXPECT_EQ(choices_of(1), (std::vector<int32_t>{7, 2, 1, 4, 3, 6}));

  fresh_game(2, 1);
  set_task(10, -1);
  spread_near();
  // 10 + (-1) + 1 equals the solution, so position 2 takes the next step.
  EXPECT_EQ(choice_list[1][2], 11);
}

TEST(Spread, NearAboveFiftyKeepsTenApartWithJitter) {
  fresh_game(3, 1);
  set_task(80, 1);
  vqrandom_seed(4711);
  spread_near();
  const int32_t s[7] = {0, 0, 1, -1, 1, -1, 1};
  for (int k = 2; k <= 6; ++k) {
    const int32_t centre = 80 + 10 + 10 * (k - 1) * s[k];
    EXPECT_GE(choice_list[1][k], centre - 2) << k;
    EXPECT_LE(choice_list[1][k], centre + 1) << k;
  }
}

TEST(Spread, SignedFollowsTheSignOfTheSeries) {
  fresh_game(6, 1);
  series_row[1][4] = -1;
  set_task(-60, 3);
  spread_signed();
  EXPECT_EQ(choice_list[1][2], -53);
  EXPECT_EQ(choice_list[1][3], -60 + 6 - 2);
  set_task(-20, 3);
  spread_signed();
  EXPECT_EQ(choice_list[1][2], -16);

  fresh_game(6, 1);
  for (int k = 1; k <= 9; ++k) series_row[1][k] = k;
  set_task(2, -6);
  spread_signed();
  EXPECT_EQ(choices_of(1), (std::vector<int32_t>{2, -3, -6, -1, -8, 1}));
  // A large positive solution in a positive series doubles the offset.
  set_task(60, 2);
  spread_signed();
  EXPECT_EQ(choice_list[1][2], 65);
}

TEST(Separate, SixEqualValuesMoveUpAndTheSolutionStays) {
  fresh_game(1, 1);
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    for (int k = 1; k <= 6; ++k) choice_list[1][k] = 5;
    vqrandom_seed(seed);
    separate_choices();
    EXPECT_EQ(choice_list[1][1], 5);
    for (int k = 2; k <= 6; ++k) {
      EXPECT_GT(choice_list[1][k], 5) << "seed " << seed;
      EXPECT_LE(choice_list[1][k], 5 + 5 * 6) << "seed " << seed;
    }
  }
}

TEST(Arrange, OrderSortsInFourOfSixAndOtherwiseMovesTheSolution) {
  fresh_game(5, 1);
  int sorted = 0;
  std::set<int> places;
  const int runs = 6000;
  for (int run = 0; run < runs; ++run) {
    const int32_t c[7] = {0, 30, 10, 50, 20, 60, 40};
    std::copy(c, c + 7, choice_list[1]);
    order_choices();
    std::vector<int32_t> now = choices_of(1);
    if (std::is_sorted(now.begin(), now.end())) {
      ++sorted;
    } else {
      const int place = int(std::find(now.begin(), now.end(), 30) - now.begin()) + 1;
      EXPECT_GE(place, 2);
      places.insert(place);
    }
  }
  EXPECT_NEAR(double(sorted) / runs, 4.0 / 6.0, 0.03);
  EXPECT_EQ(places, (std::set<int>{2, 3, 4, 5, 6}));
}

TEST(Arrange, TableOfLevelsAndDifficulties) {
  EXPECT_TRUE(choices_are_ordered(1, 1));
  EXPECT_FALSE(choices_are_ordered(3, 2));
  EXPECT_FALSE(choices_are_ordered(4, 1));
  EXPECT_TRUE(choices_are_ordered(4, 3));
  for (int d = 1; d <= 3; ++d) EXPECT_TRUE(choices_are_ordered(5, d));
  for (int l = 6; l <= 12; ++l)
    for (int d = 1; d <= 3; ++d) EXPECT_FALSE(choices_are_ordered(l, d));
}

TEST(Arrange, ShuffleKeepsTheSameSixValues) {
  fresh_game(7, 1);
  const int32_t c[7] = {0, 1, 2, 3, 4, 5, 6};
  std::copy(c, c + 7, choice_list[1]);
  vqrandom_seed(99);
  shuffle_choices();
  std::vector<int32_t> now = choices_of(1);
  std::sort(now.begin(), now.end());
  EXPECT_EQ(now, (std::vector<int32_t>{1, 2, 3, 4, 5, 6}));
}

TEST(SeriesTask, PrintedFormsOfTheFirstAndLastHiddenPlace) {
  // The palindrome draws four digits, then the hidden place.
  fresh_game(4, 1);
  seed_for({{10, 1}, {10, 2}, {10, 3}, {10, 4}, {9, 0}});
  game_io_term_clear();
  generate_series_task(4101);
  EXPECT_EQ(game_hidden_position, 1);
  EXPECT_EQ(game_io_term_text(), "\n\n\n\n ?? , 2 , 3 , 4 , 0 , 4 , 3 , 2 , 1 ");
  EXPECT_EQ(solution[1], 1);

  fresh_game(4, 1);
  seed_for({{10, 1}, {10, 2}, {10, 3}, {10, 4}, {9, 8}});
  game_io_term_clear();
  generate_series_task(4101);
  EXPECT_EQ(game_hidden_position, 9);
  EXPECT_EQ(game_io_term_text(), "\n\n\n\n 1 , 2 , 3 , 4 , 0 , 4 , 3 , 2  , ?? ");
}

TEST(SeriesTask, PalindromeNeverHidesItsMiddle) {
  fresh_game(4, 1);
  int sixes = 0;
  const int runs = 9000;
  for (int run = 0; run < runs; ++run) {
    generate_series_task(4101);
    EXPECT_NE(game_hidden_position, 5);
    sixes += game_hidden_position == 6;
  }
  EXPECT_NEAR(double(sixes) / runs, 2.0 / 9.0, 0.02);
}

// The quiz's own promise to the player: the right answer is always offered,
// and it is the number behind "??".
TEST(SeriesTask, EveryEntryOffersItsSolutionUnderManySeeds) {
  int repeated = 0, total = 0;
  for (int i = 0; i < catalogue_size; ++i) {
    const int32_t code = catalogue_table[i].code;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
      fresh_game(code / 1000, code / 100 % 10);
      vqrandom_seed(seed * 7919u);
      task_outcome r{};
      ASSERT_TRUE(prepare_task(1 + int(seed % 24), code, &r)) << code;
      ASSERT_GE(r.hidden, 1);
      ASSERT_LE(r.hidden, 9);
      EXPECT_EQ(r.solution, r.series[r.hidden]) << code;
      const int32_t* c = r.choices + 1;
      EXPECT_NE(std::find(c, c + 6, r.solution), c + 6) << "code " << code << " seed " << seed;
      repeated += std::set<int32_t>(c, c + 6).size() != 6;
      ++total;
    }
  }
  // Equal values may survive the five separating passes, but only rarely.
  EXPECT_LT(repeated, total / 1000 + 1);
}

TEST(SeriesTask, SameSeedSameQuiz) {
  auto quiz = [](uint32_t seed) {
    fresh_game(9, 3);
    vqrandom_seed(seed);
    begin_quiz_series();
    std::vector<int32_t> all;
    for (int t = 1; t <= 24; ++t) {
      task_outcome r{};
      EXPECT_TRUE(prepare_task(t, 0, &r));
      all.push_back(r.code);
      all.insert(all.end(), r.series + 1, r.series + 10);
      all.insert(all.end(), r.choices + 1, r.choices + 7);
    }
    return all;
  };
  EXPECT_EQ(quiz(1733000000u), quiz(1733000000u));
  EXPECT_NE(quiz(1733000000u), quiz(1733000001u));
}
