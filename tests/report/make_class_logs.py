#!/usr/bin/env python3
# Writes the fixed class logs under data/klasse/ that the report's golden
# test reads: three learners on two machines, several levels, the series
# and answers of real tasks (from quorila-series), one damaged line in each
# of Ben's logs and a file that is no log. Run once with the build folder:
#   python3 tests/report/make_class_logs.py build/release
import os, random, subprocess, sys, datetime

build = sys.argv[1]
here = os.path.dirname(os.path.abspath(__file__))
out = os.path.join(here, "data", "klasse")
seconds_per_task = {(1, 1): 10, (2, 1): 15, (3, 2): 15, (9, 3): 10}
type_counts = {(1, 1): 3, (2, 1): 3, (3, 2): 10, (9, 3): 16}
zone = datetime.timezone(datetime.timedelta(hours=1))

def when(day, hour, minute, second=0):
    return datetime.datetime(2026, 3, day, hour, minute, second, tzinfo=zone)

def iso(t):
    return t.isoformat()

def field(text):
    return '"' + text.replace('"', '""') + '"' if any(c in text for c in ',"\r\n') else text

def series_of(code, seed):
    line = subprocess.run([os.path.join(build, "tools", "quorila-series"), "--code", str(code), "--seed", str(seed)],
                          capture_output=True, text=True, check=True).stdout.split()
    values = dict(item.split("=", 1) for item in line)
    series = [int(v) for v in values["series"].split(",")]
    hidden = int(values["hidden"])
    choices = [int(v) for v in values["choices"].split(",")]
    shown = ", ".join("??" if k + 1 == hidden else str(v) for k, v in enumerate(series))
    return shown, int(values["solution"]), choices

# learner, machine folder, quizzes: (start, level, difficulty, results as a string
# of r/w/s per task, status, weak types that are always answered wrong)
plan = [
    ("Anna", "rechner-1", [
        (when(2, 9, 0), 1, 1, "rrrwrrwsrw", "finished"),
        (when(3, 9, 5), 1, 1, "rrrrwrrrwr", "finished"),
        (when(9, 10, 0), 2, 1, "rrwrrsrrrwrr", "finished"),
        (when(10, 10, 0), 2, 1, "rrrrrrwrrrrr", "finished"),
    ]),
    ("Ben", "rechner-1", [
        (when(2, 11, 0), 3, 2, "rwwrrwrwwrrw", "finished"),
        (when(4, 11, 0), 3, 2, "rrwrrwrrwrwr", "finished"),
        (when(6, 11, 0), 3, 2, "rrrw", "stopped"),
        (when(6, 11, 30), 3, 2, "", "refused"),
        (when(11, 11, 0), 3, 2, "rrrrwrrrrwrr", "finished"),
    ]),
    ("Zoë Müller, 4b", "rechner-2", [
        (when(5, 8, 0), 9, 3, "rrrrrrwrrrrr", "finished"),
        (when(12, 8, 0), 9, 3, "rrwrrrrrsrrr", "finished"),
    ]),
]

results_header = "date,learner,quiz,level,difficulty,tasks,right,wrong,skipped,seconds_used,time_budget,status"
tasks_header = "date,learner,quiz,task,code,level,difficulty,type,series,solution,answer,result,seconds"
rng = random.Random(18)
files = {}
for learner, machine, quizzes in plan:
    results = files.setdefault((machine, "results.csv"), [results_header])
    tasks = files.setdefault((machine, "tasks.csv"), [tasks_header])
    for start, level, difficulty, answers, status in quizzes:
        n = 12 if status != "finished" else len(answers)
        t_now = start
        used = 0
        for t, a in enumerate(answers, 1):
            type_ = rng.randint(1, type_counts[(level, difficulty)])
            code = level * 1000 + difficulty * 100 + type_
            shown, solution, choices = series_of(code, int(start.timestamp()) + t)
            seconds = rng.randint(3, 12) if a != "w" else rng.randint(6, 16)
            t_now += datetime.timedelta(seconds=seconds)
            used += seconds
            answer = "" if a == "s" else str(solution if a == "r" else next(c for c in choices if c != solution))
            result = {"r": "right", "w": "wrong", "s": "skipped"}[a]
            tasks.append(",".join([iso(t_now), field(learner), iso(start), str(t), str(code), str(level), str(difficulty),
                                   str(type_), field(shown), str(solution), answer, result, str(seconds)]))
        right, wrong = answers.count("r"), answers.count("w")
        results.append(",".join([iso(t_now), field(learner), iso(start), str(level), str(difficulty), str(n), str(right),
                                 str(wrong), str(n - right - wrong), str(used),
                                 str(seconds_per_task[(level, difficulty)] * n), status]))
        if learner == "Ben" and status == "refused":
            results.append("2026-03-06T11:40:00+01:00,Ben,2026-03-06T11:39:00+01:00,3,2,zw\xf6lf,0,0,0,0,0,finished")
            tasks.append("2026-03-06T11:40:00+01:00,Ben,2026-03-06T11:39:00+01:00,1,3205,3,2,5")
for (machine, name), lines in files.items():
    os.makedirs(os.path.join(out, machine), exist_ok=True)
    with open(os.path.join(out, machine, name), "w", encoding="utf-8", newline="") as f:
        f.write("\n".join(lines) + "\n")
with open(os.path.join(out, "rechner-2", "notizen.csv"), "w", encoding="utf-8") as f:
    f.write("Name;Klasse\nZoë;4b\n")
