// Text between the toolkit's Latin-1 and SDL's UTF-8. Plain byte work, kept
// apart from SDL so that tests can reach it.
#pragma once

#include <cstddef>
#include <string>

// Latin-1 to UTF-8 (window titles).
std::string vqsdl_utf8_of_latin1(const char* text);

// The characters of UTF-8 text that Latin-1 can hold, at most max of them,
// into out; returns how many. Characters beyond Latin-1 and broken
// sequences are dropped.
size_t vqsdl_latin1_of_utf8(const char* text, int* out, size_t max);
