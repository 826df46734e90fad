// The report's inline SVG charts: the share right per quiz as a line, a
// small line of the last quizzes, and a horizontal bar.
#pragma once

#include "report_data.h"

#include <string>
#include <vector>

// At most `most` points: a longer timeline is cut into that many runs of
// consecutive quizzes, each shown as its mean.
std::vector<quiz_point> thin_timeline(const std::vector<quiz_point>& timeline, size_t most);

std::string timeline_chart(const std::vector<quiz_point>& timeline);
std::string trend_sparkline(const std::vector<quiz_point>& timeline);
std::string share_bar(double share);
