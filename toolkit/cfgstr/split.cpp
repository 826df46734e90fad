// Cutting an option text into its token list.
#include "vqcfgstr.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static size_t piece_count(const char* text) {
  if (!text || !*text) return 0;
  size_t n = 1;
  for (const char* p = text; *p; ++p) n += *p == ',';
  return n;
}

size_t vqcfgstr_splitsize(const char* text) {
  size_t len = text ? strlen(text) : 0;
  return (piece_count(text) + 2) * sizeof(char*) + len + 1;
}

char** vqcfgstr_split(const char* text, void* buffer, size_t size) {
  if (!text) text = "";
  // Align the pointer array; the spare pointer slot in splitsize pays for it.
  uintptr_t base = (uintptr_t)buffer;
  uintptr_t aligned = (base + alignof(char*) - 1) & ~(uintptr_t)(alignof(char*) - 1);
  if (!buffer || aligned - base + sizeof(char*) > size) {
    printf("vqcfgstr_split: buffer too small\n");
    return nullptr;
  }
  size_t room = size - (aligned - base);
  char** list = (char**)aligned;
  size_t pieces = piece_count(text);
  size_t slots = room / sizeof(char*);
  if (pieces + 1 < slots) slots = pieces + 1;
  char* texts = (char*)(list + slots);
  char* end = (char*)aligned + room;
  size_t count = 0;
  bool cut = false;
  const char* p = text;
  while (count < pieces) {
    const char* comma = strchr(p, ',');
    size_t len = comma ? (size_t)(comma - p) : strlen(p);
    size_t keep = len > (size_t)VQCFGSTR_TOKENMAX ? (size_t)VQCFGSTR_TOKENMAX : len;
    if (count + 1 >= slots || (size_t)(end - texts) < keep + 1) {
      cut = true;
      break;
    }
    memcpy(texts, p, keep);  // a token over the limit is cut to it
    texts[keep] = 0;
    list[count++] = texts;
    texts += keep + 1;
    p += len + (comma ? 1 : 0);
  }
  list[count] = nullptr;
  if (cut) printf("vqcfgstr_split: buffer too small\n");
  return list;
}

char** vqcfgstr_splitalloc(const char* text) {
  size_t pieces = piece_count(text);
  char** list = (char**)calloc(pieces + 1, sizeof(char*));
  if (!list) return nullptr;
  const char* p = text;
  for (size_t i = 0; i < pieces; ++i) {
    const char* comma = strchr(p, ',');
    size_t len = comma ? (size_t)(comma - p) : strlen(p);
    size_t keep = len > (size_t)VQCFGSTR_TOKENMAX ? (size_t)VQCFGSTR_TOKENMAX : len;
    list[i] = (char*)malloc(keep + 1);
    if (!list[i]) break;
    memcpy(list[i], p, keep);
    list[i][keep] = 0;
    p += len + (comma ? 1 : 0);
  }
  return list;
}

void vqcfgstr_splitfree(char** list) {
  if (!list) return;
  for (char** t = list; *t; ++t) free(*t);
  free(list);
}

int vqcfgstr_count(char* const* list) {
  int n = 0;
  while (list && list[n]) ++n;
  return n;
}

bool vqcfgstr_rest(char* const* list, char* out, size_t size) {
  if (!out || size == 0) return false;
  size_t n = 0;
  out[0] = 0;
  for (int i = 1; list && list[0] && list[i]; ++i) {
    if (!list[i][0]) continue;
    size_t len = strlen(list[i]);
    if (n + 1 + len >= size) return false;
    out[n++] = ',';
    memcpy(out + n, list[i], len + 1);
    n += len;
  }
  return true;
}
