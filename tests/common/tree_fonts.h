// The system fonts of a test program are the ones tests/common/fonts.conf
// names, not the machine's: a test program that includes this header sets
// FONTCONFIG_FILE before main, so before fontconfig first reads its
// configuration in the process, and pictures drawn with system fonts come
// out the same on every machine with fonts-liberation installed.
#pragma once

#include <cstdlib>
#include <string>

inline const bool tree_fonts_in_use = setenv("FONTCONFIG_FILE", (std::string(VQ_TESTS_DIR) + "/common/fonts.conf").c_str(), 1) == 0;
