#include "game_io.h"

#include "vqscript.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t term_keep = 64 * 1024;

struct transcript {
  const char* terminal;
  std::string text;
  uint64_t printed;   // bytes ever printed, also those the trimming dropped
};
transcript g_transcripts[2] = {{"term", {}, 0}, {"term1", {}, 0}};
const std::string g_nothing;

const vqGUIScript* g_view = nullptr;

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

transcript* find_transcript(const char* terminal) {
  for (transcript& t : g_transcripts)
    if (std::strcmp(t.terminal, terminal) == 0) return &t;
  return nullptr;
}

}  // namespace

void game_print(const char* terminal, const char* text) {
  if (terminal == nullptr || text == nullptr) return;
  if (transcript* t = find_transcript(terminal)) {
    t->text += text;
    t->printed += std::strlen(text);
    // A long run must not grow without bound; the terminal keeps a scroll-back, not a log.
    if (t->text.size() > term_keep) t->text.erase(0, t->text.size() - term_keep / 2);
  }
  if (g_view != nullptr) vqscript_printf(g_view, terminal, "%s", text);
}

void game_term_print(const char* text) { game_print("term", text); }

void game_printf(const char* terminal, const char* format, ...) {
  char text[1000];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  game_print(terminal, text);
}

int32_t game_control_value(const char* name) {
  if (name == nullptr) return 0;
  if (g_view != nullptr) return vqscript_value(g_view, name);
  const control_value* c = find_control(name);
  return c != nullptr ? c->value : 0;
}

void game_io_connect(const vqGUIScript* view) { g_view = view; }
bool game_io_connected() { return g_view != nullptr; }

const std::string& game_io_term_text() { return g_transcripts[0].text; }

const std::string& game_io_text(const char* terminal) {
  const transcript* t = terminal != nullptr ? find_transcript(terminal) : nullptr;
  return t != nullptr ? t->text : g_nothing;
}

void game_io_term_clear() {
  for (transcript& t : g_transcripts) {
    t.text.clear();
    t.printed = 0;
  }
}

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

uint64_t game_io_printed(const char* terminal) {
  const transcript* t = terminal != nullptr ? find_transcript(terminal) : nullptr;
  return t != nullptr ? t->printed : 0;
}
