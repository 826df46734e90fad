// The drawing target, the drawing functions' argument layout, and the
// container registry.
#include "view_test_util.h"

#include <cstring>
#include <functional>
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

TEST(Target, DrawingFunctionsSendTheirCommandAndArguments) {
  Recorder r;
  vqtarget_set(Recorder::handler, &r);
  struct Case {
    std::function<void()> call;
    int command;
    std::vector<int> ints;   // leading integer arguments
    int text_at;             // -1: no text argument
    const char* text;
  };
  const Case cases[] = {
      {[] { vqpoint(1, 2, 0xFF); }, 1001, {1, 2, 0xFF}, -1, nullptr},
      {[] { vqgetpixel(3, 4); }, 1026, {3, 4}, -1, nullptr},
      {[] { vqline(1, 2, 3, 4, 5); }, 1009, {1, 2, 3, 4, 5}, -1, nullptr},
      {[] { vqfillrect(1, 2, 3, 4, 5); }, 1006, {1, 2, 3, 4, 5}, -1, nullptr},
      {[] { vqsetfont(-2); }, 1027, {-2}, -1, nullptr},
      {[] { vqsetfontname("6x13"); }, 1029, {}, 0, "6x13"},
      {[] { vqtext(7, 8, 9, "hallo"); }, 1019, {7, 8, 9}, 3, "hallo"},
      {[] { vqprintf(7, 8, 9, "%d-%s", 12, "x"); }, 1019, {7, 8, 9}, 3, "12-x"},
      {[] { vqchar(1, 2, 3, 'A'); }, 1048, {1, 2, 3, 'A'}, -1, nullptr},
      {[] { vqclear(0xABCDEF); }, 1018, {0xABCDEF}, -1, nullptr},
      {[] { vqpicturef("bild_%d.bmp", 3); }, 1023, {0, 0}, 2, "bild_3.bmp"},
      {[] { vqgraphicf(2, "xs=%d", 20); }, 1024, {0, 0, 2}, 3, "xs=20"},
      {[] { vqtextwidth("abc"); }, 1036, {}, 0, "abc"},
      {[] { vqfontheight(); }, 1037, {}, -1, nullptr},
      {[] { vqrefresh(); }, 1017, {}, -1, nullptr},
      {[] { vqtargetwidth(); }, 1043, {}, -1, nullptr},
      {[] { vqtargetheight(); }, 1044, {}, -1, nullptr},
  };
  for (const Case& c : cases) {
    c.call();
    EXPECT_EQ(r.command, c.command);
    for (size_t i = 0; i < c.ints.size(); i++) EXPECT_EQ(r.args[i], c.ints[i]) << c.command;
    if (c.text) {
      EXPECT_EQ(r.text(c.text_at), c.text) << c.command;
    }
  }
  vqtarget_clear(Recorder::handler, &r);
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
