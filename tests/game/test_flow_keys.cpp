// Quizzes answered from the keyboard: the digit keys and the ring moved by
// the arrows judge, sound, count and print exactly as clicks do; the ring
// never outlives its task; the controls keep the keyboard outside the
// answer wait and lose it during a quiz.
#include "flow_checks.h"
#include "game_io.h"
#include "game_screen.h"
#include "vqcontrols.h"
#include "vqkeys.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t calendar = 1700000000;
enum { tab = VQKEY_TAB, enter = VQKEY_ENTER, up = VQKEY_UP, down = VQKEY_DOWN };

struct keys_case {
  const char* name;
  std::vector<step> script;
  std::function<void(player&)> checks;
  std::function<void(player&)> probe = nullptr;
};

std::vector<step> quiz(int tasks, std::vector<step> answers) {
  std::vector<step> s = {ready(), select(1, 1, tasks), start()};
  s.insert(s.end(), answers.begin(), answers.end());
  s.push_back(wait_text("neu starten ?"));
  s.push_back(button("btEnde"));
  return s;
}

std::string term1_of_quiz(const player& p) {
  std::string s;
  for (size_t t = 1; t <= p.expected.size(); ++t) s += term1_of(p, static_cast<int>(t), p.seen[t - 1].clicked_box);
  return s;
}

void expect_hold(player& p, int t, uint64_t ms) {
  const task_seen& s = p.seen[static_cast<size_t>(t - 1)];
  const uint64_t held = s.washed_at - s.clicked_at;
  if (held < ms || held > ms + 20)
    p.fail("task " + std::to_string(t) + " washed out " + std::to_string(held) + " ms after the first key" );
}

int updown(const char* name) {
  const auto* c = static_cast<const vqUpDownControl*>(vqscript_findcontrol(&main_markup, name));
  return c != nullptr ? vqupdown_getvalue(c) : -1;
}

// The control that has the keyboard, by name.
std::string focused_control() {
  const int region = vqgraphic_getfocus(&main_window.panels[0]);
  if (region < 0) return "none";
  const void* object = main_window.panels[0].regions[region].object;
  for (const char* name : {"udStufe", "udSchwierigkeit", "udAnzahlAufgaben", "btEdit", "btStart", "btEnde", "term", "term1"})
    if (vqscript_findcontrol(&main_markup, name) == object) return name;
  return "?";
}

const keys_case cases[] = {
    // At once, as the click tests answer, so that the holds are exact.
    {"DigitKeysJudgeAsClicks", quiz(3, {key_task(answer_kind::right, answer_by::digit, 0),
                                        key_task(answer_kind::wrong, answer_by::digit, 0),
                                        key_task(answer_kind::right, answer_by::digit, 0)}),
     [](player& p) {
       expect_sounds(p, {right_sound(), wrong_sound(), right_sound(), "geschafft[1-9]\\.wav"});
       if (game_io_text("term1") != term1_of_quiz(p)) p.fail("term1: " + game_io_text("term1"));
       if (!in_order(game_io_term_text(), {solution_message(p.expected[1].solution), restart_text()}))
         p.fail("term: " + game_io_term_text());
       expect_hold(p, 1, 100);
       expect_hold(p, 2, 3100);
       expect_hold(p, 3, 100);
       expect_bar(p, "right", right_bar(), 130);
       expect_bar(p, "wrong", wrong_bar(), 65);
       expect_bar(p, "progress", progress_bar(), 515);
       if (ring_on_screen() != 0) p.fail("a ring on the end picture");
     }},
    {"RingMovedByArrowsChoosesWithEnterAndSpace",
     quiz(4, {key_task(answer_kind::right, answer_by::arrows_enter), key_task(answer_kind::wrong, answer_by::arrows_space),
              key_task(answer_kind::right, answer_by::arrows_enter), key_task(answer_kind::right, answer_by::digit)}),
     [](player& p) {
       expect_sounds(p, {right_sound(), wrong_sound(), right_sound(), right_sound(), "geschafft[1-9]\\.wav"});
       if (game_io_text("term1") != term1_of_quiz(p)) p.fail("term1: " + game_io_text("term1"));
       // One key shows the ring where the last task left it (box 1 at
       // first); then one arrow per box.
       int from = 1;
       for (int t = 1; t <= 3; ++t) {
         const task_seen& s = p.seen[static_cast<size_t>(t - 1)];
         if (s.key_presses != 1 + std::abs(s.clicked_box - from))
           p.fail("task " + std::to_string(t) + ": " + std::to_string(s.key_presses) + " arrows from box " +
                  std::to_string(from) + " to box " + std::to_string(s.clicked_box));
         from = s.clicked_box;
       }
       expect_bar(p, "right", right_bar(), 147);
       expect_bar(p, "wrong", wrong_bar(), 49);
       if (ring_on_screen() != 0) p.fail("a ring on the end picture");
     }},
    {"KeyboardOnlyFromSelectionToEnde",
     [] {
       // Level 2, difficulty 2 and N = 3 by Tab and the arrows, START and
       // ENDE by Enter; during the quiz Tab and Up must not reach the
       // up-down controls.
       std::vector<step> s = {ready(), key(tab), key(up), key(tab), key(up), key(tab)};
       for (int i = 0; i < 9; ++i) s.push_back(key(down));
       for (step more : {key(tab), key(tab), probe(), start_by_key(enter),
                         key_task(answer_kind::right, answer_by::digit), key(tab), key(up), key(tab),
                         key_task(answer_kind::wrong, answer_by::arrows_enter),
                         key_task(answer_kind::right, answer_by::digit), wait_text("neu starten ?"), probe(), key(tab),
                         probe(), key(enter)})
         s.push_back(more);
       return s;
     }(),
     [](player& p) {
       const std::vector<std::string> want = {"2 2 3 btStart", "2 2 3 btStart", "2 2 3 btEnde"};
       if (p.probes != want) {
         std::string seen;
         for (const std::string& probe : p.probes) seen += " [" + probe + "]";
         p.fail("selection and focus:" + seen);
       }
       if (p.closed_at != 0 || p.returned_at == 0) p.fail("ENDE by Enter did not end the game");
       expect_sounds(p, {right_sound(), wrong_sound(), right_sound(), "geschafft[1-9]\\.wav"});
       if (game_io_text("term1") != term1_of_quiz(p)) p.fail("term1: " + game_io_text("term1"));
     },
     [](player& p) {
       p.probes.push_back(std::to_string(updown("udStufe")) + " " + std::to_string(updown("udSchwierigkeit")) + " " +
                          std::to_string(updown("udAnzahlAufgaben")) + " " + focused_control());
       if (p.probes.size() == 1) {
         p.level = updown("udStufe");
         p.difficulty = updown("udSchwierigkeit");
         p.tasks = updown("udAnzahlAufgaben");
       }
     }},
    {"KeypadDigitsAnswerWithoutNumLockAndNavigateOutsideTheQuiz",
     [] {
       // With NumLock off the keypad's 8 and 2 are Up and Down for the
       // up-down controls, and during the quiz its digits choose boxes
       // (4 and 6 among them, which are Left and Right then).
       std::vector<step> s = {ready(), key(tab), keypad_key('8'), key(tab), keypad_key('8'), key(tab)};
       for (int i = 0; i < 9; ++i) s.push_back(keypad_key('2'));
       for (step more : {key(tab), key(tab), probe(), start_by_key(enter)}) s.push_back(more);
       for (int k : {4, 5, 6}) {
         step answer = key_task(answer_kind::box, answer_by::keypad);
         answer.a = k;
         s.push_back(answer);
       }
       for (step more : {wait_text("neu starten ?"), probe(), button("btEnde")}) s.push_back(more);
       return s;
     }(),
     [](player& p) {
       const std::vector<std::string> want = {"2 2 3 btStart digits off", "2 2 3 btStart digits off"};
       if (p.probes != want) {
         std::string seen;
         for (const std::string& probe : p.probes) seen += " [" + probe + "]";
         p.fail("selection, focus and keypad:" + seen);
       }
       // Judged as clicks on boxes 4, 5 and 6.
       std::vector<std::string> sounds;
       for (size_t t = 0; t < p.expected.size(); ++t) {
         const expected_task& e = p.expected[t];
         sounds.push_back(e.choices[static_cast<size_t>(p.seen[t].clicked_box)] == e.solution ? right_sound()
                                                                                              : wrong_sound());
       }
       sounds.push_back("geschafft[1-9]\\.wav");
       expect_sounds(p, sounds);
       if (game_io_text("term1") != term1_of_quiz(p)) p.fail("term1: " + game_io_text("term1"));
     },
     [](player& p) {
       p.probes.push_back(std::to_string(updown("udStufe")) + " " + std::to_string(updown("udSchwierigkeit")) + " " +
                          std::to_string(updown("udAnzahlAufgaben")) + " " + focused_control() +
                          (main_window.keypad_digits ? " digits on" : " digits off"));
       if (p.probes.size() == 1) {
         p.level = updown("udStufe");
         p.difficulty = updown("udSchwierigkeit");
         p.tasks = updown("udAnzahlAufgaben");
       }
     }},
};

void PrintTo(const keys_case& c, std::ostream* os) { *os << c.name; }

class FlowKeys : public testing::TestWithParam<keys_case> {};

TEST_P(FlowKeys, PlaysThrough) {
  player p;
  p.script = GetParam().script;
  p.probe = GetParam().probe;
  run_scenario(&p, GetParam().checks, calendar);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FlowKeys, testing::ValuesIn(cases),
                         [](const testing::TestParamInfo<keys_case>& info) { return std::string(info.param.name); });

}  // namespace
