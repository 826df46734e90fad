// The game's control row: its markup line laid out in the main window the
// game opens (1305 x 915, background e0e0e0), compared with its golden
// image, and used as the player uses it.
#include "golden_test_util.h"
#include "vqcontrols.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqheadless.h"
#include "vqplatform.h"
#include "vqscript.h"
#include "vqterminal.h"
#include "vqwindow.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

const char* const kGameRow =
    " Level: <updowncontrol=udStufe,min=1,max=12,start=1,xs=35> Stufe: "
    "<updowncontrol=udSchwierigkeit,min=1,max=3,start=1,xs=30> Anzahl Aufgaben: "
    "<updowncontrol=udAnzahlAufgaben,min=1,max= 24,start=12,xs=40>  <button=btEdit,Aufgabenauswahl?,xs=130>   "
    "<button=btStart,START,xs=70> <button=btEnde,ENDE,xs=70> <save=y1>\n\n\n <x=10>"
    "<terminal=term,xs=927,lines=5,scrollback=1000,font=12x24><restore=y1>\n\n\n\n\n\n\n\n<x=950>"
    "<terminal=term1,xs=195,lines=2,scrollback=1000,font=12x24> ";

// Every code the program would see next, the pumps run as vqwaitevent runs them.
std::vector<int> pumped_codes() {
  std::vector<int> codes;
  for (int code; (code = vqpollevent()) != 0;) codes.push_back(code);
  return codes;
}

class GameRow : public testing::Test {
 protected:
  vqWindow window;
  vqGUIScript view;

  void SetUp() override {
    setenv("VQ_PLATFORM", "headless", 0);
    ASSERT_TRUE(vqplatform_start());
    vqfont_register_builtins();
    vqcontrol_setdefaultfont(-1);
    vqheadless_set_screen_size(1920, 1080);
    ASSERT_TRUE(vqwindow_open(&window, "QUORILA screen %dx%d;,x=50%,y=50%,xs=1305,ys=915,bgcolor=e0e0e0",
                              1920, 1080));
    ASSERT_TRUE(vqscript_create(&view));
    vqscript_setmarkup(&view, kGameRow);
    pumped_codes();   // the program has started: the window shows what was drawn
  }
  void TearDown() override {
    vqscript_destroy(&view);
    vqwindow_close(&window);
    pumped_codes();
  }

  int handle() const { return window.platform.handle; }
  // Window coordinates of a point of the main panel's pixmap.
  int wx(int x) const { return window.panels[0].layout.x + x; }
  int wy(int y) const { return window.panels[0].layout.y + y; }
  template <typename T>
  T* control(const char* name) {
    T* c = static_cast<T*>(vqscript_findcontrol(&view, name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  void click(int x, int y) { vqheadless_click(handle(), wx(x), wy(y)); }
  // The names among the row's controls that the codes came from.
  std::vector<std::string> senders(const std::vector<int>& codes) {
    std::vector<std::string> names;
    for (int code : codes)
      for (const char* name : {"udStufe", "udSchwierigkeit", "udAnzahlAufgaben", "btEdit", "btStart", "btEnde",
                               "term", "term1"})
        if (vqscript_is(&view, code, name)) names.push_back(name);
    return names;
  }
};

TEST_F(GameRow, LooksAsItsGoldenImage) {
  const std::vector<uint32_t>* screen = vqheadless_screen(handle());
  ASSERT_NE(screen, nullptr);
  ASSERT_EQ(screen->size(), 1305u * 915u);
  EXPECT_TRUE(golden_compare("controls", "game_row", screen->data(), 1305, 915));
}

TEST_F(GameRow, EveryNamedControlIsFound) {
  for (const char* name : {"udStufe", "udSchwierigkeit", "udAnzahlAufgaben", "btEdit", "btStart", "btEnde",
                           "term", "term1", "y1"})
    EXPECT_NE(vqscript_findrecord(&view, name), nullptr) << name;
  EXPECT_EQ(vqscript_value(&view, "y1"), 10);
  // The row fits left of the progress panel the game puts at x = 630.
  EXPECT_LE(vqbutton_right(control<vqButton>("btEnde")), 630);
  EXPECT_EQ(control<vqTerminal>("term")->x, 10);
  EXPECT_EQ(control<vqTerminal>("term1")->x, 950);
}

TEST_F(GameRow, TheUpDownControlsStartAndClampAsTheQuizNeeds) {
  struct {
    const char* name;
    int start, max;
  } rows[] = {{"udStufe", 1, 12}, {"udSchwierigkeit", 1, 3}, {"udAnzahlAufgaben", 12, 24}};
  for (const auto& r : rows) {
    EXPECT_EQ(vqscript_value(&view, r.name), r.start) << r.name;
    const vqUpDownControl* u = control<vqUpDownControl>(r.name);
    const int arrow_x = u->x + u->width - 4;
    for (int i = 0; i < 30; i++) click(arrow_x, u->y + 4);
    pumped_codes();
    EXPECT_EQ(vqscript_value(&view, r.name), r.max) << r.name << " up";
    for (int i = 0; i < 30; i++) click(arrow_x, u->y + u->height - 4);
    std::vector<std::string> names = senders(pumped_codes());
    EXPECT_EQ(vqscript_value(&view, r.name), 1) << r.name << " down";
    ASSERT_FALSE(names.empty());
    for (const std::string& n : names) EXPECT_EQ(n, r.name);
  }
}

TEST_F(GameRow, EachButtonPostsTheEventOfItsName) {
  for (const char* name : {"btEdit", "btStart", "btEnde"}) {
    const vqButton* b = control<vqButton>(name);
    click(b->x + b->width / 2, b->y + b->height / 2);
    const std::vector<std::string> names = senders(pumped_codes());
    ASSERT_EQ(names.size(), 1u) << name;
    EXPECT_EQ(names[0], name);
  }
}

// The cell at column, row shows the glyph of c in the 12x24 font: ink in the
// terminal's text color, the rest its background.
void expect_glyph(const vqWindow& window, const vqTerminal* t, int column, int row, int c) {
  const uint8_t* bitmap;
  int w, h;
  ASSERT_TRUE(vqfont_glyph(vqfont_find_name("12x24"), c, &bitmap, &w, &h));
  ASSERT_EQ(w, 12);
  ASSERT_EQ(h, 24);
  const int x0 = window.panels[0].layout.x + t->x + 2 + column * 12;
  const int y0 = window.panels[0].layout.y + t->y + 2 + row * 24;
  int wrong = 0;
  for (int y = 0; y < 24; y++)
    for (int x = 0; x < 12; x++) {
      uint32_t want = bitmap[y * 12 + x] ? t->text_color : t->background_color;
      wrong += vqheadless_pixel(window.platform.handle, x0 + x, y0 + y) != want;
    }
  EXPECT_EQ(wrong, 0) << "glyph " << static_cast<char>(c) << " at " << column << ", " << row;
}

TEST_F(GameRow, PrintfShowsTheTextInTheTerminalsIn12x24) {
  ASSERT_TRUE(vqscript_printf(&view, "term", "Testmodus \n  "));
  ASSERT_TRUE(vqscript_printf(&view, "term1", "\nLSG = %d;\nTyp:(%d)", 42, 1203));
  pumped_codes();
  const vqTerminal* term = control<vqTerminal>("term");
  const vqTerminal* term1 = control<vqTerminal>("term1");
  ASSERT_EQ(term->cell_width, 12);
  const char* shown = "Testmodus";
  for (int i = 0; shown[i]; i++) expect_glyph(window, term, i, 0, shown[i]);
  // term1 shows its last two lines.
  const int top = term1->cells.top_line;
  const char* lsg = "LSG = 42;";
  for (int i = 0; lsg[i]; i++) expect_glyph(window, term1, i, 1 - top, lsg[i]);
  const char* typ = "Typ:(1203)";
  for (int i = 0; typ[i] && i < term1->cells.columns; i++) expect_glyph(window, term1, i, 2 - top, typ[i]);
}

}  // namespace
