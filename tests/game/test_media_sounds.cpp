// The game's sounds: their names, the reminders and their start over, the
// end sound's number, the second after a wrong answer, and what playing
// answers for a file that is there and one that is not.
#include "media_test_util.h"

#include "vqrandom.h"

#include <fstream>
#include <vector>

namespace {

using MediaSounds = MediaScreen;
using names = std::vector<std::string>;

TEST_F(MediaSounds, RemindersRightWrongAndTheSecondAfterAWrongAnswer) {
  reset_wait_sound();
  for (int i = 0; i < 4; ++i) play_wait_sound();
  reset_wait_sound();
  play_wait_sound();
  play_right_sound();
  const uint64_t before = vqheadless_now();
  play_wrong_sound();
  const uint64_t held = vqheadless_now() - before;
  EXPECT_TRUE(held >= 1000 && held < 1050) << held;
  EXPECT_EQ(vqheadless_sounds(), (names{"sound/warten-1.wav", "sound/warten-2.wav", "sound/warten-3.wav",
                                        "sound/warten-3.wav", "sound/warten-1.wav", "sound/RIGHT/right-0.wav",
                                        "sound/WRONG/wrong-0.wav"}));
}

TEST_F(MediaSounds, TheEndSoundIsNumberedByTheNextDrawModuloNine) {
  for (uint32_t seed : {1u, 77u, 123456u, 99999999u}) {
    vqrandom_seed(seed);
    const int number = vqrandom_draw() % 9 + 1;
    vqrandom_seed(seed);
    vqheadless_clear_records();
    play_end_sound();
    EXPECT_EQ(vqheadless_sounds(), names{"geschafft" + std::to_string(number) + ".wav"}) << seed;
  }
}

TEST_F(MediaSounds, PlayingAnswersWhetherTheFileCouldStart) {
  std::filesystem::create_directories("sound/RIGHT");
  std::ofstream("sound/RIGHT/right-0.wav") << "RIFF";
  EXPECT_TRUE(play_sound("sound/RIGHT/right-0.wav"));
  EXPECT_FALSE(play_sound("sound/WRONG/wrong-0.wav"));
  // Heard or not, both are in the record of what the game asked for.
  EXPECT_EQ(vqheadless_sounds(), (names{"sound/RIGHT/right-0.wav", "sound/WRONG/wrong-0.wav"}));
}

}  // namespace
