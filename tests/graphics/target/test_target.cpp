// The drawing target and the container registry.
#include "view_test_util.h"
#include "vqpicture.h"

#include <cstring>
#include <string>

namespace {

struct Recorder {
  int command = 0;
  int args[8] = {};
  int calls = 0;
  static int handler(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6,
                     int a7, int a8) {
    Recorder* r = static_cast<Recorder*>(object);
    r->command = command;
    int a[8] = {a1, a2, a3, a4, a5, a6, a7, a8};
    std::memcpy(r->args, a, sizeof a);
    r->calls++;
    return 77;
  }
  std::string text(int at) const { return vqptr_join<const char>(args[at], args[at + 1]); }
};

TEST(Target, WithoutTargetEveryDrawingFunctionDoesNothingAndReturnsZero) {
  Recorder r;
  vqtarget_set(Recorder::handler, &r);
  vqtarget_clear(Recorder::handler, &r);
  EXPECT_EQ(vqtarget_handler(), nullptr);
  EXPECT_EQ(vqpoint(1, 2, 3), 0);
  EXPECT_EQ(vqgetpixel(1, 2), 0);
  EXPECT_EQ(vqprintf(0, 0, 0, "%d", 5), 0);
  EXPECT_EQ(vqpicturef("%s", "a.bmp"), 0);
  EXPECT_EQ(vqtextwidth("abc"), 0);
  EXPECT_EQ(vqtargetpixmap(), nullptr);
  EXPECT_EQ(vqtargetobject(), nullptr);
  EXPECT_EQ(r.calls, 0);
}

TEST(Target, ClearWithAnotherPairKeepsTheTargetAndSaveRestoresOneLevel) {
  Recorder a, b;
  vqtarget_set(Recorder::handler, &a);
  vqtarget_clear(Recorder::handler, &b);
  vqtarget_clear(TestHost::handler, &a);
  EXPECT_EQ(vqtarget_current(), &a);
  vqtarget_save();
  vqtarget_set(Recorder::handler, &b);
  vqtarget_save();   // one slot: the second save replaces the first
  vqtarget_set(Recorder::handler, &a);
  vqtarget_restore();
  EXPECT_EQ(vqtarget_current(), &b);
  EXPECT_EQ(vqpoint(4, 5, 6), 77);
  EXPECT_EQ(b.calls, 1);
  vqtarget_clear(Recorder::handler, &b);
}

TEST(Target, PrintfFormatsTextsLongerThanAnOptionString) {
  Recorder r;
  vqtarget_set(Recorder::handler, &r);
  std::string long_text(20000, 'x');
  vqprintf(0, 0, 0, "%s!", long_text.c_str());
  EXPECT_EQ(r.text(3).size(), 20001u);
  vqtarget_clear(Recorder::handler, &r);
}

TEST(Containers, SameObjectKeepsItsEntryAndTheHundredthWrapsToEntryZero) {
  static int objects[100];
  vqpxmap pm;
  vqpxmap_init(&pm);
  int first = vqcontainer_register(&pm, Recorder::handler, &objects[0], 1, false);
  ASSERT_EQ(first, 0) << "another test left a container behind";
  EXPECT_EQ(vqcontainer_register(&pm, Recorder::handler, &objects[0], 2, false), 0);
  EXPECT_EQ(vqcontainer_current()->background, 2u);
  for (int i = 1; i < 99; i++)
    EXPECT_EQ(vqcontainer_register(&pm, Recorder::handler, &objects[i], 0, false), i);
  EXPECT_EQ(vqcontainer_register(&pm, Recorder::handler, &objects[99], 0, false), 0);
  EXPECT_EQ(vqcontainer_find(&objects[0]), nullptr);
  EXPECT_EQ(vqcontainer_current()->object, &objects[99]);
  for (int i = 1; i < 100; i++) vqcontainer_remove(&objects[i]);
  EXPECT_EQ(vqcontainer_current(), nullptr);
}

TEST(Containers, RemovingTheCurrentFallsBackBelowButNeverToEntryZero) {
  int a, b, c, d;
  vqpxmap pm;
  vqpxmap_init(&pm);
  ASSERT_EQ(vqcontainer_register(&pm, Recorder::handler, &a, 0, false), 0);
  vqcontainer_register(&pm, Recorder::handler, &b, 0, false);   // 1
  vqcontainer_register(&pm, Recorder::handler, &c, 0, false);   // 2
  vqcontainer_register(&pm, Recorder::handler, &d, 0, false);   // 3
  vqcontainer_remove(&c);
  vqcontainer_remove(&d);   // current: nearest used below 3 is 1
  ASSERT_NE(vqcontainer_current(), nullptr);
  EXPECT_EQ(vqcontainer_current()->object, &b);
  vqcontainer_save();
  vqcontainer_remove(&b);   // only entry 0 is left below
  EXPECT_EQ(vqcontainer_current(), nullptr);
  vqcontainer_restore();    // the saved entry is gone: nothing to restore
  EXPECT_EQ(vqcontainer_current(), nullptr);
  vqcontainer_remove(&a);
}

}  // namespace

// Every printf-style function formats by the same rule: a percent sign that
// stands before a character below '0' (the end of the text included) or
// before '>' is kept as a literal percent sign.
struct percent_case {
  const char* format;
  int value;
  const char* text;
};
const percent_case percent_cases[] = {
    {"50% done %d", 7, "50% done 7"},
    {"%d%", 80, "80%"},
    {"x=50%,y=%d%>", 3, "x=50%,y=3%>"},
    {"%d%% sure", 100, "100% sure"},
    {"%4i", 5, "   5"},
};

TEST(Target, PrintfStyleFunctionsKeepAPercentBeforeALowCharacterOrGreaterThan) {
  Recorder r;
  vqtarget_set(Recorder::handler, &r);
  for (const percent_case& c : percent_cases) {
    const char* format = c.format;   // not a literal: the rule is wider than printf's
    vqprintf(1, 2, 3, format, c.value);
    EXPECT_EQ(r.command, VQCMD_TEXT);
    EXPECT_EQ(r.text(3), c.text) << "vqprintf " << c.format;
    vqpicturef(format, c.value);
    EXPECT_EQ(r.command, VQCMD_PICTURE);
    EXPECT_EQ(r.text(2), c.text) << "vqpicturef " << c.format;
    vqgraphicf(9, format, c.value);
    EXPECT_EQ(r.command, VQCMD_GRAPHIC);
    EXPECT_EQ(r.text(3), c.text) << "vqgraphicf " << c.format;
    vqpicture reader;
    const std::string file = std::string("/nonexistent/") + c.format;
    EXPECT_FALSE(vqpicture_open(&reader, file.c_str(), c.value));
    EXPECT_EQ(std::string(reader.filename), std::string("/nonexistent/") + c.text) << "vqpicture_open " << c.format;
  }
  vqtarget_clear(Recorder::handler, &r);
}
