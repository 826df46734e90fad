// Keyword matching: blanks and tabs never matter, case never matters.
#include "vqcfgstr.h"

#include <cctype>
#include <cstring>

void vqcfgstr_strip(const char* token, char* out, size_t size) {
  if (!out || size == 0) return;
  size_t n = 0;
  for (const char* p = token ? token : ""; *p && n + 1 < size; ++p)
    if (*p != ' ' && *p != '\t') out[n++] = *p;
  out[n] = 0;
}

static bool prefix_nocase(const char* text, const char* key, size_t n) {
  for (size_t i = 0; i < n; ++i)
    if (tolower((unsigned char)text[i]) != tolower((unsigned char)key[i]) || !text[i]) return false;
  return true;
}

bool vqcfgstr_match(const char* token, const char* key) {
  if (!token || !*token || !key) return false;
  char bare[VQCFGSTR_TOKENMAX + 1];
  vqcfgstr_strip(token, bare, sizeof bare);
  size_t n = strlen(key);
  if (n && key[n - 1] == '=') return prefix_nocase(bare, key, n);
  return strlen(bare) == n && prefix_nocase(bare, key, n);
}

bool vqcfgstr_matchprefix(const char* token, const char* key) {
  if (!token || !*token || !key) return false;
  char bare[VQCFGSTR_TOKENMAX + 1];
  vqcfgstr_strip(token, bare, sizeof bare);
  return prefix_nocase(bare, key, strlen(key));
}

int vqcfgstr_lookup(const char* token, const vqcfgstr_keyword* table, size_t count) {
  if (!token || !*token) return -1;
  for (size_t i = 0; i < count; ++i)
    if (vqcfgstr_matchprefix(token, table[i].name)) return table[i].id;
  return -1;
}

bool vqcfgstr_flag(char** list, int first, const char* name, uint8_t* flag) {
  bool found = false;
  for (int i = first; list && list[i]; ++i)
    if (vqcfgstr_match(list[i], name)) {
      if (flag) *flag = 1;
      vqcfgstr_consume(list[i]);
      found = true;
    }
  return found;
}

void vqcfgstr_border(char** list, int first, int* border) {
  for (int i = first; list && list[i]; ++i) {
    char* t = list[i];
    if (vqcfgstr_match(t, "border=")) {
      if (strncmp(t, "border=", 7) == 0) *border = vqcfgstr_intvalue(t);
    } else if (vqcfgstr_match(t, "border")) {
      *border = 2;
    } else if (vqcfgstr_match(t, "noborder")) {
      *border = 0;
    } else {
      continue;
    }
    vqcfgstr_consume(t);
    return;
  }
}
