// Number values with units, and the whole-string lookups.
#include "vqcfgstr.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

const char* vqcfgstr_after(const char* token) {
  const char* eq = token ? strchr(token, '=') : nullptr;
  return eq ? eq + 1 : "";
}

int vqcfgstr_toint(double v) {
  if (std::isnan(v)) return 0;
  if (v >= (double)INT_MAX) return INT_MAX;  // a cast out of range is undefined
  if (v <= (double)INT_MIN) return INT_MIN;
  return (int)v;
}

static bool starts_nocase(const char* s, const char* w) {
  for (; *w; ++s, ++w)
    if (tolower((unsigned char)*s) != *w) return false;
  return true;
}

bool vqcfgstr_numvalue(const char* token, double* value, int* unit) {
  char v[VQCFGSTR_TOKENMAX + 1];
  size_t n = 0;
  for (const char* p = vqcfgstr_after(token); *p && n + 1 < sizeof v; ++p)
    if (*p != ' ') v[n++] = *p;
  v[n] = 0;
  // Decimal only: sign, digits, point, exponent (no hex, inf or nan).
  size_t i = 0, last_digit = 0;
  bool digits = false;
  if (v[i] == '+' || v[i] == '-') ++i;
  while (isdigit((unsigned char)v[i])) { digits = true; last_digit = ++i; }
  if (v[i] == '.') {
    ++i;
    while (isdigit((unsigned char)v[i])) { digits = true; last_digit = ++i; }
  }
  size_t end = i;
  if (digits && (v[i] == 'e' || v[i] == 'E')) {
    size_t j = i + 1;
    if (v[j] == '+' || v[j] == '-') ++j;
    if (isdigit((unsigned char)v[j])) {
      while (isdigit((unsigned char)v[j])) last_digit = ++j;
      end = j;
    }
  }
  if (value) *value = 0.0;
  if (unit) *unit = VQUNIT_NONE;
  if (!digits) return false;
  char num[VQCFGSTR_TOKENMAX + 1];
  memcpy(num, v, end);
  num[end] = 0;
  double d = strtod(num, nullptr);
  if (value) *value = d;
  const char* u = v + last_digit;
  if (unit) {
    if (u[0] == '%' || starts_nocase(u, "percent")) *unit = VQUNIT_PERCENT;
    else if (starts_nocase(u, "pix")) *unit = VQUNIT_PIXEL;
  }
  return true;
}

int vqcfgstr_intvalue(const char* token) {
  double d;
  vqcfgstr_numvalue(token, &d, nullptr);
  return vqcfgstr_toint(d);
}

static const char* find_nocase(const char* text, const char* word) {
  size_t n = strlen(word);
  for (const char* p = text; *p; ++p) {
    size_t i = 0;
    while (i < n && p[i] && tolower((unsigned char)p[i]) == tolower((unsigned char)word[i])) ++i;
    if (i == n) return p;
  }
  return nullptr;
}

bool vqcfgstr_has(const char* text, const char* word) {
  return text && word && find_nocase(text, word);
}

int vqcfgstr_number(const char* text, const char* key, int def) {
  if (!text || !key) return def;
  char k[VQCFGSTR_TOKENMAX + 2];
  size_t n = strlen(key);
  if (n > VQCFGSTR_TOKENMAX) return def;
  memcpy(k, key, n);
  k[n] = '=';
  k[n + 1] = 0;
  const char* p = find_nocase(text, k);
  if (!p) return def;
  p += n + 1;
  bool neg = *p == '-';
  if (*p == '-' || *p == '+') ++p;
  long long v = 0;
  for (; isdigit((unsigned char)*p); ++p)
    if (v < (long long)INT_MAX + 1) v = v * 10 + (*p - '0');  // saturate, no overflow
  if (neg) v = -v;
  if (v > INT_MAX) v = INT_MAX;
  if (v < INT_MIN) v = INT_MIN;
  return (int)v;
}

bool vqcfgstr_value(const char* text, const char* key, char* out, size_t size) {
  if (!text || !key) return false;
  const char* p = find_nocase(text, key);
  if (!p) return false;
  p += strlen(key);
  if (*p == '=') ++p;
  size_t n = 0;
  while (p[n] && p[n] != ',') ++n;
  if (out && size) {
    if (n >= size) n = size - 1;  // cut to the caller's buffer
    memcpy(out, p, n);
    out[n] = 0;
  }
  return true;
}
