// What a window's option string decides before anything is created: title,
// geometry against the screen, the main panel's pixmap size, the window
// keywords, the bars and the words looked up in the whole format text.
#include "vqcolor.h"
#include "window_internal.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const kPixmapWidthKeys[] = {"cxs=", "pxs=", "contentxs=", "contentwidth=", "cwidth="};
const char* const kPixmapHeightKeys[] = {"cys=", "pys=", "contentys=", "contentheight=", "cheight="};

// One whole-token keyword and what it stores (every occurrence applies in
// order, so of "resize" and "noresize" the later one wins).
struct window_word {
  const char* name;
  uint8_t vqwindow_options::*field;
  uint8_t value;
};

const window_word kWords[] = {
    {"fullscreen", &vqwindow_options::fullscreen, 1},
    {"modal", &vqwindow_options::modal, 1},
    {"nosysmenu", &vqwindow_options::sysmenu, 0},
    {"sysmenu=0", &vqwindow_options::sysmenu, 0},
    {"nosystemmenu", &vqwindow_options::sysmenu, 0},
    {"systemmenu=0", &vqwindow_options::sysmenu, 0},
    {"sysmenu", &vqwindow_options::sysmenu, 1},
    {"sysmenu=1", &vqwindow_options::sysmenu, 1},
    {"systemmenu", &vqwindow_options::sysmenu, 1},
    {"systemmenu=1", &vqwindow_options::sysmenu, 1},
    {"noresize", &vqwindow_options::resize, 0},
    {"resize", &vqwindow_options::resize, 1},
    {"maximized", &vqwindow_options::maximized, 1},
    {"max", &vqwindow_options::maximized, 1},
    {"maximal", &vqwindow_options::maximized, 1},
    {"noquit", &vqwindow_options::noquit, 1},
    {"noclose", &vqwindow_options::noclose, 1},
    {"popup", &vqwindow_options::popup, 1},
    {"notitle", &vqwindow_options::notitle, 1},
    {"noredraw", &vqwindow_options::nodraw, 1},
    {"drawoff", &vqwindow_options::nodraw, 1},
    {"norepaint", &vqwindow_options::nodraw, 1},
    {"paintoff", &vqwindow_options::nodraw, 1},
    {"nopaint", &vqwindow_options::nodraw, 1},
    {"nostandardview", &vqwindow_options::nostandardview, 1},
};

// Every token matching one of the keys sets *value to its number.
template <size_t N>
void read_number(char** tokens, int first, const char* const (&keys)[N], int* value) {
  for (int i = first; tokens[i] != nullptr; i++) {
    if (tokens[i][0] == 0) continue;
    for (const char* key : keys) {
      if (vqcfgstr_match(tokens[i], key)) {
        *value = vqcfgstr_intvalue(tokens[i]);
        vqcfgstr_consume(tokens[i]);
        break;
      }
    }
  }
}

// "menu", "toolbar", "toolbar=N", "statusbar", "statusbar=N".
void read_bars(vqWindow* window, char** tokens, int first) {
  for (int i = first; tokens[i] != nullptr; i++) {
    char* t = tokens[i];
    if (t[0] == 0) continue;
    if (vqcfgstr_match(t, "menu")) window->menu_height = vqgui_metric("menuheight");
    else if (vqcfgstr_match(t, "toolbar=")) window->toolbar_height = std::max(0, vqcfgstr_intvalue(t));
    else if (vqcfgstr_match(t, "toolbar")) window->toolbar_height = vqgui_metric("toolbarheight");
    else if (vqcfgstr_match(t, "statusbar=")) window->status_height = std::max(0, vqcfgstr_intvalue(t));
    else if (vqcfgstr_match(t, "statusbar")) window->status_height = vqgui_metric("statusbarheight");
    else continue;
    vqcfgstr_consume(t);
  }
}

void read_words(char** tokens, int first, vqwindow_options* options) {
  for (int i = first; tokens[i] != nullptr; i++) {
    if (tokens[i][0] == 0) continue;
    for (const window_word& word : kWords) {
      if (vqcfgstr_match(tokens[i], word.name)) {
        options->*word.field = word.value;
        vqcfgstr_consume(tokens[i]);
        break;
      }
    }
  }
}

}  // namespace

void vqwindow_read_options(vqWindow* window, char** tokens, const char* format, const char* formatted,
                           vqwindow_options* options) {
  const auto has_word = [&](const char* word) {
    return vqcfgstr_has(format, word) || (formatted != nullptr && vqcfgstr_has(formatted, word));
  };
  *options = vqwindow_options{};
  options->sysmenu = 1;
  vqgeometry& g = window->layout;

  // Token 0 is the title; an empty option text has no tokens at all.
  const int first = tokens[0] != nullptr ? 1 : 0;
  options->x_given = vqcfgstr_geometry(tokens, first, &g) == 1;
  read_number(tokens, first, kPixmapWidthKeys, &options->pixmap_width);
  read_number(tokens, first, kPixmapHeightKeys, &options->pixmap_height);
  vqplatform_screen_size(&g.parentwidth, &g.parentheight);
  vqgeometry_compute(&g);
  // A size in pixels is not limited to the screen.
  if (vqcfgstr_toint(g.xsvalue) > g.width) g.width = vqcfgstr_toint(g.xsvalue);
  if (vqcfgstr_toint(g.ysvalue) > g.height) g.height = vqcfgstr_toint(g.ysvalue);

  std::snprintf(window->title, sizeof window->title, "%s", tokens[0] != nullptr ? tokens[0] : "");
  window->background = vqcolor_system(VQCOLOR_GREY);

  read_words(tokens, first, options);
  vqcfgstr_bgcolor(tokens, first, &window->background);
  read_bars(window, tokens, first);
  window->quit_allowed = options->noquit ? 0 : 1;
  window->close_allowed = options->noquit || options->noclose ? 0 : 1;
  window->draw = options->nodraw ? 0 : 1;
  options->setwindowsize = has_word("setwindowsize");
  options->invisible = has_word("invisible");
  options->ownpxmap = has_word("ownpxmap");
  window->max_width = vqcfgstr_number(format, "maxxs", 0);
  window->max_height = vqcfgstr_number(format, "maxys", 0);

  if (g.width == 0) g.width = 100;
  if (g.height == 0) g.height = 100;
  if (options->fullscreen) {
    g.x = g.y = 0;
    options->x_given = true;
    if (!options->setwindowsize) vqplatform_screen_size(&g.width, &g.height);
  }
  if (options->maximized) {
    int wx, wy, ww, wh;
    vqplatform_work_area(&wx, &wy, &ww, &wh);
    g.x = wx;
    g.y = wy;
    g.width = vqscreen_metric("maxwindowxs");
    g.height = vqscreen_metric("maxwindowys") - window->menu_height - window->toolbar_height - window->status_height;
    options->x_given = true;   // the position is decided
  }
  if (window->max_width > 0 && g.width > window->max_width) g.width = window->max_width;
  if (window->max_height > 0 && g.height > window->max_height) g.height = window->max_height;
}
