// The teachers' report as one self-contained HTML page (inline SVG charts,
// no scripts, no fonts or pictures from elsewhere, printable on A4), and
// the per-learner, per-type table as CSV for a spreadsheet.
#pragma once

#include "report_data.h"

#include <string>
#include <string_view>

std::string report_page(const report_figures& figures);
std::string report_csv(const report_figures& figures);

// Text for HTML: the markup characters escaped, and bytes that are not
// UTF-8 replaced by U+FFFD, so that any learner name gives a valid page.
std::string html_text(std::string_view text);
// "14.11.2023 23:13", from the wall clock.
std::string wall_time_text(int64_t wall);
// "78 %" (rounded, as a German text writes it).
std::string percent_text(double share);
