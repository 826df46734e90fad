// The markup view tests' setting: the controls' test panel (400 x 200, here
// white) as drawing target and container, a markup view that records the
// words it places, and ways to look at what it laid out.
#pragma once

#include "controls_test_util.h"
#include "vqfont.h"
#include "vqscript.h"

#include <string>

struct ScriptTest : ControlsTest {
  vqGUIScript view;

  void SetUp() override {
    ControlsTest::SetUp();
    vqfont_register_builtins();   // as the toolkit start does
    // The panel is made again, white, in the plain host.
    vqcontainer_register(&host.pm, PlainHost::handler, &host, 0xE0E0E0, false);
    ASSERT_TRUE(vqgraphic_create(&panel, "x=0,y=0,xs=400,ys=200,bgcolor=white"));
    vqgraphic_select(&panel);
    ASSERT_TRUE(vqscript_create(&view));
    vqscript_recordwords(&view, true);
  }
  void TearDown() override {
    vqscript_destroy(&view);
    ControlsTest::TearDown();
  }

  // The first placed word with this text, or a word at -1, -1.
  vqscript_word word(const std::string& text) const {
    for (const vqscript_word& w : view.words)
      if (w.text == text) return w;
    return vqscript_word{-1, -1, 0, 0, text};
  }
  std::string all_words() const {
    std::string s;
    for (const vqscript_word& w : view.words) s += (s.empty() ? "" : "|") + w.text;
    return s;
  }
  static int font(const char* name) { return vqfont_get("%s", name); }
  static int width(const char* name, const char* text) { return vqfont_textwidth(font(name), text); }
  int regions() const {
    int n = 0;
    for (int i = 0; i < panel.region_count; i++) n += panel.regions[i].in_use;
    return n;
  }
};
