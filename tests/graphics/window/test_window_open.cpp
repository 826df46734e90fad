// Opening windows: geometry against the screen, frames, bars, the main
// panel and what the option string hands on to it.
#include "test_window_util.h"
#include "vqcolor.h"
#include "vqtarget.h"

#include <string>

namespace {

using WindowOpen = WindowTest;

struct Placement {
  const char* options;
  int x, y, w, h;   // outer top-left and client size
};

TEST_F(WindowOpen, PlacesAndSizesTheClientAreaAgainstTheScreen) {
  const Placement cases[] = {
      {"centred,x=50%,y=50%,xs=400,ys=300", 312, 234, 400, 300},
      {"only a title", 0, 0, 100, 100},
      {"", 0, 0, 100, 100},
      {"wide,x=0,y=0,xs=3000,ys=200", 0, 0, 3000, 200},   // pixels are not limited to the screen
      {"zero,x=10,y=20,xs=0,ys=0", 10, 20, 100, 100},
      {"percent,x=0,y=0,xs=50%,ys=25%", 0, 0, 512, 192},
      {"full,fullscreen,x=10,y=10,xs=50,ys=50", 0, 0, 1024, 768},
      {"kept,fullscreen,setwindowsize,x=10,y=10,xs=50,ys=50", 0, 0, 50, 50},
      {"biggest,maximized,x=30,y=30", 0, 0, 1016, 744},   // 1024 - 2 x 4, 768 - 20 - 4
      {"limited,x=0,y=0,xs=500,ys=400,maxxs=300,maxys=200", 0, 0, 300, 200},
  };
  for (const Placement& c : cases) {
    SCOPED_TRACE(c.options);
    vqWindow window;
    ASSERT_TRUE(vqwindow_open(&window, c.options));
    vqheadless_window_info info = window_info(window);
    EXPECT_EQ(info.x, c.x);
    EXPECT_EQ(info.y, c.y);
    EXPECT_EQ(info.width, c.w);
    EXPECT_EQ(info.height, c.h);
    EXPECT_EQ(window.platform.pixmap.width, c.w);
    EXPECT_EQ(window.platform.pixmap.height, c.h);
  }
}

TEST_F(WindowOpen, WholeStringNumbersAreReadFromTheFormatNotFromItsConversions) {
  vqWindow written, converted;
  ASSERT_TRUE(vqwindow_open(&written, "w,x=0,y=0,xs=500,ys=100,maxxs=300"));
  ASSERT_TRUE(vqwindow_open(&converted, "w,x=0,y=0,xs=500,ys=100,maxxs=%d", 300));
  EXPECT_EQ(written.max_width, 300);
  EXPECT_EQ(window_info(written).width, 300);
  EXPECT_EQ(converted.max_width, 0);
  EXPECT_EQ(window_info(converted).width, 500);
}

struct Frame {
  const char* options;
  unsigned flags;
  int outer_w, outer_h;   // for a client area of 400 x 300; border 4, caption 20
};

TEST_F(WindowOpen, FrameAndOuterSizeFollowTitleAndFrameKeywords) {
  const Frame cases[] = {
      {"t,xs=400,ys=300", VQWIN_TITLE, 406, 326},
      {"t,xs=400,ys=300,resize", VQWIN_TITLE | VQWIN_RESIZABLE, 408, 328},
      {"t,xs=400,ys=300,resize,noresize", VQWIN_TITLE, 406, 326},
      {",xs=400,ys=300,resize", VQWIN_RESIZABLE, 408, 308},
      {",xs=400,ys=300", 0, 400, 300},
      {"t,xs=400,ys=300,popup,resize", VQWIN_POPUP, 400, 300},
      {"t,xs=400,ys=300,notitle", VQWIN_POPUP | VQWIN_TOOL, 400, 300},
      {"t,xs=400,ys=300,modal", VQWIN_TITLE | VQWIN_ONTOP, 406, 326},
      {"t,xs=400,ys=300,invisible", VQWIN_TITLE | VQWIN_HIDDEN, 406, 326},
      {"t,xs=400,ys=300,fullscreen,setwindowsize", VQWIN_FULLSCREEN | VQWIN_POPUP, 400, 300},
  };
  for (const Frame& c : cases) {
    SCOPED_TRACE(c.options);
    vqWindow window;
    ASSERT_TRUE(vqwindow_open(&window, c.options));
    EXPECT_EQ(window_info(window).flags, c.flags);
    EXPECT_EQ(window.platform.outer_w, c.outer_w);
    EXPECT_EQ(window.platform.outer_h, c.outer_h);
  }
}

TEST_F(WindowOpen, TitleKeepsNinetyNineCharacters) {
  std::string title(150, 'q');
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "%s,xs=50,ys=50", title.c_str()));
  EXPECT_EQ(std::string(window.title), title.substr(0, 99));
  EXPECT_EQ(window_info(window).title, title.substr(0, 99));
}

TEST_F(WindowOpen, CountsItselfAndLeavesTheMainPanelAsContainerAndTarget) {
  int before = vqframe_open_windows();
  {
    vqWindow window;
    ASSERT_TRUE(vqwindow_open(&window, "c,xs=200,ys=100"));
    EXPECT_EQ(vqframe_open_windows(), before + 1);
    EXPECT_TRUE(window.created);
    ASSERT_NE(vqcontainer_current(), nullptr);
    EXPECT_EQ(vqcontainer_current()->object, &window.panels[0]);
    EXPECT_EQ(vqtarget_current(), &window.panels[0]);
    for (int i = 0; i < 16; i++) EXPECT_EQ(window.events[i], window.panels[0].events[i]);
    int handle = window.platform.handle;
    vqwindow_close(&window);
    EXPECT_FALSE(window.created);
    EXPECT_FALSE(platform_window_open(handle));
    EXPECT_EQ(vqframe_open_windows(), before);
  }
  EXPECT_EQ(vqframe_open_windows(), before);
}

struct Bars {
  const char* options;
  int menu, toolbar, status;
  bool direct;
};

TEST_F(WindowOpen, BarsStackAboveAndBelowTheMainPanel) {
  const int status = vqgui_metric("statusbarheight");
  const Bars cases[] = {
      {"b,x=0,y=0,xs=300,ys=200", 0, 0, 0, true},
      {"b,x=0,y=0,xs=300,ys=200,menu", 20, 0, 0, false},
      {"b,x=0,y=0,xs=300,ys=200,toolbar=30", 0, 30, 0, false},
      {"b,x=0,y=0,xs=300,ys=200,menu,toolbar,statusbar", 20, 20, status, false},
      {"b,x=0,y=0,xs=300,ys=200,statusbar=12", 0, 0, 12, false},
      {"b,x=0,y=0,xs=300,ys=200,ownpxmap", 0, 0, 0, false},
      {"b,x=0,y=0,xs=300,ys=200,pxs=400", 0, 0, 0, false},
      {"b,x=0,y=0,xs=300,ys=200,menu,nostandardview", 20, 0, 0, false},   // consumed, not the panel's
  };
  for (const Bars& c : cases) {
    SCOPED_TRACE(c.options);
    vqWindow window;
    ASSERT_TRUE(vqwindow_open(&window, c.options));
    EXPECT_EQ(window_info(window).height, 200 + c.menu + c.toolbar + c.status);
    const vqView& main = window.panels[0];
    EXPECT_EQ(main.layout.y, c.menu + c.toolbar);
    EXPECT_EQ(main.layout.height, 200);
    EXPECT_EQ(main.direct != 0, c.direct);
    EXPECT_EQ(window.menubar.created != 0, c.menu > 0);
    EXPECT_EQ(window.toolbar.created != 0, c.toolbar > 0);
    EXPECT_EQ(window.statusbar.created != 0, c.status > 0);
    if (c.toolbar > 0) {
      EXPECT_EQ(window.toolbar.layout.y, c.menu);
    }
    if (c.status > 0) {
      EXPECT_EQ(window.statusbar.layout.y, c.menu + c.toolbar + 200);
      EXPECT_EQ(window.statusbar.host_object, &window);   // a child of the window, not of the main panel
    }
  }
}

// VQCMD_GETPIXMAP (vqtargetpixmap) answers with the pixmap the main panel
// draws into: the window's own unless ownpxmap, a pixmap size of its own or
// a bar gives the panel one. The keyword counts in the format text and in
// the text a conversion hands in.
TEST_F(WindowOpen, OwnPxmapGivesTheMainPanelItsOwnPixmap) {
  struct own_case {
    const char* format;
    const char* argument;
    bool own;
  };
  const own_case cases[] = {
      {"o,x=0,y=0,xs=300,ys=200", "", false},
      {"o,x=0,y=0,xs=300,ys=200,ownpxmap", "", true},
      {"o,x=0,y=0,xs=300,ys=200,OwnPxMap%s", "", true},
      {"o,x=0,y=0,xs=300,ys=200,%s", "ownpxmap", true},
      {"%s", "o,x=0,y=0,xs=300,ys=200,ownpxmap", true},
      {"o,x=0,y=0,xs=300,ys=200,menu", "", true},
  };
  for (const own_case& c : cases) {
    SCOPED_TRACE(std::string(c.format) + " " + c.argument);
    vqWindow window;
    ASSERT_TRUE(vqwindow_open(&window, c.format, c.argument));
    vqgraphic_select(&window.panels[0]);
    vqpxmap* drawn_into = vqtargetpixmap();
    ASSERT_NE(drawn_into, nullptr);
    EXPECT_EQ(drawn_into != &window.platform.pixmap, c.own);
    EXPECT_EQ(drawn_into == &window.panels[0].pixmap, c.own);
    // What is drawn reaches the window either way.
    vqfillrect(10, 10, 20, 20, 0x123456);
    vqrefresh();
    drain_events();
    EXPECT_EQ(shown_pixel(window, 15, 15 + window.panels[0].layout.y), 0x123456u);
    vqwindow_close(&window);
  }
}

TEST_F(WindowOpen, BarsEndInTheirTwoThemeLines) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "b,x=0,y=0,xs=300,ys=200,menu,toolbar,statusbar"));
  drain_events();
  EXPECT_EQ(shown_pixel(window, 150, 17), vqcolor_system(VQCOLOR_GREY));
  EXPECT_EQ(shown_pixel(window, 150, 18), vqcolor_system(VQCOLOR_DARK));
  EXPECT_EQ(shown_pixel(window, 150, 19), vqcolor_system(VQCOLOR_LIGHT));
  EXPECT_EQ(shown_pixel(window, 0, 38), vqcolor_system(VQCOLOR_BLACK));
  EXPECT_EQ(shown_pixel(window, 299, 39), vqcolor_system(VQCOLOR_DARK));
  EXPECT_EQ(shown_pixel(window, 150, 240 + 3), vqcolor_system(VQCOLOR_GREY));
}

TEST_F(WindowOpen, UnrecognisedTokensConfigureTheMainPanel) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "r,x=0,y=0,xs=300,ys=200,nokeyscroll,bgcolor=ff0000,border=3"));
  EXPECT_EQ(window.background, 0xFF0000u);
  EXPECT_EQ(window.panels[0].background, 0xFF0000u);
  EXPECT_TRUE(window.panels[0].nokeyscroll);
  EXPECT_EQ(window.panels[0].border, 3);
  drain_events();
  EXPECT_EQ(shown_pixel(window, 150, 100), 0xFF0000u);
}

TEST_F(WindowOpen, ReopeningClosesTheFirstWindow) {
  vqWindow window;
  ASSERT_TRUE(vqwindow_open(&window, "one,xs=100,ys=100"));
  int first = window.platform.handle;
  int open = vqframe_open_windows();
  ASSERT_TRUE(vqwindow_open(&window, "two,xs=120,ys=100"));
  EXPECT_NE(window.platform.handle, first);
  EXPECT_FALSE(platform_window_open(first));
  EXPECT_EQ(vqframe_open_windows(), open);
}

}  // namespace
