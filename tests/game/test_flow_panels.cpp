// Which panels a quiz brings up to date for a number of tasks, the time
// budget running out, and the reminders of a quiet player, on the virtual
// clock.
#include "flow_checks.h"
#include "game_io.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t calendar = 1700000000;

std::vector<step> paced_quiz(int level, int difficulty, int tasks, int delay_ms) {
  std::vector<step> s = {ready(), select(level, difficulty, tasks), start()};
  for (int t = 0; t < tasks; ++t) s.push_back(task(answer_kind::right, delay_ms));
  s.push_back(wait_text("neu starten ?"));
  s.push_back(button("btEnde"));
  return s;
}

// Elapsed seconds as the quiz counts them: whole calendar seconds from a
// task's start (its series) to its end (its solution line).
int elapsed_seconds(const player& p) {
  int64_t e = 0;
  for (const task_seen& s : p.seen)
    e += (calendar + static_cast<int64_t>(s.washed_at / 1000)) - (calendar + static_cast<int64_t>(s.boxes_at / 1000));
  return static_cast<int>(e);
}

struct panels_case {
  const char* name;
  int level, difficulty, tasks, delay_ms;
  int budget;            // seconds
  bool time_shown;       // the time panel shows the elapsed time
  bool avatar_shown;
  bool bars_shown;
};

void PrintTo(const panels_case& c, std::ostream* os) { *os << c.name; }

const panels_case panels_cases[] = {
    {"OneTask", 1, 1, 1, 1500, 10, false, false, false},
    {"FiveTasks", 1, 1, 5, 1500, 50, false, false, true},
    {"SixTasks", 1, 1, 6, 1500, 60, true, false, true},
    {"ElevenTasks", 1, 1, 11, 1500, 110, true, false, true},
    {"TwelveTasks", 1, 1, 12, 1500, 120, true, true, true},
    // 3 s per task at level 11: two slow tasks overrun the budget of 6 s,
    // but with five tasks or fewer the time panel keeps its label.
    {"TimeOverUnseenWithTwoTasks", 11, 1, 2, 4000, 6, false, false, true},
    {"TimeOverWithSixTasks", 11, 1, 6, 4000, 18, true, false, true},
};

class FlowPanels : public testing::TestWithParam<panels_case> {};

TEST_P(FlowPanels, UpdatesThePanelsOfItsSize) {
  player p;
  p.script = paced_quiz(GetParam().level, GetParam().difficulty, GetParam().tasks, GetParam().delay_ms);
  run_scenario(&p, [c = GetParam()](player& p) {
    std::vector<std::string> sounds(static_cast<size_t>(c.tasks), right_sound());
    sounds.push_back("geschafft[1-9]\\.wav");
    expect_sounds(p, sounds);
    if (!in_order(game_io_term_text(), {"\n\n\n\n \n \n  ", restart_text()})) p.fail("term: " + game_io_term_text());
    if (occurrences(game_io_text("term1"), "LSG =") != c.tasks) p.fail("not every task ran: " + game_io_text("term1"));
    const int avatars = occurrences(game_io_term_text(), "NO Frame avatar");
    if (avatars != (c.avatar_shown ? c.tasks : 0)) p.fail(std::to_string(avatars) + " avatars");
    const int e = elapsed_seconds(p);
    if (!c.time_shown) {
      expect_bar(p, "time", time_bar() + time_over_bar(), 0);
    } else if (e > c.budget) {
      expect_bar(p, "time over", time_over_bar(), 196);
    } else {
      expect_bar(p, "time", time_bar(), static_cast<int>(static_cast<double>(e) / c.budget * 196));
    }
    if (c.time_shown && e == 0) p.fail("the quiz took no time");
    expect_bar(p, "right", right_bar(), c.bars_shown ? 196 : 0);
    expect_bar(p, "progress", progress_bar(), c.bars_shown ? 515 : 0);
  }, calendar);
}

INSTANTIATE_TEST_SUITE_P(Sizes, FlowPanels, testing::ValuesIn(panels_cases),
                         [](const testing::TestParamInfo<panels_case>& info) { return std::string(info.param.name); });

TEST(FlowReminders, QuietPlayerHearsWartenOneTwoThreeThree) {
  player p;
  p.script = {ready(), select(1, 1, 2), start(), task(answer_kind::right, 460000), task(answer_kind::right, 105000),
              wait_text("neu starten ?"), button("btEnde")};
  run_scenario(&p, [](player& p) {
    expect_sounds(p, {"sound/warten-1\\.wav", "sound/warten-2\\.wav", "sound/warten-3\\.wav", "sound/warten-3\\.wav",
                      right_sound(), "sound/warten-1\\.wav", right_sound(), "geschafft[1-9]\\.wav"});
    if (p.sounds.size() != 8) return;
    // 100 s of quiet, then 110 s, then every 120 s; the next task starts over.
    const uint64_t first = p.seen[0].boxes_at, second = p.seen[1].boxes_at;
    const uint64_t want[] = {first + 100000, first + 210000, first + 330000, first + 450000, 0, second + 100000};
    for (size_t i : {0u, 1u, 2u, 3u, 5u}) {
      const int64_t off = static_cast<int64_t>(p.sounds[i].at) - static_cast<int64_t>(want[i]);
      if (off < 0 || off > 20) p.fail(p.sounds[i].file + " " + std::to_string(off) + " ms off");
    }
  }, calendar);
}

}  // namespace
