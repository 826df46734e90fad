// File type by the file name's extension.
#include <strings.h>

#include <cstring>

#include "vqimagefile.h"

int vqimage_type_of(const char* filename) {
  if (!filename) return VQIMG_UNSUPPORTED;
  const char* dot = strrchr(filename, '.');
  if (!dot) return VQIMG_UNSUPPORTED;
  static const struct {
    const char* extension;
    int type;
  } kTypes[] = {{"png", VQIMG_PNG}, {"bmp", VQIMG_BMP}, {"xpm", VQIMG_XPM},
                {"ppm", VQIMG_PPM}, {"pcx", VQIMG_PCX}, {"htm", VQIMG_HTML},
                {"html", VQIMG_HTML}, {"wmf", VQIMG_WMF}, {"ps", VQIMG_PS},
                {"pdf", VQIMG_PDF}};
  for (const auto& t : kTypes)
    if (strcasecmp(dot + 1, t.extension) == 0) return t.type;
  return VQIMG_UNSUPPORTED;
}
