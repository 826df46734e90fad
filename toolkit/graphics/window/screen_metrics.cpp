// Screen and interface sizes the application asks for by name.
#include "vqfont.h"
#include "vqplatform.h"
#include "vqwindow.h"

#include <cstdio>
#include <cstring>

namespace {

struct work_area {
  int x, y, w, h;
};

work_area usable() {
  work_area a{};
  vqplatform_work_area(&a.x, &a.y, &a.w, &a.h);
  return a;
}

int screen_side(bool height) {
  int w = 0, h = 0;
  vqplatform_screen_size(&w, &h);
  return height ? h : w;
}

struct metric {
  const char* name;
  int (*value)();
};

const metric kScreenMetrics[] = {
    {"screenxs", [] { return screen_side(false); }},
    {"screenys", [] { return screen_side(true); }},
    {"windowbordersize", [] { return vqplatform_frame().border; }},
    {"windowcaptionheight", [] { return vqplatform_frame().caption; }},
    {"maxwindowxs", [] { return usable().w - 2 * vqplatform_frame().border; }},
    {"maxwindowys", [] { return usable().h - vqplatform_frame().caption - vqplatform_frame().border; }},
    {"desktopy", [] { return usable().y; }},
};

const metric kGuiMetrics[] = {
    {"menuheight", [] { return 20; }},
    {"toolbarheight", [] { return 20; }},
    {"statusbarheight", [] { return vqfont_height(-1) + 8; }},
    {"scrollbarwidth", [] { return vqplatform_frame().scrollbar; }},
    {"scrollbarheight", [] { return vqplatform_frame().scrollbar; }},
    {"screenwidth", [] { return screen_side(false); }},
    {"screenheight", [] { return screen_side(true); }},
};

template <size_t N>
const metric* find(const metric (&table)[N], const char* name) {
  for (const metric& m : table)
    if (std::strcmp(m.name, name) == 0) return &m;
  return nullptr;
}

}  // namespace

int vqscreen_metric(const char* name) {
  if (name == nullptr) name = "";
  if (const metric* m = find(kScreenMetrics, name)) return m->value();
  std::printf("get setting: %s\n", name);
  return 0;
}

int vqgui_metric(const char* name) {
  if (name == nullptr) name = "";
  if (const metric* m = find(kGuiMetrics, name)) return m->value();
  // screenxs, screenys, maxwindowxs, maxwindowys and desktopy are the
  // screen's; the frame sizes are not interface sizes.
  static const char* const kShared[] = {"screenxs", "screenys", "maxwindowxs", "maxwindowys", "desktopy"};
  for (const char* shared : kShared)
    if (std::strcmp(shared, name) == 0) return vqscreen_metric(name);
  std::printf("guimetrics: %s\n", name);
  return 0;
}
