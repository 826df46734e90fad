// Editors and rich-text editors: framed, word-wrapped text that the program
// appends to; the last lines stay in view.
#include "minor_internal.h"

#include "vqfont.h"

namespace {

enum { PAD = 4, KEEP = 65536 };

// Where the shown text starts: the lines are measured from the last one
// back, as many as fit (the last one always).
size_t shown_from(const vqEditor* c, int w, int h) {
  const std::string& text = c->text;
  size_t from = text.size(), end = text.size();
  int used = 0;
  for (bool last = true;; last = false) {
    size_t nl = end == 0 ? std::string::npos : text.rfind('\n', end - 1);
    size_t start = nl == std::string::npos ? 0 : nl + 1;
    used += vqfont_textboxheight(w, text.substr(start, end - start).c_str(), c->box.font);
    if (used > h && !last) break;
    from = start;
    if (nl == std::string::npos) break;
    end = nl;
  }
  return from;
}

}  // namespace

vqEditor::vqEditor() : rich(0) { vqminor_init(&box); }
vqEditor::~vqEditor() { vqeditor_destroy(this); }

bool vqeditor_create(vqEditor* c, bool rich, const char* format, ...) {
  if (!c) return false;
  if (c->box.created) vqeditor_destroy(c);
  vqoptions o;
  va_list args;
  va_start(args, format);
  bool ok = vqminor_begin(&c->box, &o, "vqeditor_create", format, args, false);
  va_end(args);
  if (!ok) return false;
  c->rich = rich ? 1 : 0;
  vqminor_finish(&c->box, &o, vqEditor::command, c, 300, 5 * vqminor_fontheight(&c->box) + 2 * PAD);
  vqeditor_draw(c);
  return true;
}

void vqeditor_destroy(vqEditor* c) {
  if (!c) return;
  vqminor_end(&c->box, c);
  c->text.clear();
}

void vqeditor_append(vqEditor* c, const char* text) {
  if (!c || !text) return;
  c->text += text;
  // Only the end is ever shown; older text beyond what is kept goes.
  if (c->text.size() > KEEP) c->text.erase(0, c->text.size() - KEEP);
  vqeditor_draw(c);
}

void vqeditor_draw(vqEditor* c) {
  const vqminor_box& b = c->box;
  if (!b.created) return;
  vqminor_fill(&b, b.x, b.y, b.width, b.height, b.background_color != VQ_NOCOLOR ? b.background_color : 0xFFFFFF);
  vqminor_frame(&b, b.x, b.y, b.width, b.height, true);
  int w = b.width - 2 * PAD, h = b.height - 2 * PAD;
  if (b.surface && w > 0 && h > 0)
    vqfont_drawtextbox(b.surface, b.font, b.x + PAD, b.y + PAD, w, h, static_cast<int32_t>(vqminor_ink(&b)),
                       c->text.c_str() + shown_from(c, w, h), false);
  vqminor_show(&b);
}

int vqEditor::command(void* object, int command, int, int, int, int, int, int, int, int) {
  vqEditor* c = static_cast<vqEditor*>(object);
  if (vqminor_common(&c->box, command)) return 0;
  if (vqminor_redraw_command(command)) vqeditor_draw(c);
  if (command == VQCMD_LEFTDOWN) vqminor_takefocus(&c->box);
  return 0;
}
