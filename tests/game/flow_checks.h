// What the flow tests look at after a run: the score panels on the screen,
// the sounds in order, and the texts a quiz prints.
#pragma once

#include "flow_player.h"

#include <regex>
#include <string>
#include <vector>

// Bar lengths on the screen, in pixels from the panel's left edge (a row
// below the label, which the bars cover).
inline int progress_bar() { return run_length(630, 7 + 21, 0x0000FF); }
inline int time_bar() { return run_length(950, 40 + 21, 0x006400); }
inline int time_over_bar() { return run_length(950, 40 + 1, 0xC80000); }
inline int right_bar() { return run_length(950, 70 + 21, 0x64FF64); }
inline int wrong_bar() { return run_length(950, 100 + 21, 0xFF6400); }

inline const char* right_sound() { return "sound/RIGHT/right-0.wav"; }
inline const char* wrong_sound() { return "sound/WRONG/wrong-0.wav"; }

// The sounds heard, one pattern (a regular expression) each.
inline void expect_sounds(player& p, const std::vector<std::string>& patterns) {
  std::string heard;
  for (const sound_heard& s : p.sounds) heard += " " + s.file;
  bool same = p.sounds.size() == patterns.size();
  for (size_t i = 0; same && i < patterns.size(); ++i) same = std::regex_match(p.sounds[i].file, std::regex(patterns[i]));
  if (!same) p.fail("sounds heard:" + heard);
}

inline void expect_bar(player& p, const char* name, int length, int want) {
  if (length != want) p.fail(std::string(name) + " bar " + std::to_string(length) + " px, not " + std::to_string(want));
}

// What term1 says about task t of the last quiz when the answer was the
// value in box k (0: no answer).
inline std::string term1_of(const player& p, int t, int k) {
  const expected_task& e = p.expected[static_cast<size_t>(t - 1)];
  std::string s;
  if (k != 0) s += "\ntipp " + std::to_string(e.choices[static_cast<size_t>(k)]);
  return s + "\nLSG = " + std::to_string(e.solution) + ";\nTyp:(" + std::to_string(e.code) + ")";
}

inline std::string avatar_message(int n) { return "\n!!! NO Frame avatar " + std::to_string(n) + " !!!!"; }
inline std::string solution_message(int s) { return "\n!! L\xF6sung war : " + std::to_string(s) + "  !!"; }

inline const char* ready_text() { return "\n\n\n   Sie k\xF6nnen das Programm jetzt starten \n  "; }
inline const char* restart_text() { return "\n\n\n\n \n neu starten ? \n  "; }
