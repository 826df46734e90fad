// Closing the window at every moment the game waits: game_main comes back
// at once, nothing more is heard, printed or drawn, and the program ends
// with exit code 0 (the run is a child process: its exit code is checked).
#include "flow_checks.h"
#include "game_io.h"
#include "vqimagefile.h"
#include "vqpxmap.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t calendar = 1700000000;

// A picture one pixel wider than allowed: the game warns and pauses 10 s.
void write_wide_picture(const char* folder, const char* name, int width) {
  vqpxmap pm;
  vqpxmap_init(&pm);
  pm.width = width;
  pm.height = 2;
  pm.format = VQPX_TRUECOLOR;
  vqpxmap_allocate(&pm);
  vqpxmap_clear(&pm, 0x336699);
  vqpxmap_savetofile_png(&pm, (std::string(folder) + "/" + name).c_str());
  vqpxmap_free(&pm);
}

struct close_case {
  const char* name;
  std::vector<step> script;          // ends with the close
  std::vector<std::string> printed;  // texts that must be in "term" by then, in order
  std::vector<std::string> sounds;   // what was heard by then
  std::string not_printed;           // a text the close must have prevented
  std::function<void()> furnish = nullptr;
};

void PrintTo(const close_case& c, std::ostream* os) { *os << c.name; }

std::vector<step> then_close(std::vector<step> s) {
  s.push_back(close_window());
  return s;
}

const char* ready_words = "Sie k\xF6nnen";

const close_case close_cases[] = {
    {"DuringTheFirstSecond", then_close({pause_ms(500)}), {"Testmodus"}, {}, "NO Frame 0"},
    {"DuringTheStartPicture", then_close({pause_ms(4000)}), {"Testmodus", "NO Frame 0"}, {}, ready_words},
    {"DuringThePictureWarning", then_close({pause_ms(5000)}), {"Testmodus", "WARNUNG Bild zu gro\xDF"}, {}, ready_words,
     [] { write_wide_picture("Bilder", "videob_0.png", 6001); }},
    {"WhileTheTaskWaitsForItsAnswer", then_close({ready(), start(), answer_only(answer_kind::none), pause_ms(1000)}),
     {"??"}, {}, "neu starten"},
    {"DuringTheTenthOfASecondAfterTheClick",
     then_close({ready(), start(), answer_only(answer_kind::right), wait_text("tipp", 1, "term1")}), {"??"}, {},
     "neu starten"},
    {"DuringTheSecondOfTheWrongSound", then_close({ready(), start(), answer_only(answer_kind::wrong), pause_ms(500)}),
     {"??"}, {wrong_sound()}, "L\xF6sung war"},
    {"WhileTheSolutionIsShown",
     then_close({ready(), start(), answer_only(answer_kind::wrong), wait_text("L\xF6sung war"), pause_ms(1000)}),
     {"??", "L\xF6sung war"}, {wrong_sound()}, "NO Frame avatar"},
    {"DuringTheAvatarWarning", then_close({ready(), start(), answer_only(answer_kind::right), pause_ms(3000)}),
     {"??", "WARNUNG Bild zu gro\xDF"}, {right_sound()}, "neu starten",
     [] { write_wide_picture("avatar", "videob_8.png", 9001); }},
    {"BetweenQuizzes", then_close({ready(), pause_ms(1000)}), {ready_words}, {}, "??"},
    {"InTheEditor", then_close({ready(), edit(), editor_click(70, 75), pause_ms(500)}), {ready_words}, {},
     "Ende Editor"},
};

class FlowClose : public testing::TestWithParam<close_case> {};

TEST_P(FlowClose, EndsTheGameAtOnce) {
  player p;
  p.script = GetParam().script;
  run_scenario(&p, [c = GetParam()](player& p) {
    // The general checks have looked at the time game_main took to return
    // and at what came after the close.
    if (p.closed_at == 0) p.fail("the window was never closed");
    if (!in_order(game_io_term_text(), c.printed)) p.fail("term: " + game_io_term_text());
    if (game_io_term_text().find(c.not_printed) != std::string::npos) p.fail("printed: " + c.not_printed);
    std::vector<std::string> sounds;
    for (const std::string& s : c.sounds) sounds.push_back(s);
    expect_sounds(p, sounds);
  }, calendar, GetParam().furnish);
}

INSTANTIATE_TEST_SUITE_P(Moments, FlowClose, testing::ValuesIn(close_cases),
                         [](const testing::TestParamInfo<close_case>& info) { return std::string(info.param.name); });

}  // namespace
