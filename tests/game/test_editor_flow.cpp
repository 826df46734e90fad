// The task selection editor on the main screen: deleting and restoring
// types by clicks, the ENDE field and Escape, and quizzes after it.
#include "flow_checks.h"
#include "game_io.h"
#include "game_state.h"
#include "vqkeys.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t calendar = 1700000000;

// Window coordinates of slot box i (panel 35 i + 30, 50), a little inside.
int slot_x(int i) { return 10 + 35 * i + 30 + 3; }
constexpr int slot_y = 200 + 50 + 3;

// The colour of each slot box 1 to count, then whether the editor has ended.
void note_slots(player& p, int count) {
  std::string s;
  for (int i = 1; i <= count; ++i) {
    char c[12];
    std::snprintf(c, sizeof c, "%06X ", screen_pixel(slot_x(i), slot_y));
    s += c;
  }
  s += occurrences(game_io_term_text(), "\n Ende Editor \n") > 0 ? "ended" : "open";
  p.probes.push_back(s);
}

TEST(FlowEditor, DeletesRestoresAndEndsByTheEndeFieldOrEscape) {
  player p;
  p.compare_series = false;   // the quiz draws from the edited selection
  p.probe = [](player& p) { note_slots(p, 3); };
  p.script = {ready(), edit(), probe(),
              editor_click(70, 75), probe(),        // type 1 off
              editor_click(70, 75), probe(),        // and on again
              editor_click(105, 75), probe(),       // type 2 off
              editor_click(99, 120), editor_click(100, 141), probe(),   // beside the ENDE field
              editor_click(100, 120), wait_text("Ende Editor"),
              edit(), probe(),                      // type 2 is shown as a yellow " 0"
              key(VQKEY_ESCAPE), wait_text("Ende Editor", 2), start()};
  for (int t = 0; t < 12; ++t) p.script.push_back(task(answer_kind::escape));
  p.script.push_back(wait_text("neu starten ?"));
  p.script.push_back(button("btEnde"));
  run_scenario(&p, [](player& p) {
    const std::vector<std::string> want = {
        "FFFF00 FFFF00 FFFF00 open", "5F5F5F FFFF00 FFFF00 open", "FFFF5F FFFF00 FFFF00 open",
        "FFFF5F 5F5F5F FFFF00 open", "FFFF5F 5F5F5F FFFF00 open", "FFFF00 FFFF00 FFFF00 ended"};
    if (p.probes != want) {
      std::string seen;
      for (const std::string& s : p.probes) seen += "\n  " + s;
      p.fail("slot boxes:" + seen);
    }
    if (task_table[1][1][2] != 0 || task_table[1][1][1] != 1 || task_table[1][1][3] != 3) p.fail("the task table");
    const std::string& term1 = game_io_text("term1");
    if (term1.find("Typ:(1102)") != std::string::npos || occurrences(term1, "LSG =") != 12)
      p.fail("the quiz after the editor: " + term1);
    expect_sounds(p, {"geschafft[1-9]\\.wav"});
  }, calendar);
}

TEST(FlowEditor, EverythingSwitchedOffEndsTheQuizWithItsMessage) {
  player p;
  p.script = {ready(), edit(), editor_click(70, 75), editor_click(105, 75), editor_click(140, 75),
              editor_click(100, 120), wait_text("Ende Editor"), start(), wait_text("Keine Aufgabe ausgew\xE4hlt"),
              button("btStart"), wait_text("Keine Aufgabe ausgew\xE4hlt", 2), button("btEnde")};
  run_scenario(&p, [](player& p) {
    expect_sounds(p, {});
    if (!game_io_text("term1").empty() || game_io_term_text().find("neu starten") != std::string::npos)
      p.fail("a quiz ran: " + game_io_text("term1"));
  }, calendar);
}

TEST(FlowEditor, SixteenTypesAtLevelNineDifficultyThree) {
  player p;
  p.script = {ready(), select(9, 3, 12), edit(), probe(), key(VQKEY_ESCAPE), wait_text("Ende Editor"), button("btEnde")};
  p.probe = [](player& p) {
    // Box 16 starts at x = 590 of the panel; nothing stands where a 17th would.
    p.probes.push_back(std::to_string(screen_pixel(10 + 590 + 1, slot_y) == 0xFFFF00) +
                       std::to_string(screen_pixel(10 + 625 + 1, slot_y) == 0xFFFF00));
  };
  run_scenario(&p, [](player& p) {
    if (p.probes != std::vector<std::string>{"10"}) p.fail("boxes of level 9: " + p.probes.at(0));
  }, calendar);
}

}  // namespace
