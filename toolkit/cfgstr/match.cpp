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

// The token without its blanks and tabs against the first n characters of
// key, case ignored; with `whole` nothing but blanks may follow. Blanks are
// skipped as they come instead of stripping a copy of the token first: every
// option of every control is matched against dozens of keywords, and only
// the key's length of the token decides.
static bool bare_prefix(const char* token, const char* key, size_t n, bool whole) {
  const char* p = token;
  for (size_t i = 0; i < n; ++i) {
    while (*p == ' ' || *p == '\t') ++p;
    if (!*p || tolower((unsigned char)*p) != tolower((unsigned char)key[i])) return false;
    ++p;
  }
  if (!whole) return true;
  while (*p == ' ' || *p == '\t') ++p;
  return *p == 0;
}

bool vqcfgstr_match(const char* token, const char* key) {
  if (!token || !*token || !key) return false;
  size_t n = strlen(key);
  return bare_prefix(token, key, n, !(n && key[n - 1] == '='));
}

bool vqcfgstr_matchprefix(const char* token, const char* key) {
  if (!token || !*token || !key) return false;
  return bare_prefix(token, key, strlen(key), false);
}

int vqcfgstr_lookup(const char* token, const vqcfgstr_keyword* table, size_t count) {
  if (!token || !*token) return -1;
  for (size_t i = 0; i < count; ++i)
    if (table[i].name && bare_prefix(token, table[i].name, strlen(table[i].name), false)) return table[i].id;
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
