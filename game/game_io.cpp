#include "game_io.h"

#include <cstring>

namespace {

constexpr size_t term_keep = 64 * 1024;
std::string g_term;

struct control_value {
  char name[32];
  int32_t value;
};
// The start values the main screen's markup line gives its up-down controls.
control_value g_controls[16] = {{"udStufe", 1}, {"udSchwierigkeit", 1}, {"udAnzahlAufgaben", 12}};
int g_control_count = 3;

control_value* find_control(const char* name) {
  for (int i = 0; i < g_control_count; ++i)
    if (std::strcmp(g_controls[i].name, name) == 0) return &g_controls[i];
  return nullptr;
}

}  // namespace

void game_term_print(const char* text) {
  if (text == nullptr) return;
  g_term += text;
  // A long run must not grow without bound; the terminal keeps a scroll-back, not a log.
  if (g_term.size() > term_keep) g_term.erase(0, g_term.size() - term_keep / 2);
}

int32_t game_control_value(const char* name) {
  const control_value* c = name != nullptr ? find_control(name) : nullptr;
  return c != nullptr ? c->value : 0;
}

const std::string& game_io_term_text() { return g_term; }
void game_io_term_clear() { g_term.clear(); }

void game_io_set_control_value(const char* name, int32_t value) {
  if (name == nullptr || std::strlen(name) >= sizeof g_controls[0].name) return;
  control_value* c = find_control(name);
  if (c == nullptr) {
    if (g_control_count == static_cast<int>(sizeof g_controls / sizeof g_controls[0])) return;
    c = &g_controls[g_control_count++];
    std::strcpy(c->name, name);
  }
  c->value = value;
}
