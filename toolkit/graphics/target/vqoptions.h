// The start every panel and control makes on its option string: the host it
// is placed in (the current container), the formatted and split text, the
// label where token 0 is one, the geometry against the host's pixmap and the
// looks all of them share (border, font, focus, greyed, colours). The owner
// then reads its own keywords from the same tokens and settles its size,
// where the string gave none, with the size it prefers:
//
//   vqoptions o;
//   if (!vqoptions_open(&o, "vqbutton_create", VQOPTIONS_HOST_NEEDED, format, args)) return false;
//   vqoptions_label(&o, b->label, sizeof b->label);
//   vqoptions_read(&o, {&b->border, &b->font, &b->nofocus, &b->greyed, ...});
//   ... own keywords from o.tokens, starting at o.first ...
//   vqoptions_place(&o, preferred_w, preferred_h, max_side, &b->x, &b->y, &b->width, &b->height);
#pragma once

#include "vqcfgstr.h"
#include "vqtarget.h"

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <memory>

// Where the shared vocabularies write. A null field leaves its vocabulary
// out, so that its keywords stay in the list for the owner.
struct vqoptions_fields {
  int* border;
  int* font;
  uint8_t* nofocus;
  uint8_t* greyed;
  uint32_t* background;
  uint32_t* text;
  uint32_t* transparent;
};

enum vqoptions_host { VQOPTIONS_HOST_NEEDED, VQOPTIONS_HOST_OPTIONAL };

// The parent size of an object made without a host (only a terminal is:
// it then keeps cells, and any reasonable size fits).
enum { VQOPTIONS_NOHOST_SIDE = 4096 };

// An option string being read; it cannot be copied (the tokens point into
// its buffer).
struct vqoptions {
  vqcontainer host{};          // the current container at opening; all zero without one
  char** tokens = nullptr;     // never null after a successful opening
  int first = 0;               // the first token the vocabularies read: 1 after a label
  vqgeometry geometry{};       // parsed by vqoptions_read, computed by vqoptions_place
  bool text_color_given = false;
  char text[VQCFGSTR_CONTROLTEXT] = {};
  std::unique_ptr<unsigned char[]> buffer;
};

// Takes the current container as host, formats the option string and splits
// it. False, with one line "who: no container", when the host is needed and
// there is none (or it has no pixmap).
bool vqoptions_open(vqoptions* o, const char* who, vqoptions_host rule, const char* format, va_list args);
// Token 0 is the label: copied into label (cut to size) and kept from every
// vocabulary. Without tokens the label is empty.
void vqoptions_label(vqoptions* o, char* label, size_t size);
// Reads what every object shares: the geometry keywords, then border, font, focus, greyed, background, text
// and transparent colour, each where fields asks for it.
void vqoptions_read(vqoptions* o, const vqoptions_fields& fields);
// A width or height the string did not give takes the preferred one (in
// pixels); the layout is computed and written out, each side clamped to
// 1 .. max_side unless max_side is 0.
void vqoptions_place(vqoptions* o, int preferred_width, int preferred_height, int max_side, int* x, int* y,
                     int* width, int* height);
