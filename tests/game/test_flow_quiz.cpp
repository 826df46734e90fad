// Whole quizzes played through the screen by the scripted player: what is
// printed, heard and drawn, and how the flow's timing looks on the virtual
// clock.
#include "flow_checks.h"
#include "game_io.h"
#include "vqrandom.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t calendar = 1700000000;

struct quiz_case {
  const char* name;
  std::vector<step> script;
  std::function<void(player&)> checks;
  std::function<void(player&)> probe = nullptr;
};

std::vector<step> quiz(int level, int difficulty, int tasks, std::vector<step> answers) {
  std::vector<step> s = {ready(), select(level, difficulty, tasks), start()};
  s.insert(s.end(), answers.begin(), answers.end());
  s.push_back(wait_text("neu starten ?"));
  s.push_back(button("btEnde"));
  return s;
}

std::vector<step> all(int n, step one) { return std::vector<step>(static_cast<size_t>(n), one); }

// term1 of a first quiz, from what the player clicked.
std::string term1_of_quiz(const player& p) {
  std::string s;
  for (size_t t = 1; t <= p.expected.size(); ++t) s += term1_of(p, static_cast<int>(t), p.seen[t - 1].clicked_box);
  return s;
}

void expect_hold(player& p, int t, uint64_t ms) {
  const task_seen& s = p.seen[static_cast<size_t>(t - 1)];
  const uint64_t held = s.washed_at - s.clicked_at;
  if (held < ms || held > ms + 20)
    p.fail("task " + std::to_string(t) + " washed out " + std::to_string(held) + " ms after the click");
}

const quiz_case cases[] = {
    {"TwelveRightAtLevelOne", quiz(1, 1, 12, all(12, task())),
     [](player& p) {
       std::vector<std::string> sounds(12, right_sound());
       sounds.push_back("geschafft[1-9]\\.wav");
       expect_sounds(p, sounds);
       // The start picture, the quiz's picture drawn from the start-up seed,
       // then one avatar per task by the share of right answers.
       vqrandom_seed(static_cast<uint32_t>(calendar));
       const int picture = vqrandom_draw() % 100 + 1;
       std::vector<std::string> texts = {"Testmodus \n  ", "\n!!! NO Frame 0 !!!!", ready_text(),
                                         "\n!!! NO Frame " + std::to_string(picture) + " !!!!", "\n\n\n\n \n \n  "};
       for (int n : {8, 16, 25, 33, 41, 50, 58, 66, 75, 83, 91, 100}) texts.push_back(avatar_message(n));
       texts.push_back(restart_text());
       if (!in_order(game_io_term_text(), texts)) p.fail("term: " + game_io_term_text());
       if (game_io_text("term1") != term1_of_quiz(p)) p.fail("term1: " + game_io_text("term1"));
       if (terminal_text("term").find(" neu starten ?") == std::string::npos) p.fail("no \"neu starten ?\" on the screen");
       if (p.last_title != "QUORILA screen 1920x1080;") p.fail("the window's title: " + p.last_title);
       for (int t = 1; t <= 12; ++t) expect_hold(p, t, 100);
       expect_bar(p, "right", right_bar(), 196);
       expect_bar(p, "wrong", wrong_bar(), 0);
       expect_bar(p, "progress", progress_bar(), 515);
     }},
    {"WrongSecondAnswer", quiz(1, 1, 12, [] {
       std::vector<step> s = {task(), task(answer_kind::wrong), task(), probe()};
       for (int t = 4; t <= 12; ++t) s.push_back(task());
       return s;
     }()),
     [](player& p) {
       std::vector<std::string> sounds = {right_sound(), wrong_sound()};
       for (int t = 3; t <= 12; ++t) sounds.push_back(right_sound());
       sounds.push_back("geschafft[1-9]\\.wav");
       expect_sounds(p, sounds);
       // The solution comes after the wrong sound's second; the boxes stay
       // on the screen for 0.1 + 1.0 + 2.0 s before the wash-out.
       expect_hold(p, 1, 100);
       expect_hold(p, 2, 3100);
       if (p.boxes_gone_early) p.fail("the boxes went before the wash-out");
       if (!in_order(game_io_term_text(), {solution_message(p.expected[1].solution), avatar_message(8), restart_text()}))
         p.fail("term: " + game_io_term_text());
       if (p.probes != std::vector<std::string>{"32 16 128"}) p.fail("bars after task 3: " + p.probes.at(0));
       expect_bar(p, "right", right_bar(), 179);   // 11 of 12
       expect_bar(p, "wrong", wrong_bar(), 16);
     },
     [](player& p) {
       p.probes.push_back(std::to_string(right_bar()) + " " + std::to_string(wrong_bar()) + " " +
                          std::to_string(progress_bar()));
     }},
    {"EscapeCountsNeitherWay", quiz(1, 1, 3, {task(), task(answer_kind::escape), task()}),
     [](player& p) {
       expect_sounds(p, {right_sound(), right_sound(), "geschafft[1-9]\\.wav"});
       if (game_io_text("term1") != term1_of(p, 1, p.seen[0].clicked_box) + term1_of(p, 2, 0) +
                                       term1_of(p, 3, p.seen[2].clicked_box))
         p.fail("term1: " + game_io_text("term1"));
       expect_bar(p, "right", right_bar(), 130);   // 2 of 3, not 3 of 3
       expect_bar(p, "wrong", wrong_bar(), 0);
       expect_bar(p, "progress", progress_bar(), 515);
     }},
    {"QueuedClickAnswersTheNextTask", quiz(1, 1, 3, [] {
       step first = task();
       first.queue_box = 2;
       // The second task is answered by the queued click alone.
       return std::vector<step>{first, task(answer_kind::none), task()};
     }()),
     [](player& p) {
       const std::string second = term1_of(p, 2, 2);
       if (game_io_text("term1") != term1_of(p, 1, p.seen[0].clicked_box) + second + term1_of(p, 3, p.seen[2].clicked_box))
         p.fail("term1: " + game_io_text("term1"));
       const bool right = p.expected[1].choices[2] == p.expected[1].solution;
       expect_sounds(p, {right_sound(), right ? right_sound() : wrong_sound(), right_sound(), "geschafft[1-9]\\.wav"});
       // Judged as soon as it was shown: the queued click was its first event.
       const task_seen& s = p.seen[1];
       if (s.washed_at - s.boxes_at > (right ? 110u : 3110u)) p.fail("the second task waited for another click");
     }},
    {"ClicksOnTheEdgesOfTheBoxes", quiz(1, 1, 3, [] {
       // Left of box 1, below and above the hit rectangles: nothing. Then
       // 15 px above the main panel (y 5 after the offset) over the right box.
       step first = task();
       first.misses = {{10 + 119, 225}, {box_x(3), 180 + 66}, {box_x(3), 180 + 4}};
       first.click_y = 185;
       step second = click_at(10 + 240, 225);   // the border of boxes 1 and 2 belongs to 1
       step third = click_at(10 + 840, 225);    // the right edge of box 6
       third.misses = {{10 + 841, 225}};
       return std::vector<step>{first, second, third};
     }()),
     [](player& p) {
       if (game_io_text("term1") != term1_of(p, 1, p.seen[0].clicked_box) + term1_of(p, 2, 1) + term1_of(p, 3, 6))
         p.fail("term1: " + game_io_text("term1"));
     }},
    {"TwoStartsInARow", [] {
       std::vector<step> s = quiz(1, 1, 3, {task(), task(answer_kind::wrong), task()});
       s.pop_back();
       for (step more : {start(), probe(), task(answer_kind::escape), task(answer_kind::escape),
                         task(answer_kind::escape), wait_text("neu starten ?", 2), button("btEnde")})
         s.push_back(more);
       return s;
     }(),
     [](player& p) {
       expect_sounds(p, {right_sound(), wrong_sound(), right_sound(), "geschafft[1-9]\\.wav", "geschafft[1-9]\\.wav"});
       // A new picture is drawn, the bars start from nothing and the counts from 0.
       if (occurrences(game_io_term_text(), "\n!!! NO Frame ") != 3) p.fail("term: " + game_io_term_text());
       if (p.probes != std::vector<std::string>{"0 0 0"}) p.fail("bars at the second start: " + p.probes.at(0));
       expect_bar(p, "right", right_bar(), 0);
       expect_bar(p, "wrong", wrong_bar(), 0);
       expect_bar(p, "progress", progress_bar(), 515);
     },
     [](player& p) {
       p.probes.push_back(std::to_string(right_bar()) + " " + std::to_string(wrong_bar()) + " " +
                          std::to_string(progress_bar()));
     }},
};

void PrintTo(const quiz_case& c, std::ostream* os) { *os << c.name; }

class FlowQuiz : public testing::TestWithParam<quiz_case> {};

TEST_P(FlowQuiz, PlaysThrough) {
  player p;
  p.script = GetParam().script;
  p.probe = GetParam().probe;
  run_scenario(&p, GetParam().checks, calendar);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FlowQuiz, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<quiz_case>& info) { return std::string(info.param.name); });

}  // namespace
