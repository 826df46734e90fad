// The game's data folder: the working folder when it holds Bilder, avatar
// and sound, else the program's folder, else the installed one; a folder
// with only part of the data does not count.
#include "game_data.h"
#include "vqframe.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string fresh_folder() {
  char name[] = "/tmp/quorila-data-XXXXXX";
  return mkdtemp(name) != nullptr ? name : "";
}

// A folder with the named data folders in it.
std::string folder_with(std::initializer_list<const char*> parts) {
  const std::string folder = fresh_folder();
  for (const char* part : parts) mkdir((folder + "/" + part).c_str(), 0755);
  return folder;
}

TEST(DataFolder, TheFirstFolderWithAllThreeIsChosen) {
  const std::string working = folder_with({"Bilder", "avatar", "sound"});
  const std::string program = folder_with({"Bilder", "avatar", "sound"});
  const std::string installed = folder_with({"Bilder", "avatar", "sound"});
  const std::string partial = folder_with({"Bilder", "sound"});
  const std::string empty = folder_with({});
  const struct {
    const char* name;
    std::vector<std::string> folders;
    std::string want;
  } cases[] = {
      {"working folder with data stays", {working, program, installed}, working},
      {"without: the program folder", {empty, program, installed}, program},
      {"part of the data is not enough", {partial, program, installed}, program},
      {"without both: the installed folder", {empty, partial, installed}, installed},
      {"a program folder the toolkit could not find", {empty, "", installed}, installed},
      {"nowhere", {empty, partial, "/nonexistent/quorila"}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(game_data_folder_choice(c.folders), c.want) << c.name;
}

TEST(DataFolder, AnInstallationIsFoundBesideItsProgramFolderFirst) {
  // prefix/bin/quorila reads prefix/share/quorila, wherever the prefix went.
  const std::string prefix = fresh_folder();
  for (const char* part : {"/bin", "/share", "/share/quorila", "/share/quorila/Bilder", "/share/quorila/avatar",
                           "/share/quorila/sound"})
    mkdir((prefix + part).c_str(), 0755);
  const std::vector<std::string> folders = game_data_folders("/nonexistent", prefix + "/bin");
  ASSERT_EQ(folders.size(), 4u);
  EXPECT_EQ(folders[0], "/nonexistent");
  EXPECT_EQ(folders[1], prefix + "/bin");
  EXPECT_EQ(game_data_folder_choice(folders), prefix + "/bin/../share/quorila");
  // The program folder unknown: the working folder, then the built-in one.
  EXPECT_EQ(game_data_folders("/w", "").size(), 3u);
}

TEST(DataFolder, AFileNamedLikeAFolderIsNoFolder) {
  const std::string folder = folder_with({"Bilder", "avatar"});
  FILE* f = std::fopen((folder + "/sound").c_str(), "w");
  ASSERT_NE(f, nullptr);
  std::fclose(f);
  EXPECT_FALSE(game_data_in(folder));
}

TEST(DataFolder, TheGameWorksInTheChosenFolder) {
  char saved[4096];
  ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
  // With the data in the working folder nothing moves.
  const std::string full = folder_with({"Bilder", "avatar", "sound"});
  ASSERT_EQ(chdir(full.c_str()), 0);
  EXPECT_EQ(game_use_data_folder(), full);
  char now[4096];
  EXPECT_STREQ(getcwd(now, sizeof now), full.c_str());
  // Without it, and no data beside the test program or installed, the game
  // stays where it was started.
  const std::string empty = folder_with({});
  ASSERT_EQ(chdir(empty.c_str()), 0);
  if (!game_data_folder_choice(game_data_folders(empty, vqprogramfolder())).empty())
    GTEST_SKIP() << "the game's data lies beside the test program or is installed on this machine";
  EXPECT_EQ(game_use_data_folder(), empty);
  EXPECT_STREQ(getcwd(now, sizeof now), empty.c_str());
  ASSERT_EQ(chdir(saved), 0);
}

}  // namespace
