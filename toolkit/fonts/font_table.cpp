// The process-wide font table: slots that are reused before the table
// grows, lookups by key, name and handle, and the release at exit.
#include "font_record.h"
#include "vqevent.h"
#include "vqfont.h"
#include "vqframe.h"

#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace {
vqfont_record* table = nullptr;
int count = 0;
bool cleanup_registered = false;
}  // namespace

void vqfont_copy_text(char* out, const char* text) {
  size_t n = text ? strnlen(text, VQFONT_TEXT - 1) : 0;
  if (n) memcpy(out, text, n);
  out[n] = 0;
}

void vqfont_record_reset(vqfont_record* record) {
  memset(record, 0, sizeof *record);
  record->id = vqnewevent();
  record->chars = VQFONT_GLYPHS;
}

int vqfont_table_add(vqfont_record* record) {
  if (!cleanup_registered) {
    cleanup_registered = true;
    vqatexit(vqfont_free_all);
  }
  int slot = 0;
  while (slot < count && table[slot].in_use) ++slot;
  if (slot == count) {
    void* grown = realloc(table, sizeof(vqfont_record) * (count + 1));
    if (!grown) {
      printf("vqfont_register: out of memory\n");
      free(record->glyph_data);
      record->glyph_data = nullptr;
      return 0;
    }
    table = static_cast<vqfont_record*>(grown);
    memset(&table[count], 0, sizeof(vqfont_record));
    ++count;
  }
  table[slot] = *record;
  table[slot].in_use = 1;
  table[slot].chars = VQFONT_GLYPHS;
  return table[slot].id;
}

int vqfont_register(const char* const* lines, const char* key) {
  if (!lines || !key) {
    printf("vqfont_register: no font text\n");
    return 0;
  }
  int found = vqfont_find_key(key);
  if (found >= 0) return table[found].id;
  size_t line_count = 0;
  while (lines[line_count]) ++line_count;
  vqfont_record record;
  vqfont_record_reset(&record);
  vqfont_copy_text(record.key, key);
  if (!vqfont_parse(lines, line_count, &record)) return 0;
  return vqfont_table_add(&record);
}

int vqfont_register_text(const char* const* lines) {
  if (!lines || !lines[0] || !lines[1]) {
    printf("vqfont_register_text: font text without a name line\n");
    return 0;
  }
  return vqfont_register(lines, lines[1]);
}

int vqfont_find_key(const char* key) {
  if (!key) return -1;
  for (int i = 0; i < count; ++i)
    if (table[i].in_use && strncmp(table[i].key, key, VQFONT_TEXT) == 0 &&
        strlen(key) < VQFONT_TEXT)
      return i;
  return -1;
}

int vqfont_find_name(const char* name) {
  if (!name) return -1;
  for (int i = 0; i < count; ++i)
    if (table[i].in_use && strcasecmp(table[i].name, name) == 0) return i;
  return -1;
}

int vqfont_resolve(int handle) {
  if (handle == -1 || handle == -3 || handle == -2) {
    const char* key = handle == -2 ? "builtin variable 13" : "builtin 6x13";
    int index = vqfont_find_key(key);
    if (index < 0 && vqfont_register_builtin(key)) index = vqfont_find_key(key);
    return index;
  }
  if (handle >= 1000000) {
    for (int i = 0; i < count; ++i)
      if (table[i].in_use && table[i].id == handle) return i;
    return -1;
  }
  if (handle >= 0 && handle < count && table[handle].in_use) return handle;
  return -1;
}

vqfont_record* vqfont_record_of(int handle) {
  int index = vqfont_resolve(handle);
  return index < 0 ? nullptr : &table[index];
}

int vqfont_count() { return count; }

int vqfont_id_at(int index) {
  return index >= 0 && index < count && table[index].in_use ? table[index].id : 0;
}

void vqfont_free(int handle) {
  vqfont_record* record = vqfont_record_of(handle);
  if (!record) return;
  free(record->glyph_data);
  vqfont_record_reset(record);
}

void vqfont_free_all() {
  for (int i = 0; i < count; ++i)
    if (table[i].in_use) free(table[i].glyph_data);
  free(table);
  table = nullptr;
  count = 0;
}
