// The up-down control's value: stored as its text, on the step grid and
// between min and max, with leading zeros and a decimal point; read back as
// an integer scaled by the decimal places.
#include "controls_internal.h"

#include "vqcfgstr.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int saturate(long long v) { return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v); }

// The leading integer of a text (blanks, a sign, digits), saturated to the
// int range rather than wrapping.
int leading_integer(const char* s) {
  while (*s == ' ' || *s == '\t') ++s;
  bool negative = *s == '-';
  if (*s == '-' || *s == '+') ++s;
  long long v = 0;
  for (; *s >= '0' && *s <= '9'; ++s) {
    v = v * 10 + (*s - '0');
    if (v > 1LL + INT_MAX) v = 1LL + INT_MAX;
  }
  return saturate(negative ? -v : v);
}

bool separator(char ch) { return ch == '.' || ch == ','; }

}  // namespace

void vqupdown_format(int value, int digits, int decimal, char* out, int size) {
  if (out == nullptr || size <= 0) return;
  char number[32];
  if (digits >= 1 && digits <= 10)
    std::snprintf(number, sizeof number, "%0*d", digits, value);
  else
    std::snprintf(number, sizeof number, "%d", value);
  if (decimal <= 0) {
    std::snprintf(out, static_cast<size_t>(size), "%s", number);
    return;
  }
  // The point goes before the last `decimal` digits; a number with fewer
  // digits than that gets leading zeros first, so 5 with two places is 0.05.
  const char* sign = number[0] == '-' ? "-" : "";
  const char* magnitude = number + std::strlen(sign);
  int length = static_cast<int>(std::strlen(magnitude));
  int zeros = length < decimal + 1 ? decimal + 1 - length : 0;
  char padded[64];
  std::memset(padded, '0', static_cast<size_t>(zeros));
  std::snprintf(padded + zeros, sizeof padded - static_cast<size_t>(zeros), "%s", magnitude);
  int whole = static_cast<int>(std::strlen(padded)) - decimal;
  std::snprintf(out, static_cast<size_t>(size), "%s%.*s.%s", sign, whole, padded, padded + whole);
}

int vqupdown_parse(const char* text, int decimal) {
  if (text == nullptr) return 0;
  if (decimal <= 0) return leading_integer(text);
  const char* last = nullptr;
  for (const char* p = text; *p != 0; ++p)
    if (separator(*p)) last = p;
  int count = 0;
  const char* end = text + std::strlen(text);
  if (last != nullptr) {
    while (last[1 + count] >= '0' && last[1 + count] <= '9') ++count;
    end = last + 1 + count;
  }
  char joined[VQUPDOWN_TEXTSIZE + 16];
  size_t n = 0;
  for (const char* p = text; p < end && n < VQUPDOWN_TEXTSIZE; ++p)
    if (!separator(*p)) joined[n++] = *p;
  // More places than the control keeps are cut off, not taken as a number
  // ten or a hundred times larger.
  if (count > decimal) n -= static_cast<size_t>(count - decimal);
  for (int i = count; i < decimal; ++i) joined[n++] = '0';
  joined[n] = 0;
  return leading_integer(joined);
}

void vqupdown_setvalue(vqUpDownControl* c, int value) {
  if (c == nullptr) return;
  long long v = static_cast<long long>(value) / c->step * c->step;
  if (v > c->max) v = c->max;
  if (v < c->min) v = c->min;
  vqupdown_format(saturate(v), c->digits, c->decimal, c->text, sizeof c->text);
  if (c->editing) {
    c->cursor = static_cast<int>(std::strlen(c->text));
    std::memcpy(c->saved_text, c->text, sizeof c->text);
  }
  vqupdown_redraw(c);
}

int vqupdown_getvalue(const vqUpDownControl* c) {
  return c != nullptr ? vqupdown_parse(c->text, c->decimal) : 0;
}

void vqupdown_step(vqUpDownControl* c, int direction, bool notify) {
  if (c == nullptr) return;
  long long v = static_cast<long long>(vqupdown_getvalue(c)) + static_cast<long long>(direction) * c->step;
  vqupdown_setvalue(c, saturate(v));
  if (notify) vqcontrol_notify(&c->notify, vqupdown_getvalue(c), direction);
}

int vqupdown_intvalue(const vqUpDownControl* c) {
  return c != nullptr ? vqcfgstr_toint(std::strtod(c->text, nullptr)) : 0;
}
