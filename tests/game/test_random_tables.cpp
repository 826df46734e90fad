// The shared generator, rounding, the per-level tables and the task type draw.
#include "game_io.h"
#include "game_test_util.h"
#include "vqheadless.h"
#include "vqplatform.h"

#include <cstdlib>
#include <set>

namespace {
const bool g_headless = [] { return setenv("VQ_PLATFORM", "headless", 0) == 0; }();
}

TEST(Random, SequenceFollowsTheCongruence) {
  // seed 0 -> 1 -> 22695478 -> 2156045615 -> 2867233980 (mod 2^32).
  vqrandom_seed(0);
  EXPECT_EQ(vqrandom_draw(), 0);
  EXPECT_EQ(vqrandom_draw(), 346);
  EXPECT_EQ(vqrandom_draw(), 130);   // 2156045615 >> 16 = 32898, bit 15 dropped
  EXPECT_EQ(vqrandom_draw(), 10982);
  EXPECT_EQ(vqrandom_state(), 2867233980u);
  // A seed near the top wraps around instead of overflowing.
  vqrandom_seed(0xFFFFFFFFu);
  vqrandom_draw();
  EXPECT_EQ(vqrandom_state(), static_cast<uint32_t>(0xFFFFFFFFull * 22695477ull + 1));
}

TEST(Random, DrawsStayInRangeAndRandomizeUsesCalendarSeconds) {
  vqrandom_seed(99);
  for (int i = 0; i < 100000; ++i) {
    const int32_t r = vqrandom_draw();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, 32767);
  }
  ASSERT_TRUE(vqplatform_start());
  vqheadless_set_calendar(1765270000);
  vqrandomize();
  const int64_t now = vqplatform_calendar_seconds();
  EXPECT_EQ(vqrandom_state(), static_cast<uint32_t>(now));
  EXPECT_GE(now, 1765270000);
}

TEST(Random, RoundsHalfAwayFromZero) {
  EXPECT_EQ(vqround(2.5), 3.0);
  EXPECT_EQ(vqround(-2.5), -3.0);
  EXPECT_EQ(vqround(2.49), 2.0);
  EXPECT_EQ(vqround(-2.49), -2.0);
  EXPECT_EQ(vqround(-0.5), -1.0);
  EXPECT_EQ(vqround(0.0), 0.0);
}

TEST(Tables, DefaultsTimesAndCodes) {
  fresh_game();
  EXPECT_EQ(task_table[1][1][1], 1);
  EXPECT_EQ(task_table[1][1][2], 2);
  EXPECT_EQ(task_table[1][1][3], 3);
  for (int i = 4; i <= 30; ++i) EXPECT_EQ(task_table[1][1][i], 0) << i;
  EXPECT_EQ(type_count_table[2][3], 8);
  EXPECT_EQ(type_count_table[3][3], 15);
  EXPECT_EQ(type_count_table[8][2], 15);
  EXPECT_EQ(type_count_table[12][3], 16);
  EXPECT_EQ(task_table[12][3][16], 16);
  EXPECT_EQ(task_table[12][2][16], 0);
  EXPECT_EQ(time_budget(12, 3, 24), 1440);
  EXPECT_EQ(time_budget(11, 1, 1), 3);
  EXPECT_EQ(time_budget(11, 1, 2), 6);
  EXPECT_EQ(task_time_table[7][3], 30);
  EXPECT_EQ(task_code(3, 2, 7), 3207);
  EXPECT_DOUBLE_EQ(success_ratio(4, 12), 4.0 / 12.0);
  EXPECT_EQ(success_ratio(3, 0), 0.0);
}

TEST(Tables, ReadSelectionTakesTheControlsAndKeepsThemInRange) {
  fresh_game();
  game_io_set_control_value("udStufe", 9);
  game_io_set_control_value("udSchwierigkeit", 3);
  game_io_set_control_value("udAnzahlAufgaben", 7);
  read_quiz_selection();
  EXPECT_EQ(game_level, 9);
  EXPECT_EQ(game_difficulty, 3);
  EXPECT_EQ(game_task_total, 7);
  EXPECT_EQ(game_type_count, 16);
  // A value outside the control's range must not index past the tables.
  game_io_set_control_value("udStufe", 40);
  game_io_set_control_value("udSchwierigkeit", 0);
  read_selection();
  EXPECT_EQ(game_level, 12);
  EXPECT_EQ(game_difficulty, 1);
  EXPECT_EQ(game_type_count, 15);
  game_io_set_control_value("udStufe", 1);
  game_io_set_control_value("udSchwierigkeit", 1);
  game_io_set_control_value("udAnzahlAufgaben", 12);
}

TEST(TypeDraw, OnlyOffersTypesOfUsedSlots) {
  fresh_game(3, 2);
  game_type_count = type_count_table[3][2];
  task_table[3][2][4] = 0;   // switched off in the editor
  vqrandom_seed(5);
  std::set<int32_t> seen;
  for (int i = 0; i < 3000; ++i) seen.insert(draw_task_type());
  EXPECT_EQ(seen, (std::set<int32_t>{1, 2, 3, 5, 6, 7, 8, 9, 10}));
}

TEST(TypeDraw, FollowsTheSlotOfEachDraw) {
  fresh_game(1, 2);
  game_type_count = 4;
  // Slot (r mod 30) + 1: a draw of 3 mod 30 is slot 4 (type 4); slot 20 is empty and redrawn.
  seed_for({{30, 19}, {30, 3}});
  EXPECT_EQ(draw_task_type(), 4);
}

TEST(TypeDraw, EverySlotSwitchedOffRefusesInsteadOfLooping) {
  fresh_game(2, 3);
  game_type_count = type_count_table[2][3];
  for (int i = 1; i <= 30; ++i) task_table[2][3][i] = 0;
  game_io_term_clear();
  vqrandom_seed(77);
  EXPECT_EQ(draw_task_type(), 0);
  EXPECT_EQ(vqrandom_state(), 77u) << "a refused draw must not use up random numbers";
  EXPECT_NE(game_io_term_text().find("Keine Aufgabe ausgew\xE4hlt"), std::string::npos);
  EXPECT_FALSE(task_selection_usable(2, 3));
  EXPECT_TRUE(task_selection_usable(2, 2));
  // A slot holding a type above the count is not usable either.
  task_table[2][3][30] = 9;
  EXPECT_FALSE(task_selection_usable(2, 3));
  EXPECT_EQ(draw_task_type(), 0);
}
