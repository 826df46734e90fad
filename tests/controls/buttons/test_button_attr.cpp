// The push button's keywords: every attribute name, hotkey values and the
// message for the ones buttons cannot take.
#include "controls_test_util.h"

#include "vqcfgstr.h"

namespace {

// The flags and hotkey the keywords of a button's option text set.
unsigned attributes(const char* text, int* hotkey, std::string* output) {
  char** list = vqcfgstr_splitalloc(text);
  unsigned flags = 0;
  testing::internal::CaptureStdout();
  vqcfgstr_btnattr(list, 1, &flags, hotkey);
  *output = testing::internal::GetCapturedStdout();
  for (int i = 1; list[i] != nullptr; ++i) EXPECT_EQ(list[i][0], 0) << text << ": token " << i << " left";
  EXPECT_STRNE(list[0], "");   // the label is no keyword
  vqcfgstr_splitfree(list);
  return flags;
}

TEST(ButtonAttributes, EveryNameSetsItsFlag) {
  const struct { const char* token; unsigned flag; } cases[] = {
      {"arrow", VQBTN_ARROW},            {"bigarrow", VQBTN_BIGARROW},     {"smallarrow", VQBTN_SMALLARROW},
      {"flat", VQBTN_FLAT},              {"skip", VQBTN_NOFOCUS},          {"nofocus", VQBTN_NOFOCUS},
      {"default", VQBTN_DEFAULT},        {"DefaultButton", VQBTN_DEFAULT}, {"mouserepeat", VQBTN_MOUSEREPEAT},
      {"singleborder", VQBTN_THINFRAME}, {"thinborder", VQBTN_THINFRAME},  {"singleframe", VQBTN_THINFRAME},
      {"thin frame", VQBTN_THINFRAME},   {"hyperlink", VQBTN_LINK},        {"hyperlinkstyle", VQBTN_LINK},
      {"hlink", VQBTN_LINK},             {"hlinkstyle", VQBTN_LINK},       {"text", VQBTN_LINK},
      {"no3d", VQBTN_LINK},              {"2d", VQBTN_LINK},               {"switch", VQBTN_SWITCH},
      {"keeppressed", VQBTN_SWITCH},     {"toolbutton", VQBTN_TOOLBUTTON}, {"pressed", VQBTN_PRESSED},
      {"checked", VQBTN_PRESSED},        {"ON", VQBTN_PRESSED},
  };
  for (const auto& c : cases) {
    int hotkey = 0;
    std::string output;
    EXPECT_EQ(attributes((std::string("OK,") + c.token).c_str(), &hotkey, &output), c.flag) << c.token;
  }
  // Whole tokens only: none of these is an attribute.
  char** list = vqcfgstr_splitalloc("OK,arrows,flatter,onx,switched");
  unsigned flags = 0;
  vqcfgstr_btnattr(list, 1, &flags, nullptr);
  EXPECT_EQ(flags, 0u);
  vqcfgstr_splitfree(list);
}

const char kRefused[] = "complex hotkey not fully supported yet ! (vqcfgstr_btnattr) \"";

TEST(ButtonHotkeys, Values) {
  const struct { const char* value; int code; } cases[] = {
      {"a", 'a'},   {"S", 'S'},       {"7", '7'},     {"\xE4", 0xE4},
      {"space", VQKEY_SPACE},  {"SPACE", VQKEY_SPACE},  {"return", VQKEY_ENTER}, {"Return", VQKEY_ENTER},
      {"f1", VQKEY_F1},        {"F10", VQKEY_F10},      {"F12", VQKEY_F12},
      {"f13", 0},   {"f0", 0},        {"f01", 0},     {"f1x", 0},     {"ctrl+s", 0}, {"enter", 0}, {"", 0},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(vqbutton_hotkeycode(c.value), c.code) << c.value;
    const std::string message = c.code != 0 ? "" : std::string(kRefused) + c.value + "\"\n";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), message) << c.value;
  }
}

TEST(ButtonHotkeys, FromTheOptionText) {
  const struct { const char* text; int hotkey; const char* value; } cases[] = {
      {"OK,hotkey=o", 'o', nullptr},
      {"OK,HotKey = F 2", VQKEY_F2, nullptr},   // blanks are removed before the value is read
      {"OK,hotkey=x,hotkey=ctrl+y", 'x', "ctrl+y"},
  };
  for (const auto& c : cases) {
    int hotkey = 0;
    std::string output;
    attributes(c.text, &hotkey, &output);
    EXPECT_EQ(hotkey, c.hotkey) << c.text;
    EXPECT_EQ(output, c.value ? std::string(kRefused) + c.value + "\"\n" : "") << c.text;
  }
}

}  // namespace
