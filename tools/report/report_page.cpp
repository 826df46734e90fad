#include "report_page.h"

#include "report_charts.h"
#include "series_rules.h"

#include <cmath>
#include <cstdio>

namespace {

const char* const style = R"(
@page { size: A4; margin: 14mm; }
body { font-family: "DejaVu Sans", Arial, Helvetica, sans-serif; font-size: 10.5pt; color: #222; max-width: 182mm; margin: 1em auto; }
h1 { font-size: 17pt; margin: 0 0 .2em; }
h2 { font-size: 13.5pt; margin: 1.2em 0 .4em; border-bottom: 2px solid #1565c0; }
h3 { font-size: 11pt; margin: 1em 0 .3em; }
p.meta { color: #555; margin: 0 0 1em; }
table { border-collapse: collapse; width: 100%; margin: .3em 0; }
th, td { border-bottom: 1px solid #ddd; padding: 3px 5px; text-align: left; vertical-align: middle; }
th { background: #e8eef7; font-weight: 600; }
td.n, th.n { text-align: right; white-space: nowrap; }
td.series { font-family: "DejaVu Sans Mono", monospace; font-size: 9pt; }
tr { break-inside: avoid; }
svg text { font-size: 10px; fill: #555; }
section.learner { break-before: page; }
.notes { background: #fff6e0; border-left: 4px solid #ef9a00; padding: .3em .8em; }
.notes li { margin: .15em 0; }
.practise li { margin: .2em 0; }
.setting { background: #e8f5e9; border-left: 4px solid #2e7d32; padding: .3em .8em; }
td.trend { white-space: nowrap; }
svg.spark, svg.bar { vertical-align: middle; }
h2, h3 { break-after: avoid; }
.setting, ol.practise, svg.timeline { break-inside: avoid; }
@media print { body { font-size: 9pt; max-width: none; margin: 0; } }
)";

std::string integer(int64_t v) { return std::to_string(v); }

std::string minutes_text(int64_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60), static_cast<long long>(seconds % 60));
  return text;
}

std::string type_name(int32_t code) {
  return "Level " + integer(code / 1000) + ", Stufe " + integer(code / 100 % 10) + ", Typ " + integer(code % 100);
}

std::string join(const std::vector<int32_t>& values) {
  std::string s;
  for (size_t i = 0; i < values.size(); ++i) s += (i == 0 ? "" : ", ") + integer(values[i]);
  return s;
}

std::string class_table(const report_figures& f) {
  std::string s = "<h2>Klasse</h2>\n<table id=\"klasse\">\n<thead><tr><th>Name</th><th class=\"n\">Quiz</th>"
                  "<th class=\"n\">Aufgaben</th><th class=\"n\">richtig</th><th class=\"n\">Zeit (min)</th>"
                  "<th class=\"n\">vom Budget</th><th>letzte 5 Quiz</th></tr></thead>\n<tbody>\n";
  for (const learner_figures& l : f.learners) {
    s += "<tr class=\"learner\"><td>" + html_text(l.name) + "</td><td class=\"n\">" + integer(l.quizzes) +
         "</td><td class=\"n\">" + integer(l.overall.tasks) + "</td><td class=\"n\">" +
         (l.overall.tasks > 0 ? percent_text(l.overall.share()) : "–") + "</td><td class=\"n\">" +
         minutes_text(l.seconds_used) + " / " + minutes_text(l.time_budget) + "</td><td class=\"n\">" +
         (l.time_budget > 0 ? percent_text(static_cast<double>(l.seconds_used) / static_cast<double>(l.time_budget)) : "–") +
         "</td><td class=\"trend\">" + trend_sparkline(l.timeline) + " " + trend_word(l.timeline) + "</td></tr>\n";
  }
  return s + "</tbody>\n</table>\n<p class=\"meta\">Anteil richtig wie im Spiel: richtige Antworten durch die "
             "Aufgaben jedes Quiz (übersprungene und nach dem Schließen offene zählen nicht als richtig). "
             "Abgelehnte Quiz (alle Typen ausgeschaltet) zählen nur als Quiz.</p>\n";
}

std::string level_table(const learner_figures& l) {
  std::string s = "<h3>Nach Level und Stufe</h3>\n<table class=\"levels\">\n<thead><tr><th class=\"n\">Level</th>"
                  "<th class=\"n\">Stufe</th><th class=\"n\">Quiz</th><th class=\"n\">Aufgaben</th>"
                  "<th class=\"n\">richtig</th><th></th></tr></thead>\n<tbody>\n";
  for (int level = 1; level <= 12; ++level)
    for (int difficulty = 1; difficulty <= 3; ++difficulty) {
      const share_count& c = l.by_level[level][difficulty];
      if (c.tasks == 0) continue;
      s += "<tr><td class=\"n\">" + integer(level) + "</td><td class=\"n\">" + integer(difficulty) +
           "</td><td class=\"n\">" + integer(l.quizzes_by_level[level][difficulty]) + "</td><td class=\"n\">" +
           integer(c.tasks) + "</td><td class=\"n\">" + percent_text(c.share()) + "</td><td>" + share_bar(c.share()) +
           "</td></tr>\n";
    }
  return s + "</tbody>\n</table>\n";
}

std::string type_table(const learner_figures& l) {
  if (l.types.empty()) return "<h3>Nach Aufgabentyp</h3>\n<p>Keine Aufgabenliste (tasks.csv) zu diesem Namen gefunden.</p>\n";
  std::string s = "<h3>Nach Aufgabentyp</h3>\n<table class=\"types\">\n<thead><tr><th>Typ</th><th>Regel</th>"
                  "<th>Beispiel aus dem Protokoll</th><th class=\"n\">Aufgaben</th><th class=\"n\">richtig</th>"
                  "<th></th></tr></thead>\n<tbody>\n";
  for (const type_figures& t : l.types) {
    const char* rule = series_rule_text(t.code);
    s += "<tr><td class=\"n\">" + integer(t.code / 1000) + "/" + integer(t.code / 100 % 10) + "/" + integer(t.code % 100) +
         "</td><td>" + (rule != nullptr ? rule : "") + "</td><td class=\"series\">" + html_text(t.example) +
         "</td><td class=\"n\">" + integer(t.tasks) + "</td><td class=\"n\">" + percent_text(t.share()) + "</td><td>" +
         share_bar(t.share()) + "</td></tr>\n";
  }
  return s + "</tbody>\n</table>\n<p class=\"meta\">Typ als Level/Stufe/Nummer, wie im Editor "
             "„Aufgabenauswahl?“.</p>\n";
}

std::string practice(const learner_figures& l) {
  std::string s = "<h3>Als Nächstes üben</h3>\n";
  if (l.practise.empty())
    return s + "<p>Alle Aufgabentypen im Protokoll wurden immer richtig gelöst.</p>\n";
  s += "<ol class=\"practise\">\n";
  for (const int32_t code : l.practise)
    for (const type_figures& t : l.types)
      if (t.code == code) {
        const char* rule = series_rule_text(code);
        s += "<li>" + type_name(code) + ": " + (rule != nullptr ? rule : "") + " (" + percent_text(t.share()) +
             " richtig bei " + integer(t.tasks) + (t.tasks == 1 ? " Aufgabe" : " Aufgaben") + ")</li>\n";
      }
  s += "</ol>\n<div class=\"setting\"><p>Im Spiel Level und Stufe einstellen, „Aufgabenauswahl?“ drücken und nur "
       "diese Typen eingeschaltet lassen (die anderen anklicken):</p>\n<ul>\n";
  for (const editor_setting& e : l.settings) {
    std::vector<int32_t> off;
    for (int32_t type = 1; type <= e.type_count; ++type) {
      bool keep = false;
      for (const int32_t t : e.types) keep = keep || t == type;
      if (!keep) off.push_back(type);
    }
    s += "<li class=\"editor\">Level " + integer(e.level) + ", Stufe " + integer(e.difficulty) + ": Typ " + join(e.types) +
         " eingeschaltet lassen" + (off.empty() ? "" : "; ausschalten: " + join(off)) + "</li>\n";
  }
  return s + "</ul></div>\n";
}

std::string learner_section(const learner_figures& l) {
  std::string s = "<section class=\"learner\">\n<h2>" + html_text(l.name) + "</h2>\n<p class=\"meta\">" +
                  integer(l.quizzes) + " Quiz, " + integer(l.overall.tasks) + " Aufgaben, " +
                  (l.overall.tasks > 0 ? percent_text(l.overall.share()) : "–") + " richtig";
  if (l.stopped > 0) s += ", " + integer(l.stopped) + " abgebrochen";
  if (l.refused > 0) s += ", " + integer(l.refused) + " abgelehnt";
  s += "</p>\n<h3>Anteil richtig je Quiz</h3>\n" + timeline_chart(l.timeline) + "\n";
  if (l.timeline.size() > 60) s += "<p class=\"meta\">Je Punkt der Mittelwert mehrerer aufeinanderfolgender Quiz.</p>\n";
  return s + level_table(l) + type_table(l) + practice(l) + "</section>\n";
}

}  // namespace

std::string html_text(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      switch (c) {
        case '&': s += "&amp;"; break;
        case '<': s += "&lt;"; break;
        case '>': s += "&gt;"; break;
        case '"': s += "&quot;"; break;
        default: s += c < 32 ? ' ' : static_cast<char>(c);
      }
      ++i;
      continue;
    }
    // A well-formed sequence of 2 to 4 bytes (no overlong forms, no surrogates) is kept.
    const size_t n = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
    bool ok = n != 0 && i + n <= text.size();
    for (size_t k = 1; ok && k < n; ++k) ok = (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
    if (ok && n >= 3) {
      const unsigned char c1 = static_cast<unsigned char>(text[i + 1]);
      ok = !(c == 0xE0 && c1 < 0xA0) && !(c == 0xED && c1 >= 0xA0) && !(c == 0xF0 && c1 < 0x90) && !(c == 0xF4 && c1 >= 0x90);
    }
    if (ok) {
      s.append(text.data() + i, n);
      i += n;
    } else {
      s += "\xEF\xBF\xBD";
      ++i;
    }
  }
  return s;
}

std::string wall_time_text(int64_t wall) {
  // Civil date from days (the inverse of the reader's days count).
  const int64_t days = wall >= 0 ? wall / 86400 : (wall - 86399) / 86400, seconds = wall - days * 86400;
  const int64_t z = days + 719468, era = (z >= 0 ? z : z - 146096) / 146097, doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365, doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153, day = doy - (153 * mp + 2) / 5 + 1, month = mp < 10 ? mp + 3 : mp - 9;
  const int64_t year = yoe + era * 400 + (month <= 2);
  char text[96];
  std::snprintf(text, sizeof text, "%02lld.%02lld.%04lld %02lld:%02lld", static_cast<long long>(day),
                static_cast<long long>(month), static_cast<long long>(year), static_cast<long long>(seconds / 3600),
                static_cast<long long>(seconds / 60 % 60));
  return text;
}

std::string percent_text(double share) { return std::to_string(static_cast<int64_t>(std::floor(share * 100 + 0.5))) + " %"; }

std::string report_page(const report_figures& f) {
  const log_time* latest = nullptr;
  for (const learner_figures& l : f.learners)
    if (!l.timeline.empty() && (latest == nullptr || l.timeline.back().ended.utc > latest->utc)) latest = &l.timeline.back().ended;
  std::string s = "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
                  "<title>QUORILA – Übungsbericht</title>\n<style>" + std::string(style) + "</style>\n</head>\n<body>\n"
                  "<h1>QUORILA – Übungsbericht</h1>\n<p class=\"meta\" id=\"summary\">" +
                  integer(static_cast<int64_t>(f.learners.size())) + " Lernende, " + integer(f.quiz_rows) + " Quiz, " +
                  integer(f.task_rows) + " Aufgaben aus " + integer(f.files_read) + (f.files_read == 1 ? " Protokolldatei" : " Protokolldateien") +
                  (latest != nullptr ? ", letztes Quiz " + wall_time_text(latest->wall) : "") + "</p>\n";
  if (!f.problems.empty()) {
    s += "<div class=\"notes\"><p>Nicht alles war lesbar:</p>\n<ul>\n";
    for (const std::string& p : f.problems) s += "<li>" + html_text(p) + "</li>\n";
    s += "</ul></div>\n";
  }
  s += class_table(f);
  for (const learner_figures& l : f.learners) s += learner_section(l);
  return s + "</body>\n</html>\n";
}

std::string report_csv(const report_figures& f) {
  std::string s = "learner,level,difficulty,type,code,rule,tasks,right,wrong,skipped,right_percent,example\n";
  const auto field = [](std::string text) {
    // A spreadsheet would take a field that starts so as a formula.
    if (!text.empty() && (text[0] == '=' || text[0] == '+' || text[0] == '@')) text.insert(0, "'");
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
  };
  for (const learner_figures& l : f.learners)
    for (const type_figures& t : l.types) {
      const char* rule = series_rule_text(t.code);
      s += field(l.name) + "," + integer(t.code / 1000) + "," + integer(t.code / 100 % 10) + "," + integer(t.code % 100) +
           "," + integer(t.code) + "," + field(rule != nullptr ? rule : "") + "," + integer(t.tasks) + "," +
           integer(t.right) + "," + integer(t.wrong) + "," + integer(t.skipped) + "," +
           integer(static_cast<int64_t>(std::floor(t.share() * 100 + 0.5))) + "," + field(t.example) + "\n";
    }
  return s;
}
