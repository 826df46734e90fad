// What the controls look like: a row of up-down controls and buttons in
// their states, checked at the pixels that tell the states apart, and saved
// as a picture (controls_look.png in the build folder) for a person to see.
#include "controls_test_util.h"

#include "vqimagefile.h"

namespace {

struct ControlsLook : ControlsTest {
  vqUpDownControl ud[6];
  vqButton bt[10];
  int arial = -1;
  void SetUp() override {
    ControlsTest::SetUp();
    vqfont_register_markup_fonts();
    arial = vqfont_get("Arial16");
    vqcontrol_setdefaultfont(arial);
  }
  void TearDown() override {
    vqcontrol_setdefaultfont(-1);
    ControlsTest::TearDown();
  }
};

TEST_F(ControlsLook, ARowOfControls) {
  ASSERT_TRUE(vqupdown_create(&ud[0], "x=10,y=10,min=1,max=12,start=12,xs=35"));
  ASSERT_TRUE(vqupdown_create(&ud[1], "x=55,y=10,min=1,max=3,start=1,xs=30"));
  ASSERT_TRUE(vqupdown_create(&ud[2], "x=95,y=10,min=1,max= 24,start=12,xs=40"));
  ASSERT_TRUE(vqupdown_create(&ud[3], "x=145,y=10,decimal=2,start=150"));
  ASSERT_TRUE(vqupdown_create(&ud[4], "x=230,y=10,start=42,greyed"));
  ASSERT_TRUE(vqupdown_create(&ud[5], "x=310,y=10,start=1234,password,xs=80"));
  ASSERT_TRUE(vqbutton_create(&bt[0], "Aufgabenauswahl?,x=10,y=50,xs=130"));
  ASSERT_TRUE(vqbutton_create(&bt[1], "START,x=150,y=50,xs=70"));
  ASSERT_TRUE(vqbutton_create(&bt[2], "ENDE,x=230,y=50,xs=70"));
  ASSERT_TRUE(vqbutton_create(&bt[3], "grau,x=310,y=50,greyed"));
  ASSERT_TRUE(vqbutton_create(&bt[4], "Flach,x=10,y=90,flat"));
  ASSERT_TRUE(vqbutton_create(&bt[5], "D\xFCnn,x=80,y=90,thinframe"));
  ASSERT_TRUE(vqbutton_create(&bt[6], "Verweis,x=150,y=90,hyperlink"));
  ASSERT_TRUE(vqbutton_create(&bt[7], "up,x=230,y=90,arrow,xs=24"));
  ASSERT_TRUE(vqbutton_create(&bt[8], "Dunkel,x=270,y=90,bgcolor=000080"));
  ASSERT_TRUE(vqbutton_create(&bt[9], "OK,x=350,y=90,default,switch,pressed"));
  // States: an arrow held, a field being edited, a button pressed, one
  // with the mouse on it and the keyboard focus.
  press(180, 60);                  // START held
  move(40, 100);                   // over "Flach", then over the link
  move(160, 100);
  click(170, 20);                  // edit ud[3]
  vqButton::command(&bt[2], 2018, 0, 0, 0, 0, 0, 0, 0, 0);   // ENDE as Tab would focus it
  press(38, 14);                   // ud[0]'s up arrow
  const uint32_t white = 0xFFFFFF, black = 0x000000, light = 0xE0E0E0, dark = 0x808080;
  // The field's sunken frame, its white ground, the light ground when greyed.
  EXPECT_EQ(at(10, 10), dark);
  EXPECT_EQ(at(11, 11), black);
  EXPECT_EQ(at(58, 14), white);
  EXPECT_EQ(at(233, 14), light);
  // ud[0]'s arrow column starts at 10 + 35 - 13 + 1 - 2 = 31; its held up
  // box is sunken, the down box (10 lower) raised.
  EXPECT_EQ(at(31, 12), dark);
  EXPECT_EQ(at(31, 22), light);
  EXPECT_EQ(at(43, 33), white);   // the outer frame's right and bottom
  // ud[2]'s "12" (16 wide) ends 2 left of its column at 121.
  EXPECT_GT(count(103, 14, 16, 16, black), 20);
  EXPECT_EQ(count(97, 14, 6, 16, black), 0);
  EXPECT_EQ(count(119, 14, 2, 16, black), 0);
  // The password field shows four stars.
  const uint8_t* glyph = nullptr;
  int gw = 0, gh = 0;
  ASSERT_TRUE(vqfont_glyph(arial, '*', &glyph, &gw, &gh));
  int star = 0;
  for (int i = 0; i < gw * gh; ++i) star += glyph[i] != 0;
  EXPECT_EQ(count(312, 12, 64, 20, black), 4 * star);
  // ud[3] (76 wide: "1000.00" is 52) is edited with the cursor at 177,
  // where "1.50" begins: one font height.
  EXPECT_EQ(count(177, 12, 1, 20, black), 16);
  // Raised and sunken buttons.
  EXPECT_EQ(at(10, 50), light);
  EXPECT_EQ(at(139, 73), black);
  EXPECT_EQ(at(150, 50), black);
  EXPECT_EQ(at(219, 73), light);
  // ENDE's dotted focus mark.
  EXPECT_EQ(at(233, 53), black);
  EXPECT_EQ(at(234, 53), 0xD0D0D0u);
  // The dark button's white label and the hovered link's underline.
  EXPECT_GT(count(272, 92, 76, 20, white), 20);
  EXPECT_GT(count(150, 105, 60, 1, 0x0000FF), 40);
  const std::string file = std::string(VQ_BINARY_DIR) + "/controls_look.png";
  EXPECT_TRUE(vqpxmap_savetofile(&panel.pixmap, "%s", file.c_str()));
  release(38, 14);
}

}  // namespace
