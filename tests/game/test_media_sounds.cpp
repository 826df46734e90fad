// The game's sounds: their names, the reminder sequence and its start over,
// the end sound's number, the second after a wrong answer, and what playing
// answers for a file that is there and one that is not.
#include "media_test_util.h"

#include "vqrandom.h"

#include <fstream>

namespace {

using MediaSounds = MediaScreen;

std::vector<std::string> played() { return vqheadless_sounds(); }

TEST_F(MediaSounds, RemindersGoOneTwoThreeThreeAndStartOverWhenReset) {
  reset_wait_sound();
  for (int i = 0; i < 4; ++i) play_wait_sound();
  reset_wait_sound();
  play_wait_sound();
  play_wait_sound();
  EXPECT_EQ(played(), (std::vector<std::string>{"sound/warten-1.wav", "sound/warten-2.wav", "sound/warten-3.wav",
                                                "sound/warten-3.wav", "sound/warten-1.wav", "sound/warten-2.wav"}));
}

TEST_F(MediaSounds, RightAndWrongSoundsAndTheSecondAfterAWrongAnswer) {
  uint64_t before = vqheadless_now();
  play_right_sound();
  EXPECT_LT(vqheadless_now() - before, 20u);
  before = vqheadless_now();
  play_wrong_sound();
  const uint64_t held = vqheadless_now() - before;
  EXPECT_GE(held, 1000u);
  EXPECT_LT(held, 1050u);
  EXPECT_EQ(played(), (std::vector<std::string>{"sound/RIGHT/right-0.wav", "sound/WRONG/wrong-0.wav"}));
}

TEST_F(MediaSounds, TheEndSoundIsNumberedByTheNextDrawModuloNine) {
  for (uint32_t seed : {1u, 77u, 123456u, 99999999u}) {
    vqrandom_seed(seed);
    const int number = vqrandom_draw() % 9 + 1;
    vqrandom_seed(seed);
    vqheadless_clear_records();
    play_end_sound();
    ASSERT_EQ(played().size(), 1u);
    EXPECT_EQ(played()[0], "geschafft" + std::to_string(number) + ".wav") << seed;
  }
}

TEST_F(MediaSounds, PlayingAnswersWhetherTheFileCouldStart) {
  std::filesystem::create_directories("sound/RIGHT");
  std::ofstream("sound/RIGHT/right-0.wav") << "RIFF";
  EXPECT_TRUE(play_sound("sound/RIGHT/right-0.wav"));
  EXPECT_FALSE(play_sound("sound/WRONG/wrong-0.wav"));
  EXPECT_FALSE(play_sound(nullptr));
  // Heard or not, both are in the record of what the game asked for.
  EXPECT_EQ(played(), (std::vector<std::string>{"sound/RIGHT/right-0.wav", "sound/WRONG/wrong-0.wav"}));
}

}  // namespace
