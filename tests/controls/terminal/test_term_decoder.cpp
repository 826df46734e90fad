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

INSTANTIATE_TEST_SUITE_P(
    Ansi, DecoderCases,
    ::testing::Values(
        decoder_case{"plain bytes print", "A\n\xe4", {{1, 'A'}, {1, 10}, {1, 0xe4}}},
        decoder_case{"shift-out line drawing", "\016jklmntuvwLTqxab\017l",
                     {{1, '+'}, {1, '+'}, {1, '+'}, {1, '+'}, {1, '+'}, {1, '+'}, {1, '+'}, {1, '+'},
                      {1, '+'}, {1, '+'}, {1, '+'}, {1, '-'}, {1, '|'}, {1, '#'}, {1, 'b'}, {1, 'l'}}},
        decoder_case{"H without parameters", E + "H", {{15, 0}, {16, 0}}},
        decoder_case{"H is row;column", E + "5;12H", {{15, 12}, {16, 5}}},
        decoder_case{"cursor moves and columns", E + "3A" + E + "B" + E + "2C" + E + "4D" + E + "7G" + E + "9d",
                     {{25, 3}, {26, 0}, {23, 2}, {24, 4}, {15, 7}, {16, 9}}},
        decoder_case{"characters", E + "2@" + E + "3P" + E + "4X", {{28, 2}, {29, 3}, {27, 4}}},
        decoder_case{"erase", E + "J" + E + "1J" + E + "2J" + E + "K" + E + "1K" + E + "2K" + E + "3K",
                     {{13, 0}, {14, 0}, {10, 0}, {11, 0}, {12, 0}}},
        decoder_case{"SGR reset forms", E + "m" + E + "0m" + E + "0;31m", {{2, 0}, {2, 0}, {2, 0}}},
        decoder_case{"SGR colours and a 0 among them", E + "31;42;0;38;48m",
                     {{3, 1}, {4, 2}, {5, 0}, {3, 8}, {4, 8}}},
        decoder_case{"SGR bold, defaults, reverse", E + "1;39;49;7;27;22m", {{6, 0}, {7, 0}, {8, 0}, {9, 0}, {9, 0}}},
        decoder_case{"private modes", E + "?1h" + E + "?7l" + E + "?25l" + E + "?47;1000;1047;1048h" + E + "?4h",
                     {{19, 1}, {17, 0}, {18, 0}}},
        decoder_case{"insert mode", E + "4h" + E + "4l" + E + "25h", {{20, 1}, {20, 0}}},
        decoder_case{"soft reset leaves shift-out", "\016" + E + "!pq", {{19, 0}, {17, 0}, {18, 1}, {20, 1}, {1, 'q'}}},
        decoder_case{"save and restore, g and r", E + "s" + E + "u" + E + "g" + E + "1;24r", {{21, 0}, {22, 0}}},
        decoder_case{"two escapes print 27", "\033\033x", {{1, 27}, {1, 'x'}}},
        decoder_case{"short sequences end quietly", "\0337a\0338b\033=c\033>d\033(Be\033)0f\033cg",
                     {{1, 'a'}, {1, 'b'}, {1, 'c'}, {1, 'd'}, {1, 'e'}, {1, 'f'}, {1, 'g'}}},
        decoder_case{"parameters beyond a byte are limited", E + "99999999999999999999999G" + E + "300;256H",
                     {{15, 255}, {15, 255}, {16, 255}}},
        decoder_case{"huge SGR numbers are not colours", E + "4294967327m", {}},
        decoder_case{"an over-long sequence is dropped whole",
                     E + std::string(200, '1') + ";31mZ" + E + std::string(60, ';') + "mY", {{1, 'Z'}, {1, 'Y'}}},
        decoder_case{"unknown finals print nothing", E + "5Q" + E + "1~" + E + "2vW", {{1, 'W'}}}),
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
  EXPECT_EQ(got.front(), std::make_pair(1, static_cast<int>('a')));
  EXPECT_EQ(got.back(), std::make_pair(1, 'a' + (VQANSI_QUEUE - 1) % 26));
  // The ring goes on across its wrap-around.
  EXPECT_EQ(decode("xy", &d), (actions{{1, 'x'}, {1, 'y'}}));
}

}  // namespace
