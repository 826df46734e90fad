#include "report_data.h"

#include "series_catalogue.h"

#include <algorithm>
#include <map>
#include <unordered_set>

namespace {

const char* const no_name = "(ohne Namen)";

std::string key(const std::string& learner, int64_t a, int64_t b) {
  std::string k = learner;
  k += '\0';
  k += std::to_string(a);
  k += '/';
  k += std::to_string(b);
  return k;
}

int32_t types_at(int32_t level, int32_t difficulty) {
  int32_t n = 0;
  for (int i = 0; i < catalogue_size; ++i)
    if (catalogue_table[i].code / 100 == level * 10 + difficulty) ++n;
  return n;
}

// Weakest first: the share right with one right and one wrong answer added,
// so that one lucky or unlucky task weighs less than many.
double weakness_order(const type_figures& t) {
  return static_cast<double>(t.right + 1) / static_cast<double>(t.tasks + 2);
}

void choose_practice(learner_figures* l) {
  std::vector<const type_figures*> weak;
  for (const type_figures& t : l->types)
    if (t.right < t.tasks) weak.push_back(&t);
  std::stable_sort(weak.begin(), weak.end(), [](const type_figures* a, const type_figures* b) {
    const double wa = weakness_order(*a), wb = weakness_order(*b);
    return wa != wb ? wa < wb : a->tasks > b->tasks;
  });
  if (weak.size() > 5) weak.resize(5);
  for (const type_figures* t : weak) l->practise.push_back(t->code);
  std::map<int32_t, editor_setting> by_place;
  for (const int32_t code : l->practise) {
    editor_setting& s = by_place[code / 100];
    s.level = code / 1000, s.difficulty = code / 100 % 10, s.type_count = types_at(s.level, s.difficulty);
    s.types.push_back(code % 100);
  }
  for (auto& [place, s] : by_place) {
    std::sort(s.types.begin(), s.types.end());
    l->settings.push_back(s);
  }
}

}  // namespace

const char* trend_word(const std::vector<quiz_point>& timeline) {
  const size_t n = std::min<size_t>(timeline.size(), 5);
  if (n < 2) return "";
  // The slope of a straight line through the last n shares, over the n quizzes.
  double mx = 0, my = 0;
  for (size_t i = 0; i < n; ++i) mx += static_cast<double>(i), my += timeline[timeline.size() - n + i].share;
  mx /= static_cast<double>(n), my /= static_cast<double>(n);
  double sxy = 0, sxx = 0;
  for (size_t i = 0; i < n; ++i) {
    const double dx = static_cast<double>(i) - mx;
    sxy += dx * (timeline[timeline.size() - n + i].share - my);
    sxx += dx * dx;
  }
  const double change = sxy / sxx * static_cast<double>(n - 1);
  return change > 0.1 ? "steigend" : change < -0.1 ? "fallend" : "gleich";
}

report_figures gather_figures(const std::vector<log_reading>& readings) {
  report_figures out;
  std::map<std::string, learner_figures> learners;
  std::unordered_set<std::string> seen;
  const auto learner = [&learners](const std::string& name) -> learner_figures& {
    learner_figures& l = learners[name.empty() ? no_name : name];
    if (l.name.empty()) l.name = name.empty() ? no_name : name;
    return l;
  };
  std::vector<const quiz_row*> quizzes;
  std::map<std::pair<std::string, int32_t>, type_figures> types;
  for (const log_reading& r : readings) {
    if (r.kind != log_kind::none) ++out.files_read;
    out.problems.insert(out.problems.end(), r.problems.begin(), r.problems.end());
    for (const quiz_row& q : r.quizzes) {
      if (!seen.insert(key("q" + q.learner, q.started.utc, q.ended.utc)).second) {
        ++out.duplicates;
        continue;
      }
      ++out.quiz_rows;
      quizzes.push_back(&q);
    }
    for (const task_row& t : r.tasks) {
      if (!seen.insert(key("t" + t.learner, t.quiz.utc, t.task)).second) {
        ++out.duplicates;
        continue;
      }
      ++out.task_rows;
      learner(t.learner);
      type_figures& f = types[{t.learner.empty() ? no_name : t.learner, t.code}];
      f.code = t.code;
      ++f.tasks;
      f.right += t.result == task_result::right;
      f.wrong += t.result == task_result::wrong;
      f.skipped += t.result == task_result::skipped;
      if (f.example.empty() || t.ended.utc >= f.example_at) f.example = t.series, f.example_at = t.ended.utc;
    }
  }
  std::stable_sort(quizzes.begin(), quizzes.end(),
                   [](const quiz_row* a, const quiz_row* b) { return a->ended.utc < b->ended.utc; });
  for (const quiz_row* q : quizzes) {
    learner_figures& l = learner(q->learner);
    ++l.quizzes;
    if (q->status == quiz_status::refused) {
      ++l.refused;
      continue;
    }
    l.stopped += q->status == quiz_status::stopped;
    l.overall.tasks += q->tasks, l.overall.right += q->right;
    l.seconds_used += q->seconds_used, l.time_budget += q->time_budget;
    l.by_level[q->level][q->difficulty].tasks += q->tasks;
    l.by_level[q->level][q->difficulty].right += q->right;
    ++l.quizzes_by_level[q->level][q->difficulty];
    l.timeline.push_back({q->ended, static_cast<double>(q->right) / static_cast<double>(q->tasks)});
  }
  for (auto& [place, f] : types) learners[place.first].types.push_back(std::move(f));
  if (out.duplicates > 0)
    out.problems.push_back(std::to_string(out.duplicates) + " doppelte Zeilen (dieselbe Aufgabe oder dasselbe Quiz "
                           "in mehreren Dateien) nur einmal gezählt");
  for (auto& [name, l] : learners) {
    choose_practice(&l);
    out.learners.push_back(std::move(l));
  }
  return out;
}
