// The XPM reader's pieces that the size reader, the tests and the fuzz
// target use on their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Width and height from the first string of an XPM text (cut as
// vqxpm_split cuts it); false, silently, when there is no sound header (the
// caller reports). Reads nothing beyond the first string.
bool vqxpm_read_sizes(const uint8_t* bytes, size_t size, int* w, int* h);

// The string array of an XPM text: everything before the first '"' is
// skipped, characters inside quotes are collected, and a ',' outside quotes
// ends one string. A quoted string that meets a line break or the end of the
// text before its closing quote ends the scan: the strings before it are
// kept and `unclosed` is set. The scan stops after `limit` strings.
struct vqxpm_strings {
  std::vector<std::string> items;
  bool unclosed = false;
};
vqxpm_strings vqxpm_split(const uint8_t* bytes, size_t size, size_t limit = SIZE_MAX);

// Reads up to `wanted` blank-separated decimal numbers from the start of a
// header string; returns how many were read, or -1 for a number above
// vqxpm_number_limit or one that runs into other characters.
enum { vqxpm_number_limit = 1000000000 };
int vqxpm_header_numbers(const char* text, size_t size, long* values, int wanted);

// The XPM alphabet of pixel codes and the code of value v with one or two
// characters per pixel ("" when v does not fit).
extern const char vqxpm_alphabet[];
std::string vqxpm_code(int value, int chars_per_pixel);
