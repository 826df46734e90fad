#include "log_reader.h"

#include "series_catalogue.h"

#include <array>
#include <charconv>
#include <cstring>

namespace {

constexpr size_t max_fields = 32;
constexpr int listed_problems = 10;

// The fields of one line; false when a quoted field does not close or the
// line holds more fields than any log has. Quoted fields are unquoted into
// `store`, whose reserve keeps the views valid.
bool split_fields(std::string_view line, std::array<std::string_view, max_fields>* fields, size_t* count,
                  std::string* store) {
  store->clear();
  store->reserve(line.size());
  size_t n = 0, i = 0;
  for (;;) {
    if (n == max_fields) return false;
    if (i < line.size() && line[i] == '"') {
      const size_t begin = store->size();
      ++i;
      for (;;) {
        if (i >= line.size()) return false;
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            store->push_back('"');
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        store->push_back(line[i++]);
      }
      (*fields)[n++] = std::string_view(store->data() + begin, store->size() - begin);
      if (i == line.size()) break;
      if (line[i] != ',') return false;   // text after a closing quote
      ++i;
    } else {
      const size_t comma = line.find(',', i);
      const size_t end = comma == std::string_view::npos ? line.size() : comma;
      const std::string_view field = line.substr(i, end - i);
      if (field.find('"') != std::string_view::npos) return false;
      (*fields)[n++] = field;
      if (comma == std::string_view::npos) break;
      i = comma + 1;
    }
  }
  *count = n;
  return true;
}

bool parse_int(std::string_view text, int32_t low, int32_t high, int32_t* out) {
  int32_t v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc() || end != text.data() + text.size() || v < low || v > high) return false;
  *out = v;
  return true;
}

int64_t days_from_civil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

bool digits(std::string_view text, size_t at, size_t n, int32_t* out) {
  if (at + n > text.size()) return false;
  int32_t v = 0;
  for (size_t i = at; i < at + n; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
  }
  *out = v;
  return true;
}

// The columns a layout is known by; -1 where a header lacks one.
enum column { c_date, c_learner, c_quiz, c_level, c_difficulty, c_tasks, c_right, c_wrong, c_seconds_used,
              c_time_budget, c_status, c_task, c_code, c_type, c_series, c_solution, c_answer, c_result,
              c_seconds, column_count };
const char* const column_names[column_count] = {
    "date", "learner", "quiz", "level", "difficulty", "tasks", "right", "wrong", "seconds_used", "time_budget",
    "status", "task", "code", "type", "series", "solution", "answer", "result", "seconds"};

struct layout {
  log_kind kind = log_kind::none;
  int at[column_count];
  size_t fields = 0;
};

layout read_header(std::string_view line) {
  layout l;
  for (int& a : l.at) a = -1;
  std::array<std::string_view, max_fields> fields;
  std::string store;
  if (!split_fields(line, &fields, &l.fields, &store)) return l;
  for (size_t i = 0; i < l.fields; ++i)
    for (int c = 0; c < column_count; ++c)
      if (fields[i] == column_names[c] && l.at[c] < 0) l.at[c] = static_cast<int>(i);
  const auto has = [&l](std::initializer_list<column> cs) {
    for (const column c : cs)
      if (l.at[c] < 0) return false;
    return true;
  };
  if (has({c_date, c_learner, c_quiz, c_task, c_code, c_result, c_seconds})) l.kind = log_kind::tasks;
  else if (has({c_date, c_level, c_difficulty, c_tasks, c_right, c_wrong, c_seconds_used, c_time_budget, c_status}))
    l.kind = log_kind::results;
  return l;
}

struct row_reader {
  const layout& l;
  const std::array<std::string_view, max_fields>& f;
  const char* problem = nullptr;

  bool has(column c) const { return l.at[c] >= 0; }
  std::string_view text(column c) const { return has(c) ? f[static_cast<size_t>(l.at[c])] : std::string_view(); }
  bool number(column c, int32_t low, int32_t high, int32_t* out, const char* why) {
    if (parse_int(text(c), low, high, out)) return true;
    if (problem == nullptr) problem = why;
    return false;
  }
  bool time(column c, log_time* out, const char* why) {
    if (parse_log_time(text(c), out)) return true;
    if (problem == nullptr) problem = why;
    return false;
  }
  bool fail(const char* why) {
    if (problem == nullptr) problem = why;
    return false;
  }
};

constexpr int32_t most_seconds = 100000000;   // a little over three years

bool read_quiz(row_reader& r, quiz_row* q) {
  q->learner = std::string(r.text(c_learner));
  bool ok = r.time(c_date, &q->ended, "Datum unlesbar");
  ok = r.number(c_level, 1, 12, &q->level, "Level nicht 1 bis 12") && ok;
  ok = r.number(c_difficulty, 1, 3, &q->difficulty, "Stufe nicht 1 bis 3") && ok;
  ok = r.number(c_tasks, 1, 24, &q->tasks, "Aufgabenzahl nicht 1 bis 24") && ok;
  ok = r.number(c_right, 0, 24, &q->right, "Zahl der richtigen Antworten unlesbar") && ok;
  ok = r.number(c_wrong, 0, 24, &q->wrong, "Zahl der falschen Antworten unlesbar") && ok;
  ok = r.number(c_seconds_used, 0, most_seconds, &q->seconds_used, "Sekunden unlesbar") && ok;
  ok = r.number(c_time_budget, 0, most_seconds, &q->time_budget, "Zeitbudget unlesbar") && ok;
  const std::string_view status = r.text(c_status);
  if (status == "finished") q->status = quiz_status::finished;
  else if (status == "stopped") q->status = quiz_status::stopped;
  else if (status == "refused") q->status = quiz_status::refused;
  else ok = r.fail("Status weder finished noch stopped noch refused");
  if (ok && q->right + q->wrong > q->tasks) ok = r.fail("mehr Antworten als Aufgaben");
  if (ok && r.has(c_quiz)) ok = r.time(c_quiz, &q->started, "Startzeit unlesbar");
  else if (ok) q->started = {q->ended.wall - q->seconds_used, q->ended.utc - q->seconds_used};
  return ok;
}

bool read_task(row_reader& r, task_row* t) {
  t->learner = std::string(r.text(c_learner));
  bool ok = r.time(c_date, &t->ended, "Datum unlesbar");
  ok = r.time(c_quiz, &t->quiz, "Startzeit unlesbar") && ok;
  ok = r.number(c_task, 1, 24, &t->task, "Aufgabennummer nicht 1 bis 24") && ok;
  ok = r.number(c_code, 1101, 12330, &t->code, "Aufgabencode unlesbar") && ok;
  ok = r.number(c_seconds, 0, most_seconds, &t->seconds, "Sekunden unlesbar") && ok;
  const std::string_view result = r.text(c_result);
  if (result == "right") t->result = task_result::right;
  else if (result == "wrong") t->result = task_result::wrong;
  else if (result == "skipped") t->result = task_result::skipped;
  else ok = r.fail("Ergebnis weder right noch wrong noch skipped");
  if (!ok) return false;
  if (catalogue_lookup(t->code) == nullptr) return r.fail("kein Aufgabencode des Spiels");
  // Level, difficulty and type follow from the code; a line that says otherwise is damaged.
  t->level = t->code / 1000, t->difficulty = t->code / 100 % 10, t->type = t->code % 100;
  int32_t v = 0;
  if (r.has(c_level) && !(parse_int(r.text(c_level), 1, 12, &v) && v == t->level)) return r.fail("Level passt nicht zum Code");
  if (r.has(c_difficulty) && !(parse_int(r.text(c_difficulty), 1, 3, &v) && v == t->difficulty))
    return r.fail("Stufe passt nicht zum Code");
  if (r.has(c_type) && !(parse_int(r.text(c_type), 1, 30, &v) && v == t->type)) return r.fail("Typ passt nicht zum Code");
  t->series = std::string(r.text(c_series));
  t->solution = 0;
  if (r.has(c_solution) && !r.number(c_solution, INT32_MIN, INT32_MAX, &t->solution, "Lösung unlesbar")) return false;
  const std::string_view answer = r.text(c_answer);
  t->answered = !answer.empty();
  t->answer = 0;
  if (t->answered && !r.number(c_answer, INT32_MIN, INT32_MAX, &t->answer, "Antwort unlesbar")) return false;
  if (t->answered == (t->result == task_result::skipped)) return r.fail("Antwort passt nicht zum Ergebnis");
  return true;
}

// A short, printable excerpt of a line for a problem report.
std::string excerpt(std::string_view line) {
  std::string s;
  for (const char c : line.substr(0, 40)) s += static_cast<unsigned char>(c) < 32 ? ' ' : c;
  return line.size() > 40 ? s + "..." : s;
}

}  // namespace

bool parse_log_time(std::string_view t, log_time* out) {
  int32_t year, month, day, hour, minute, second;
  if (t.size() < 19 || t[4] != '-' || t[7] != '-' || t[10] != 'T' || t[13] != ':' || t[16] != ':') return false;
  if (!digits(t, 0, 4, &year) || !digits(t, 5, 2, &month) || !digits(t, 8, 2, &day) || !digits(t, 11, 2, &hour) ||
      !digits(t, 14, 2, &minute) || !digits(t, 17, 2, &second))
    return false;
  static const int month_days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1 || day > month_days[month - 1] || hour > 23 || minute > 59 || second > 60)
    return false;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  if (month == 2 && day == 29 && !leap) return false;
  int64_t offset = 0;
  const std::string_view zone = t.substr(19);
  if (zone == "Z") {
    offset = 0;
  } else if (!zone.empty()) {
    int32_t oh, om;
    if (zone.size() != 6 || (zone[0] != '+' && zone[0] != '-') || zone[3] != ':' || !digits(zone, 1, 2, &oh) ||
        !digits(zone, 4, 2, &om) || oh > 14 || om > 59)
      return false;
    offset = (zone[0] == '-' ? -1 : 1) * (oh * 3600 + om * 60);
  }
  out->wall = days_from_civil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second;
  out->utc = out->wall - offset;
  return true;
}

log_reading read_log(const std::string& name, std::string_view text) {
  log_reading out;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);   // a spreadsheet's byte order mark
  size_t pos = 0;
  const auto next_line = [&text, &pos]() {
    const size_t end = text.find('\n', pos);
    std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() + 1 : end + 1;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
  };
  const std::string_view header = next_line();
  const layout l = read_header(header);
  out.kind = l.kind;
  if (l.kind == log_kind::none) {
    out.problems.push_back(name + ": keine Ergebnis- oder Aufgabenliste des Spiels (erste Zeile \"" + excerpt(header) +
                           "\"), übersprungen");
    return out;
  }
  std::array<std::string_view, max_fields> fields;
  std::string store;
  int64_t line_number = 1;
  while (pos <= text.size()) {
    const bool last = text.find('\n', pos) == std::string_view::npos;
    const std::string_view line = next_line();
    ++line_number;
    if (line.empty()) continue;
    ++out.lines_read;
    size_t count = 0;
    row_reader r{l, fields};
    bool ok = split_fields(line, &fields, &count, &store);
    if (!ok) r.problem = "Anführungszeichen oder Felder durcheinander";
    else if (count != l.fields) ok = r.fail(count < l.fields && last ? "Zeile bricht ab" : "falsche Zahl der Felder");
    if (ok && l.kind == log_kind::results) {
      quiz_row q;
      if ((ok = read_quiz(r, &q))) out.quizzes.push_back(std::move(q));
    } else if (ok) {
      task_row t;
      if ((ok = read_task(r, &t))) out.tasks.push_back(std::move(t));
    }
    if (ok) continue;
    ++out.lines_skipped;
    if (out.lines_skipped <= listed_problems)
      out.problems.push_back(name + ", Zeile " + std::to_string(line_number) + ": übersprungen, " + r.problem);
  }
  if (out.lines_skipped > listed_problems)
    out.problems.push_back(name + ": " + std::to_string(out.lines_skipped - listed_problems) +
                           " weitere beschädigte Zeilen übersprungen (" + std::to_string(out.lines_skipped) +
                           " von " + std::to_string(out.lines_read) + ")");
  return out;
}
