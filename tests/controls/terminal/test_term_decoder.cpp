// The escape-sequence decoder alone: bytes in, the queued actions out.
#include "vqansi.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using actions = std::vector<std::pair<int, int>>;

actions decode(const std::string& bytes, vqAnsiDecoder* d) {
  actions out;
  for (unsigned char c : bytes) {
    vqansi_input(d, c);
    int a, v;
    while (vqansi_take(d, &a, &v)) out.push_back({a, v});
  }
  return out;
}

actions decode(const std::string& bytes) {
  vqAnsiDecoder d;
  return decode(bytes, &d);
}

struct decoder_case {
  const char* name;
  std::string bytes;
  actions expected;
};

// Shown in test lists by its name rather than its bytes.
void PrintTo(const decoder_case& c, std::ostream* os) { *os << c.name; }

class DecoderCases : public ::testing::TestWithParam<decoder_case> {};

TEST_P(DecoderCases, QueuesTheActions) {
  const decoder_case& c = GetParam();
  ::testing::internal::CaptureStdout();
  const actions got = decode(c.bytes);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(got, c.expected) << c.name;
}

const std::string E = "\033[";
// The action of a plain byte, the most frequent by far, in short.
enum { P = VQANSI_PRINT };

INSTANTIATE_TEST_SUITE_P(
    Ansi, DecoderCases,
    ::testing::Values(
        decoder_case{"plain bytes print", "A\n\xe4", {{P, 'A'}, {P, 10}, {P, 0xe4}}},
        decoder_case{"shift-out line drawing", "\016jklmntuvwLTqxab\017l",
                     {{P, '+'}, {P, '+'}, {P, '+'}, {P, '+'}, {P, '+'}, {P, '+'}, {P, '+'}, {P, '+'},
                      {P, '+'}, {P, '+'}, {P, '+'}, {P, '-'}, {P, '|'}, {P, '#'}, {P, 'b'}, {P, 'l'}}},
        decoder_case{"H without parameters", E + "H", {{VQANSI_COLUMN, 0}, {VQANSI_ROW, 0}}},
        decoder_case{"H is row;column", E + "5;12H", {{VQANSI_COLUMN, 12}, {VQANSI_ROW, 5}}},
        decoder_case{"cursor moves and columns", E + "3A" + E + "B" + E + "2C" + E + "4D" + E + "7G" + E + "9d",
                     {{VQANSI_UP, 3}, {VQANSI_DOWN, 0}, {VQANSI_RIGHT, 2}, {VQANSI_LEFT, 4}, {VQANSI_COLUMN, 7},
                      {VQANSI_ROW, 9}}},
        decoder_case{"characters", E + "2@" + E + "3P" + E + "4X",
                     {{VQANSI_INSERTCHARS, 2}, {VQANSI_DELETECHARS, 3}, {VQANSI_ERASECHARS, 4}}},
        decoder_case{"erase", E + "J" + E + "1J" + E + "2J" + E + "K" + E + "1K" + E + "2K" + E + "3K",
                     {{VQANSI_ERASEBELOW, 0}, {VQANSI_CLEARSCREEN, 0}, {VQANSI_ERASELINEEND, 0},
                      {VQANSI_ERASELINESTART, 0}, {VQANSI_ERASELINE, 0}}},
        decoder_case{"SGR reset forms", E + "m" + E + "0m" + E + "0;31m",
                     {{VQANSI_RESET, 0}, {VQANSI_RESET, 0}, {VQANSI_RESET, 0}}},
        decoder_case{"SGR colours and a 0 among them", E + "31;42;0;38;48m",
                     {{VQANSI_FOREGROUND, 1}, {VQANSI_BACKGROUND, 2}, {VQANSI_RESETPART, 0}, {VQANSI_FOREGROUND, 8},
                      {VQANSI_BACKGROUND, 8}}},
        decoder_case{"SGR bold, defaults, reverse", E + "1;39;49;7;27;22m",
                     {{VQANSI_BOLD, 0}, {VQANSI_DEFAULTFG, 0}, {VQANSI_DEFAULTBG, 0}, {VQANSI_REVERSE, 0},
                      {VQANSI_REVERSE, 0}}},
        decoder_case{"private modes", E + "?1h" + E + "?7l" + E + "?25l" + E + "?47;1000;1047;1048h" + E + "?4h",
                     {{VQANSI_CURSORKEYS, 1}, {VQANSI_WRAPMODE, 0}, {VQANSI_CURSORVISIBLE, 0}}},
        decoder_case{"insert mode", E + "4h" + E + "4l" + E + "25h",
                     {{VQANSI_INSERTMODE, 1}, {VQANSI_INSERTMODE, 0}}},
        decoder_case{"soft reset leaves shift-out", "\016" + E + "!pq",
                     {{VQANSI_CURSORKEYS, 0}, {VQANSI_WRAPMODE, 0}, {VQANSI_CURSORVISIBLE, 1}, {VQANSI_INSERTMODE, 1},
                      {P, 'q'}}},
        decoder_case{"save and restore, g and r", E + "s" + E + "u" + E + "g" + E + "1;24r",
                     {{VQANSI_SAVECURSOR, 0}, {VQANSI_RESTORECURSOR, 0}}},
        decoder_case{"two escapes print 27", "\033\033x", {{P, 27}, {P, 'x'}}},
        decoder_case{"short sequences end quietly", "\0337a\0338b\033=c\033>d\033(Be\033)0f\033cg",
                     {{P, 'a'}, {P, 'b'}, {P, 'c'}, {P, 'd'}, {P, 'e'}, {P, 'f'}, {P, 'g'}}},
        decoder_case{"parameters beyond a byte are limited", E + "99999999999999999999999G" + E + "300;256H",
                     {{VQANSI_COLUMN, 255}, {VQANSI_COLUMN, 255}, {VQANSI_ROW, 255}}},
        decoder_case{"huge SGR numbers are not colours", E + "4294967327m", {}},
        decoder_case{"an over-long sequence is dropped whole",
                     E + std::string(200, '1') + ";31mZ" + E + std::string(60, ';') + "mY", {{P, 'Z'}, {P, 'Y'}}},
        decoder_case{"unknown finals print nothing", E + "5Q" + E + "1~" + E + "2vW", {{P, 'W'}}}),
    [](const ::testing::TestParamInfo<decoder_case>& info) { return std::to_string(info.index); });

TEST(Decoder, UnknownSequenceIsReportedOnOneLine) {
  ::testing::internal::CaptureStdout();
  decode(E + "5Q" + E + "1\n~" + E + std::string(80, '7') + "m");
  EXPECT_EQ(::testing::internal::GetCapturedStdout(),
            "AnsiDecoder not recognized: [5Q\n"
            "AnsiDecoder not recognized: [1?~\n"
            "AnsiDecoder not recognized: [" + std::string(50, '7') + "\n");
}

TEST(Decoder, FullQueueKeepsTheOldestActions) {
  vqAnsiDecoder d;
  for (int i = 0; i < VQANSI_QUEUE + 5; ++i) vqansi_input(&d, 'a' + i % 26);
  actions got;
  int a, v;
  while (vqansi_take(&d, &a, &v)) got.push_back({a, v});
  ASSERT_EQ(got.size(), static_cast<size_t>(VQANSI_QUEUE));
  EXPECT_EQ(got.front(), std::make_pair(int(P), static_cast<int>('a')));
  EXPECT_EQ(got.back(), std::make_pair(int(P), 'a' + (VQANSI_QUEUE - 1) % 26));
  // The ring goes on across its wrap-around.
  EXPECT_EQ(decode("xy", &d), (actions{{P, 'x'}, {P, 'y'}}));
}

}  // namespace
