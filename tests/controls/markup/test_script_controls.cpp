// Controls made by markup tags: where they are placed, the control table
// and its names, queries by name, the small controls, and a markup laid out
// again.
#include "script_internal.h"
#include "script_test_util.h"
#include "vqcontrols.h"
#include "vqkeys.h"
#include "vqminor.h"
#include "vqterminal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using ScriptControls = ScriptTest;

template <typename T>
T* control(const vqGUIScript& v, const char* name) {
  return static_cast<T*>(vqscript_findcontrol(&v, name));
}

TEST_F(ScriptControls, ControlsStandAtThePositionAndTheLineGoesOnBehindThem) {
  vqscript_setmarkup(&view, "AB <button=b,OK> C<updowncontrol=u,min=1,max=9,xs=30>D\n<terminal=t,xs=100,lines=2>E");
  const int blank = width("Arial16", " ");
  vqButton* b = control<vqButton>(view, "b");
  vqUpDownControl* u = control<vqUpDownControl>(view, "u");
  vqTerminal* t = control<vqTerminal>(view, "t");
  ASSERT_TRUE(b && u && t);
  EXPECT_EQ(b->x, 10 + width("Arial16", "AB "));
  EXPECT_EQ(b->y, 10 - 2);
  EXPECT_EQ(word("C").x, b->x + b->width + blank);
  EXPECT_EQ(u->x, word("C").x + width("Arial16", "C"));
  EXPECT_EQ(u->y, 10 - 4);
  EXPECT_EQ(word("D").x, u->x + u->width);
  EXPECT_EQ(t->x, 10);
  EXPECT_EQ(t->y, 26 - 2);
  EXPECT_EQ(word("E").x, 10);
  EXPECT_EQ(word("E").y, t->y + t->height + 5);
  EXPECT_EQ(b->font, font("Arial16")) << "the markup's font is the controls' default";
  EXPECT_EQ(t->font, font("Arial16"));
}

TEST_F(ScriptControls, PositionRulesOwnXYOffsetAndFonts) {
  vqscript_setmarkup(&view,
                     "<button=a,OK,x=200><button=b,OK,yoffs=5><updowncontrol=u,x=50,xs=30><font=Arial20>"
                     "<button=c,OK><button=d,OK,font=9x15><terminal=t,font=12x24,lines=1>");
  EXPECT_EQ(control<vqButton>(view, "a")->x, 200);
  EXPECT_EQ(control<vqButton>(view, "a")->y, 8);
  EXPECT_EQ(control<vqButton>(view, "b")->y, 13);
  EXPECT_EQ(control<vqUpDownControl>(view, "u")->x, 50);
  EXPECT_EQ(control<vqButton>(view, "c")->font, font("Arial20"));
  EXPECT_EQ(control<vqButton>(view, "d")->font, vqfont_find_name("9x15"));
  EXPECT_EQ(control<vqTerminal>(view, "t")->font, vqfont_find_name("12x24"));
}

TEST_F(ScriptControls, LayingOutAgainDestroysTheFirstControls) {
  vqscript_setmarkup(&view, "<button=first,Eins><terminal=t,xs=80,lines=1><lineinput=i><save=p>");
  ASSERT_NE(vqscript_findcontrol(&view, "first"), nullptr);
  EXPECT_EQ(regions(), 3);
  vqscript_setmarkup(&view, "<button=second,Zwei>");
  EXPECT_EQ(vqscript_findcontrol(&view, "first"), nullptr);
  EXPECT_EQ(vqscript_findcontrol(&view, "t"), nullptr);
  EXPECT_EQ(vqscript_findrecord(&view, "p"), nullptr) << "named points go too";
  EXPECT_NE(vqscript_findcontrol(&view, "second"), nullptr);
  EXPECT_EQ(regions(), 1);
}

TEST_F(ScriptControls, TheTableGrowsByHundredBeforeItRunsFull) {
  std::string markup;
  for (int i = 0; i < 150; i++) markup += "<save=p" + std::to_string(i) + "><yinc=1>";
  vqscript_setmarkup(&view, "%s", markup.c_str());
  EXPECT_EQ(view.control_capacity, 200);
  for (int i = 0; i < 150; i++) {
    std::string name = "p";
    name += std::to_string(i);
    EXPECT_EQ(vqscript_value(&view, name.c_str()), 10 + i) << name;
  }
}

TEST_F(ScriptControls, NamesAndTypesLongerThanTheirFieldsAreCut) {
  const std::string name(60, 'n');
  vqscript_setmarkup(&view, "<button=%s,OK><save=%sy>", name.c_str(), name.c_str());
  const vqscript_record* r = vqscript_findrecord(&view, name.c_str());
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(strlen(r->name), VQSCRIPT_NAMESIZE - 1u);
  EXPECT_STREQ(r->type, "button");
  const vqButton* b = static_cast<const vqButton*>(r->control);
  EXPECT_TRUE(vqscript_is(&view, vqbutton_event(b), name.c_str()));
  EXPECT_TRUE(vqscript_is(&view, vqbutton_event(b), name.substr(0, VQSCRIPT_NAMESIZE - 1).c_str()));
  const vqscript_record* t = vqscript_newrecord(&view, "n", "a_type_much_longer_than_its_field");
  EXPECT_EQ(strlen(t->type), VQSCRIPT_TYPESIZE - 1u);
}

TEST_F(ScriptControls, UnterminatedTagsEndTheMarkupSafely) {
  EXPECT_EQ(vqscript_setmarkup(&view, "Text <b"), 10);
  EXPECT_EQ(view.font, view.bold_font);
  vqscript_setmarkup(&view, "<updowncontrol=u,min=1,max=5");
  EXPECT_EQ(vqscript_value(&view, "u"), 1);
  vqscript_setmarkup(&view, "A<");
  EXPECT_EQ(all_words(), "A");
  vqscript_setmarkup(&view, "<terminal=");
  EXPECT_NE(vqscript_findrecord(&view, ""), nullptr) << "an unnamed terminal is made";
}

TEST_F(ScriptControls, QueriesOfNamesThatAreNotThere) {
  vqscript_setmarkup(&view, "<button=b,OK><save=p>");
  EXPECT_EQ(vqscript_value(&view, "nosuch"), 0);
  EXPECT_FALSE(vqscript_is(&view, vqbutton_event(control<vqButton>(view, "b")), "nosuch"));
  EXPECT_FALSE(vqscript_is(&view, 12345, "b"));
  EXPECT_FALSE(vqscript_printf(&view, "nosuch", "x"));
  EXPECT_FALSE(vqscript_printf(&view, "b", "x")) << "a button takes no text";
  EXPECT_EQ(vqscript_findcontrol(&view, "p"), nullptr) << "a named point is no control";
}

TEST_F(ScriptControls, PrintfWritesIntoTerminalsAndEditors) {
  vqscript_setmarkup(&view, "<terminal=t,xs=200,lines=2><editor=e,xs=200,ys=60><rtfeditor=r,xs=100,ys=40>");
  EXPECT_TRUE(vqscript_printf(&view, "t", "100%% %s %d", "sicher", 7));
  EXPECT_TRUE(vqscript_printf(&view, "e", "Zeile %d\n", 1));
  EXPECT_TRUE(vqscript_printf(&view, "e", "50% weiter"));
  EXPECT_TRUE(vqscript_printf(&view, "r", "reich"));
  const vqTerminal* t = control<vqTerminal>(view, "t");
  std::string row;
  for (int c = 0; c < 13; c++) row += static_cast<char>(vqtermcells_at(&t->cells, c, 0)->ch);
  EXPECT_EQ(row, "100% sicher 7");
  EXPECT_EQ(control<vqEditor>(view, "e")->text, "Zeile 1\n50% weiter");
  EXPECT_EQ(control<vqEditor>(view, "r")->text, "reich");
}

// ---- the small controls --------------------------------------------------------------

const vqminor_box* box_of(const vqscript_record* r) {
  std::string type = r->type;
  if (type == "link") return &static_cast<vqLink*>(r->control)->box;
  if (type == "checkbox" || type == "switchbutton") return &static_cast<vqToggle*>(r->control)->box;
  if (type == "lineinput") return &static_cast<vqLineInput*>(r->control)->box;
  if (type == "listbox" || type == "combobox" || type == "tabbar") return &static_cast<vqChoice*>(r->control)->box;
  if (type == "slide" || type == "progressbar") return &static_cast<vqRange*>(r->control)->box;
  if (type == "editor" || type == "rtfeditor") return &static_cast<vqEditor*>(r->control)->box;
  return nullptr;
}

struct small_case {
  const char* tag;        // keyword=name,options
  const char* name;
  int value;              // vqscript_value after creation
  int click_x, click_y;   // where a click acts on it (relative), or -1
  int value_after_click;
};

class SmallControls : public ScriptTest, public ::testing::WithParamInterface<small_case> {
  void SetUp() override { ScriptTest::SetUp(); }
  void TearDown() override { ScriptTest::TearDown(); }
};

TEST_P(SmallControls, MadeFromTheirTagWithValueEdgesAndEvents) {
  const small_case& c = GetParam();
  vqscript_setmarkup(&view, "A<%s>Z", c.tag);
  const vqscript_record* r = vqscript_findrecord(&view, c.name);
  ASSERT_NE(r, nullptr) << c.tag;
  ASSERT_NE(r->control, nullptr) << c.tag;
  EXPECT_EQ(vqscript_value(&view, c.name), c.value) << c.tag;
  const vqminor_box* b = box_of(r);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->x, 10 + width("Arial16", "A")) << c.tag;
  EXPECT_GT(b->width, 0);
  EXPECT_GT(b->height, 0);
  const bool below = std::string(r->type).find("editor") != std::string::npos;
  EXPECT_EQ(word("Z").x, below ? 10 : b->x + b->width) << c.tag;
  if (below) {
    EXPECT_EQ(word("Z").y, b->y + b->height + 5);
  }
  EXPECT_LT(count(b->x, b->y, b->width, b->height, 0xFFFFFF), b->width * b->height) << "draws something";
  if (c.click_x < 0) return;
  controls_codes();
  click(b->x + c.click_x, b->y + c.click_y);
  int matched = 0;
  for (int code : controls_codes()) matched += vqscript_is(&view, code, c.name);
  EXPECT_EQ(matched, 1) << c.tag;
  EXPECT_EQ(vqscript_value(&view, c.name), c.value_after_click) << c.tag;
}

INSTANTIATE_TEST_SUITE_P(
    Markup, SmallControls,
    ::testing::Values(small_case{"link=l,Mehr erfahren", "l", 0, 5, 5, 0},
                      small_case{"checkbox=c,Ja,checked", "c", 1, 5, 5, 0},
                      small_case{"switchbutton=s,An", "s", 0, 5, 5, 1},
                      small_case{"lineinput=i,text=42.9", "i", 42, -1, -1, 0},
                      small_case{"listbox=lb,entries=a;b;c,select=2", "lb", 2, 5, 5, 0},
                      small_case{"combobox=cb,entries=x;y;z,select=2", "cb", 2, 5, 5, 0},
                      small_case{"tabbar=tb,entries=Eins;Zwei,select=1", "tb", 1, 5, 5, 0},
                      small_case{"slide=sl,min=0,max=10,start=7", "sl", 7, 1, 5, 0},
                      small_case{"progressbar=pb,min=0,max=50,start=40", "pb", 40, -1, -1, 0},
                      small_case{"editor=e,xs=100,ys=40", "e", 0, -1, -1, 0},
                      small_case{"rtfeditor=r,xs=100,ys=40", "r", 0, -1, -1, 0}));

TEST_F(ScriptControls, APanelMadeByTheViewTagTakesTheDrawing) {
  vqscript_setmarkup(&view, "<view=v,xs=100,ys=50,bgcolor=ffff00>Z<standardview=v><x=0><y=0>In");
  vqView* p = control<vqView>(view, "v");
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->layout.x, 10);
  EXPECT_EQ(word("Z").x, 110);
  EXPECT_EQ(word("In").x, 0);
  EXPECT_LT(count(0, 0, 20, 16, 0xFFFF00), 20 * 16) << "the word is drawn into the panel";
  controls_codes();
  click(30, 30);
  int matched = 0;
  for (int code : controls_codes()) matched += vqscript_is(&view, code, "v");
  EXPECT_GE(matched, 1);

  // The drawing target is now the markup's own panel v: laid out again, the
  // markup goes back to the panel it was laid out on.
  vqscript_setmarkup(&view, "<button=b,OK>");
  const vqButton* b = control<vqButton>(view, "b");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->host.object, &panel);
}

TEST_F(ScriptControls, ALineInputIsEditedAsTyped) {
  vqscript_setmarkup(&view, "<lineinput=in,text=12><lineinput=m,maxlen=3>");
  vqLineInput* in = control<vqLineInput>(view, "in");
  const vqminor_box& b = in->box;
  click(b.x + 2, b.y + b.height / 2);
  EXPECT_TRUE(b.focused);
  EXPECT_EQ(in->cursor, 0);
  key(VQKEY_END);
  type("3");
  key(VQKEY_LEFT);
  key(VQCHAR_BACKSPACE);
  EXPECT_STREQ(in->text, "13");
  key(VQKEY_HOME);
  key(VQKEY_DELETE);
  type("4");
  key(VQKEY_RIGHT);
  type("5");
  EXPECT_STREQ(in->text, "435");
  EXPECT_EQ(vqscript_value(&view, "in"), 435);
  controls_codes();
  key(VQKEY_ENTER);
  int matched = 0;
  for (int code : controls_codes()) matched += vqscript_is(&view, code, "in");
  EXPECT_EQ(matched, 1) << "Enter posts the input's code";

  vqLineInput* m = control<vqLineInput>(view, "m");
  click(m->box.x + 5, m->box.y + 5);
  type("12345");
  EXPECT_STREQ(m->text, "123");
  EXPECT_STREQ(in->text, "435") << "keys go to the focused input only";
}

TEST_F(ScriptControls, TablesLayOutTheirWordsInCells) {
  vqscript_setmarkup(&view, "<table=tab>Name | Wert<br>Level | 12\n</table>Z");
  const vqTable* t = control<vqTable>(view, "tab");
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->cells.size(), 2u);
  EXPECT_EQ(t->cells[1][1], "12");
  EXPECT_EQ(t->column_widths[0], std::max(width("Arial16", "Name"), width("Arial16", "Level")) + 8);
  EXPECT_EQ(word("Z").y, t->box.y + t->box.height + 5);
  EXPECT_EQ(word("Name").x, -1) << "the words went into the table";
  EXPECT_GT(count(t->box.x, t->box.y, t->box.width, t->box.height, 0x808080), 0) << "grid";
}

TEST_F(ScriptControls, APanelDestroyedFirstLeavesNothingBehind) {
  vqView* inner = new vqView;
  ASSERT_TRUE(vqgraphic_create(inner, "x=0,y=0,xs=300,ys=150,bgcolor=white"));
  vqscript_setmarkup(&view, "<button=b,OK><updowncontrol=u><lineinput=i><terminal=t,xs=50,lines=1>"
                            "<listbox=l,entries=a><view=v,xs=20,ys=20>");
  EXPECT_EQ(inner->inner_view, &view);
  delete inner;
  vqscript_destroy(&view);
  EXPECT_EQ(view.built, 0);
}

}  // namespace
