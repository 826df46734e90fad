#include "vqinfo.h"
#include "vqplatform.h"

#include <cstdio>

const char* const vqinfo_version = "2.40.1708.29";

void vqinfo_show() {
  char text[600];
  std::snprintf(text, sizeof text,
                "vqkit %s\n\n"
                "vqkit is a toolkit for programs that run on several platforms "
                "(Linux, MacOS X, FreeBSD, MS-Windows, QNX).\n\n"
                "Notice: this program is built on vqkit. vqkit comes without any warranty; "
                "its authors accept no liability for damage caused by its use.",
                vqinfo_version);
  vqplatform_infobox("vqkit", text);
}
