// Opening a top-level window: the option string, the platform window, the
// window pixmap as the current container, the bars and the main panel.
#include "vqcolor.h"
#include "vqevent.h"
#include "vqframe.h"
#include "vqtarget.h"
#include "window_internal.h"

#include <cstdarg>
#include <string>
#include <vector>

namespace {

// A bar along the window's width: a panel of its own in the window
// pixmap, closed off by two lines at its bottom.
void open_bar(vqView* bar, int y, int width, int height, uint32_t upper, uint32_t lower) {
  vqgraphic_create(bar, "server,x=0,y=%d,xs=%d,ys=%d,bgcolor=%06x,nofocus,no vertical scrollbar,"
                        "no horizontal scrollbar,resize",
                   y, width, height, vqcolor_system(VQCOLOR_GREY));
  vqtarget_send(VQCMD_LINE, 0, height - 2, width - 1, height - 2, static_cast<int>(upper));
  vqtarget_send(VQCMD_LINE, 0, height - 1, width - 1, height - 1, static_cast<int>(lower));
}

bool open_window_pixmap(vqWindow* window, int width, int height) {
  vqpxmap& pm = window->platform.pixmap;
  vqpxmap_free(&pm);
  pm.width = width;
  pm.height = height;
  // Not attached to the window: what is drawn here reaches the screen only
  // through the window's handler.
  pm.format = VQPX_SCREEN;
  if (!vqpxmap_allocate(&pm)) return false;
  vqpxmap_clear(&pm, static_cast<int32_t>(window->background));
  return true;
}

}  // namespace

vqWindow::vqWindow()
    : events{}, font(-1), layout{}, platform{}, title{}, background(0), quit_allowed(1), close_allowed(1), draw(1),
      menu_height(0), status_height(0), toolbar_height(0), max_width(0), max_height(0), window_events{},
      created(0), modifiers(0), keypad_digits(0), dropped_file{}, children{}, child_count(0), captured_child(-1), hovered_child(-1),
      batching(0) {
  vqgeometry_reset(&layout);
  vqpxmap_init(&platform.pixmap);
  for (int& code : window_events) code = vqnewevent();
}

bool vqwindow_open(vqWindow* window, const char* format, ...) {
  if (window == nullptr || format == nullptr) return false;
  if (window->created) vqwindow_close(window);

  std::vector<char> text(VQCFGSTR_WINDOWTEXT);
  va_list args;
  va_start(args, format);
  vqcfgstr_vformat(text.data(), text.size(), format, args);
  va_end(args);
  // Splitting cuts the text up; the whole-string words look at it whole.
  const std::string formatted(text.data());
  std::vector<char> list(VQCFGSTR_WINDOWLIST);
  char** tokens = vqcfgstr_split(text.data(), list.data(), list.size());
  if (tokens == nullptr) return false;

  vqwindow_options options;
  vqwindow_read_options(window, tokens, format, formatted.c_str(), &options);
  const int width = window->layout.width, height = window->layout.height;
  const int top = window->menu_height + window->toolbar_height;
  const int bars = top + window->status_height;
  if (!vqwindow_create_platform(window, options, width, height + bars)) return false;
  vqframe_window_opened();
  window->created = 1;
  // The panels refresh while they are configured; the screen gets the
  // finished window in one piece.
  window->batching = 1;
  if (!open_window_pixmap(window, width, height + bars)) {
    vqwindow_close(window);
    return false;
  }

  // Before the program has started, the first refresh waits for it (VQCMD_FIRSTREFRESH);
  // a window opened later shows itself at the end of the opening.
  const bool started = vqframe_started();
  vqcontainer_register(&window->platform.pixmap, vqWindow::command, window, window->background, !started);

  if (window->menu_height > 0)
    open_bar(&window->menubar, 0, width, window->menu_height, vqcolor_system(VQCOLOR_DARK),
             vqcolor_system(VQCOLOR_LIGHT));
  if (window->toolbar_height > 0)
    open_bar(&window->toolbar, window->menu_height, width, window->toolbar_height, vqcolor_system(VQCOLOR_BLACK),
             vqcolor_system(VQCOLOR_DARK));

  int pixmap_width = options.pixmap_width > 0 ? options.pixmap_width : width;
  int pixmap_height = options.pixmap_height > 0 ? options.pixmap_height : height;
  bool direct = !options.ownpxmap && pixmap_width == width && pixmap_height == height && bars == 0;
  std::vector<char> rest(VQCFGSTR_WINDOWTEXT);
  vqcfgstr_rest(tokens, rest.data(), rest.size());
  vqView* main = &window->panels[0];
  if (!vqgraphic_create(main, "server,x=0,y=%d,xs=%d,ys=%d,pxs=%d,pys=%d,bgcolor=%06x%s%s", top, width, height,
                        pixmap_width, pixmap_height, window->background, direct ? ",directdraw" : "",
                        rest.data())) {
    vqwindow_close(window);
    return false;
  }
  // The status bar is placed before the main panel becomes the container,
  // so that it, too, is a child of the window.
  if (window->status_height > 0)
    vqgraphic_create(&window->statusbar, "server,x=0,y=%d,xs=%d,ys=%d,bgcolor=%06x,nofocus,"
                                         "no vertical scrollbar,no horizontal scrollbar",
                     top + height, width, window->status_height, vqcolor_system(VQCOLOR_GREY));
  vqgraphic_select(main);

  for (int i = 0; i < 16; i++) window->events[i] = main->events[i];
  window->batching = 0;
  if (started) vqwindow_update_all(window);
  return true;
}
