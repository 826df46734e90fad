// What the controls look like: a row of up-down controls and buttons in
// their states, checked at the pixels that tell the states apart, and saved
// as controls_look.png in the build folder for a person to look at.
#include "controls_test_util.h"

#include "vqimagefile.h"

namespace {

TEST_F(ControlsTest, ARowOfControlsInTheirStates) {
  vqfont_register_markup_fonts();
  const int arial = vqfont_get("Arial16");
  vqcontrol_setdefaultfont(arial);
  vqUpDownControl ud[6];
  vqButton bt[10];
  const char* updowns[] = {"x=10,min=1,max=12,start=12,xs=35", "x=55,min=1,max=3,start=1,xs=30",
                           "x=95,min=1,max=24,start=12,xs=40", "x=145,decimal=2,start=150",
                           "x=230,start=42,greyed",            "x=310,start=1234,password,xs=80"};
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(vqupdown_create(&ud[i], "y=10,%s", updowns[i]));
  const char* buttons[] = {"Aufgabenauswahl?,x=10,y=50,xs=130", "START,x=150,y=50,xs=70",
                           "ENDE,x=230,y=50,xs=70",             "grau,x=310,y=50,greyed",
                           "Flach,x=10,y=90,flat",              "D\xFCnn,x=80,y=90,thinframe",
                           "Verweis,x=150,y=90,hyperlink",      "up,x=230,y=90,arrow,xs=24",
                           "Dunkel,x=270,y=90,bgcolor=000080",  "OK,x=350,y=90,default,switch,pressed"};
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(vqbutton_create(&bt[i], "%s", buttons[i]));
  press(180, 60);                  // START held
  move(160, 100);                  // the mouse on the link
  click(170, 20);                  // editing ud[3]
  vqButton::command(&bt[2], VQCMD_FOCUSIN, 0, 0, 0, 0, 0, 0, 0, 0);   // ENDE focused, as Tab would
  press(38, 14);                   // ud[0]'s up arrow held
  vqcontrol_setdefaultfont(-1);

  const uint32_t white = 0xFFFFFF, black = 0x000000, light = 0xE0E0E0, dark = 0x808080;
  // The fields' sunken frame and white ground; light ground when greyed.
  EXPECT_EQ(at(10, 10), dark);
  EXPECT_EQ(at(11, 11), black);
  EXPECT_EQ(at(58, 14), white);
  EXPECT_EQ(at(233, 14), light);
  // ud[0]'s arrow column starts at 10 + 35 - 13 + 1 - 2 = 31: the held up
  // box sunken, the down box (10 lower) raised.
  EXPECT_EQ(at(31, 12), dark);
  EXPECT_EQ(at(31, 22), light);
  // ud[2]'s "12" (16 wide) ends 2 left of its arrow column at 121.
  EXPECT_GT(count(103, 14, 16, 16, black), 20);
  EXPECT_EQ(count(97, 14, 6, 16, black) + count(119, 14, 2, 16, black), 0);
  // Four stars in the password field.
  const uint8_t* glyph = nullptr;
  int gw = 0, gh = 0, star = 0;
  ASSERT_TRUE(vqfont_glyph(arial, '*', &glyph, &gw, &gh));
  for (int i = 0; i < gw * gh; ++i) star += glyph[i] != 0;
  EXPECT_EQ(count(312, 12, 64, 20, black), 4 * star);
  // ud[3] (76 wide: "1000.00" is 52) shows the cursor at 177, where "1.50"
  // begins, one font height tall.
  EXPECT_EQ(count(177, 12, 1, 20, black), 16);
  // Raised and sunken buttons, ENDE's dotted focus mark, the dark button's
  // white label and the link's underline in the highlight colour.
  EXPECT_EQ(at(10, 50), light);
  EXPECT_EQ(at(139, 73), black);
  EXPECT_EQ(at(150, 50), black);
  EXPECT_EQ(at(219, 73), light);
  EXPECT_EQ(at(233, 53), black);
  EXPECT_EQ(at(234, 53), 0xD0D0D0u);
  EXPECT_GT(count(272, 92, 76, 20, white), 20);
  EXPECT_GT(count(150, 105, 60, 1, 0x0000FF), 40);
  EXPECT_TRUE(vqpxmap_savetofile(&panel.pixmap, "%s/controls_look.png", VQ_BINARY_DIR));
  release(38, 14);
}

}  // namespace
