#include "report_charts.h"

#include "report_page.h"

#include <cstdio>

namespace {

std::string number(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", v);
  return text;
}

// Red below half right, amber below three quarters, green above.
const char* share_colour(double share) { return share < 0.5 ? "#c62828" : share < 0.75 ? "#ef9a00" : "#2e7d32"; }

}  // namespace

std::vector<quiz_point> thin_timeline(const std::vector<quiz_point>& timeline, size_t most) {
  if (timeline.size() <= most || most == 0) return timeline;
  std::vector<quiz_point> out;
  for (size_t b = 0; b < most; ++b) {
    const size_t from = timeline.size() * b / most, to = timeline.size() * (b + 1) / most;
    double sum = 0;
    for (size_t i = from; i < to; ++i) sum += timeline[i].share;
    out.push_back({timeline[to - 1].ended, sum / static_cast<double>(to - from)});
  }
  return out;
}

std::string timeline_chart(const std::vector<quiz_point>& all) {
  const std::vector<quiz_point> points = thin_timeline(all, 60);
  const double left = 44, right = 628, top = 10, bottom = 150;
  std::string svg = "<svg class=\"timeline\" viewBox=\"0 0 640 176\" width=\"640\" height=\"176\" role=\"img\" "
                    "aria-label=\"Anteil richtig je Quiz\">";
  for (const int p : {0, 50, 100}) {
    const std::string y = number(bottom - (bottom - top) * p / 100.0);
    svg += "<line x1=\"" + number(left) + "\" y1=\"" + y + "\" x2=\"" + number(right) + "\" y2=\"" + y +
           "\" stroke=\"#ccc\"/><text x=\"" + number(left - 6) + "\" y=\"" + y +
           "\" text-anchor=\"end\" dominant-baseline=\"middle\">" + std::to_string(p) + " %</text>";
  }
  if (points.empty()) return svg + "</svg>";
  const auto x_of = [&](size_t i) {
    return points.size() == 1 ? (left + right) / 2 : left + (right - left) * static_cast<double>(i) / static_cast<double>(points.size() - 1);
  };
  std::string line;
  std::string dots;
  for (size_t i = 0; i < points.size(); ++i) {
    const std::string x = number(x_of(i)), y = number(bottom - (bottom - top) * points[i].share);
    line += (i == 0 ? "" : " ") + x + "," + y;
    dots += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"3\" fill=\"" + share_colour(points[i].share) +
            "\"><title>" + wall_time_text(points[i].ended.wall) + ": " + percent_text(points[i].share) +
            "</title></circle>";
  }
  svg += "<polyline points=\"" + line + "\" fill=\"none\" stroke=\"#1565c0\" stroke-width=\"2\"/>" + dots;
  svg += "<text x=\"" + number(left) + "\" y=\"170\">" + wall_time_text(points.front().ended.wall) + "</text>";
  if (points.size() > 1)
    svg += "<text x=\"" + number(right) + "\" y=\"170\" text-anchor=\"end\">" + wall_time_text(points.back().ended.wall) +
           "</text>";
  return svg + "</svg>";
}

std::string trend_sparkline(const std::vector<quiz_point>& timeline) {
  const size_t n = timeline.size() < 5 ? timeline.size() : 5;
  std::string svg = "<svg class=\"spark\" viewBox=\"0 0 70 20\" width=\"70\" height=\"20\" aria-hidden=\"true\">"
                    "<line x1=\"0\" y1=\"10\" x2=\"70\" y2=\"10\" stroke=\"#ddd\"/>";
  std::string line;
  for (size_t i = 0; i < n; ++i) {
    const quiz_point& p = timeline[timeline.size() - n + i];
    const std::string x = number(5 + 15.0 * static_cast<double>(i)), y = number(18 - 16 * p.share);
    line += (i == 0 ? "" : " ") + x + "," + y;
    svg += "<circle cx=\"" + x + "\" cy=\"" + y + "\" r=\"2\" fill=\"" + share_colour(p.share) + "\"/>";
  }
  if (n > 1) svg += "<polyline points=\"" + line + "\" fill=\"none\" stroke=\"#1565c0\"/>";
  return svg + "</svg>";
}

std::string share_bar(double share) {
  return "<svg class=\"bar\" viewBox=\"0 0 100 10\" width=\"100\" height=\"10\" aria-hidden=\"true\">"
         "<rect width=\"100\" height=\"10\" fill=\"#eee\"/><rect width=\"" + number(100 * share) +
         "\" height=\"10\" fill=\"" + share_colour(share) + "\"/></svg>";
}
