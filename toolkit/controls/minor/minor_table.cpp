// A table laid out from text: rows end at line feeds, cells at '|' (or
// after a fixed number of words each); every column is as wide as its
// widest cell, and a grid is drawn around the cells.
#include "minor_internal.h"

#include "vqcfgstr.h"

#include <algorithm>

namespace {

enum { PAD = 4, KEEP = 65536, MAX_COLUMNS = 256 };
constexpr uint32_t kGrid = 0x808080;

std::string trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
}

std::vector<std::string> cut_row(const std::string& line, int columns) {
  std::vector<std::string> row;
  if (columns <= 0) {
    size_t from = 0;
    for (size_t bar; (bar = line.find('|', from)) != std::string::npos; from = bar + 1)
      row.push_back(trimmed(line.substr(from, bar - from)));
    row.push_back(trimmed(line.substr(from)));
    return row;
  }
  std::string word;
  std::vector<std::string> words;
  for (char ch : line + " ") {
    if (ch == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += ch;
    }
  }
  for (size_t i = 0; i < words.size(); i++) {
    if (i % static_cast<size_t>(columns) == 0) row.emplace_back();
    if (!row.back().empty()) row.back() += ' ';
    row.back() += words[i];
  }
  return row;
}

int row_height(const vqTable* c) { return vqminor_fontheight(&c->box) + 2 * PAD; }

}  // namespace

vqTable::vqTable() : columns(0), laid_out(0) { vqminor_init(&box); }
vqTable::~vqTable() { vqtable_destroy(this); }

bool vqtable_create(vqTable* c, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqtable_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqtable_create", format, args, false);
  va_end(args);
  if (!ok) return false;
  c->columns = 0;
  for (char** t = o.tokens; *t; t++)
    if (vqcfgstr_match(*t, "columns=")) {
      c->columns = std::clamp(vqcfgstr_intvalue(*t), 0, static_cast<int>(MAX_COLUMNS));
      vqcfgstr_consume(*t);
    }
  // The size is known once the cells are: the region grows in vqtable_layout.
  vqminor_finish(&c->box, &o, vqTable::command, c, 1, 1);
  return true;
}

void vqtable_destroy(vqTable* c) {
  if (!c) return;
  vqminor_end(&c->box, c);
  c->text.clear();
  c->cells.clear();
  c->column_widths.clear();
  c->laid_out = 0;
}

void vqtable_append(vqTable* c, const char* text, size_t length) {
  if (!c || !text || c->text.size() >= KEEP) return;
  c->text.append(text, std::min(length, KEEP - c->text.size()));
}

void vqtable_layout(vqTable* c) {
  if (!c || !c->box.created) return;
  c->cells.clear();
  size_t from = 0;
  while (from < c->text.size()) {
    size_t nl = c->text.find('\n', from);
    std::string line = c->text.substr(from, nl == std::string::npos ? std::string::npos : nl - from);
    from = nl == std::string::npos ? c->text.size() : nl + 1;
    if (trimmed(line).empty()) continue;
    std::vector<std::string> row = cut_row(line, c->columns);
    if (row.size() > MAX_COLUMNS) row.resize(MAX_COLUMNS);
    c->cells.push_back(row);
  }
  c->column_widths.clear();
  for (const auto& row : c->cells)
    for (size_t i = 0; i < row.size(); i++) {
      if (c->column_widths.size() <= i) c->column_widths.push_back(0);
      int w = vqminor_textwidth(&c->box, row[i].c_str()) + 2 * PAD;
      c->column_widths[i] = std::max(c->column_widths[i], w);
    }
  long long width = 0;
  for (int w : c->column_widths) width += w;
  vqminor_box& b = c->box;
  b.width = static_cast<int>(std::min<long long>(width + 1, 100000));
  b.height = static_cast<int>(std::min<long long>(static_cast<long long>(c->cells.size()) * row_height(c) + 1, 100000));
  if (b.host_handler && b.region >= 0)
    vqsend(b.host_handler, b.host_object, VQCMD_MOVEREGION, b.region, b.x, b.y, b.width, b.height);
  c->laid_out = 1;
  vqtable_draw(c);
}

int vqtable_bottom(const vqTable* c) { return c ? c->box.y + c->box.height : 0; }

void vqtable_draw(vqTable* c) {
  const vqminor_box& b = c->box;
  if (!b.created || !c->laid_out || c->cells.empty()) return;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color);
  int rh = row_height(c), y = b.y;
  for (const auto& row : c->cells) {
    int x = b.x;
    for (size_t i = 0; i < c->column_widths.size(); i++) {
      int w = c->column_widths[i];
      if (i < row.size()) vqminor_text(&b, x + PAD, y + PAD, row[i].c_str(), vqminor_ink(&b));
      vqminor_fill(&b, x, y, 1, rh, kGrid);
      x += w;
    }
    vqminor_fill(&b, b.x, y, b.width, 1, kGrid);
    y += rh;
  }
  vqminor_fill(&b, b.x + b.width - 1, b.y, 1, b.height, kGrid);
  vqminor_fill(&b, b.x, b.y + b.height - 1, b.width, 1, kGrid);
  vqminor_show(&b);
}

int vqTable::command(void* object, int command, int, int, int, int, int, int, int, int) {
  vqTable* c = static_cast<vqTable*>(object);
  if (vqminor_common(&c->box, command)) return 0;
  if (vqminor_redraw_command(command)) vqtable_draw(c);
  return 0;
}
