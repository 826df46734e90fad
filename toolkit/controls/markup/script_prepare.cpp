// The markup text before it is laid out: formatting with literal percent
// signs kept, and the cutting into tags and words.
#include "vqcfgstr.h"
#include "vqscript.h"

#include <cstdio>
#include <cstring>

namespace {

bool ends_word(char c) {
  return c == ' ' || c == '\r' || c == '\n' || c == '-' || c == '.' || c == '?' || c == '!' ||
         c == ',' || c == ';' || c == ':';
}

}  // namespace

char* vqscript_prepare(const char* format, va_list args) {
  if (!format) format = "";
  size_t length = strlen(format);
  std::string escaped(2 * length + 1, '\0');
  vqcfgstr_escape(escaped.data(), escaped.size(), format);
  // The buffer is 10 x the markup's length + 1000 bytes, or as much as the
  // formatted text needs: a long argument ("%s" with a whole markup) is
  // laid out whole rather than cut.
  va_list measure;
  va_copy(measure, args);
  int needed = vsnprintf(nullptr, 0, escaped.c_str(), measure);
  va_end(measure);
  size_t size = 10 * length + 1000;
  if (needed >= 0 && static_cast<size_t>(needed) + 1 > size) size = static_cast<size_t>(needed) + 1;
  char* out = new char[size];
  if (needed < 0 || vsnprintf(out, size, escaped.c_str(), args) < 0) out[0] = 0;
  return out;
}

vqscript_token vqscript_nexttoken(const char* text, size_t* pos) {
  vqscript_token t{VQSCRIPT_END, nullptr, 0};
  if (!text || !pos) return t;
  size_t i = *pos;
  if (text[i] == 0) return t;
  if (text[i] == '<') {
    size_t start = ++i;
    // A '>' followed by another '>' belongs to the tag's text.
    while (text[i] && !(text[i] == '>' && text[i + 1] != '>')) i++;
    t = vqscript_token{VQSCRIPT_TAG, text + start, i - start};
    if (text[i] == '>') i++;
    *pos = i;
    return t;
  }
  size_t start = i;
  while (text[i] && text[i] != '<') {
    if (ends_word(text[i++])) break;
  }
  *pos = i;
  return vqscript_token{VQSCRIPT_WORD, text + start, i - start};
}

void vqscript_splittag(const char* tag, size_t length, char* name, size_t name_size,
                       std::string* value) {
  size_t n = 0;
  while (n < length && tag[n] != ' ' && tag[n] != '=') n++;
  if (name && name_size > 0) {
    size_t keep = n < name_size - 1 ? n : name_size - 1;
    memcpy(name, tag, keep);
    name[keep] = 0;
  }
  if (!value) return;
  const void* eq = memchr(tag, '=', length);
  if (eq == nullptr) {
    value->clear();
    return;
  }
  const char* v = static_cast<const char*>(eq) + 1;
  value->assign(v, static_cast<size_t>(tag + length - v));
}

void vqscript_splitcontrol(const std::string& value, char* name, size_t name_size,
                           std::string* options) {
  size_t kept = 0, i = 0;
  const size_t n = value.size();
  auto keep = [&](char c) {
    if (name && kept + 1 < name_size) name[kept++] = c;
  };
  for (; i < n; i++) {
    if (value[i] == '\n') break;
    if (value[i] == ',') {
      if (i + 1 < n && value[i + 1] == ',') {
        keep(',');
        i++;
        continue;
      }
      break;
    }
    keep(value[i]);
  }
  if (name && name_size > 0) name[kept] = 0;
  if (options) options->assign(i < n ? value.substr(i + 1) : std::string());
}
