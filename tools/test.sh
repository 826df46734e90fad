#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: an optimised
# build, an AddressSanitizer + UndefinedBehaviorSanitizer build, the tests on
# a real X display (Xvfb), and a brief run of every fuzz target.
#   VQ_FUZZ_SECONDS  seconds per fuzz target (default 20)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${VQ_FUZZ_SECONDS:-20}
passed=0
failed=0
status=0
logs=$(mktemp -d)
step() { echo; echo "=== $*"; }

# Runs ctest on one build and adds its counts to the totals.
run_ctest() {
  local build=$1 log=$logs/ctest-$(basename "$1").log
  ctest --test-dir "$build" --output-on-failure -j"$jobs" 2>&1 | tee "$log" || status=1
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then status=1; failed=$((failed + 1)); return; fi
  total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<< "$line")
  bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<< "$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

step "optimised build"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build/release -j"$jobs"

step "sanitizer build"
cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVQ_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1 > /dev/null
cmake --build build/asan -j"$jobs"

step "fuzz build"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DVQ_FUZZ=ON > /dev/null
cmake --build build/fuzz -j"$jobs"

# A real X display for the tests that open windows on the SDL back end.
display=:97
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2> /dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo > /dev/null 2>&1 && break; sleep 0.1; done

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0

step "tests, optimised build"
run_ctest build/release
step "tests, sanitizer build"
run_ctest build/asan

# A short soak with the built pictures and sounds (the full one: --quizzes 1000).
step "soak, sanitizer build, 30 quizzes"
if build/asan/tests/soak_game --quizzes 30 --data build/asan > "$logs/soak.log" 2>&1; then
  passed=$((passed + 1))
  grep '^soak:' "$logs/soak.log"
else
  failed=$((failed + 1))
  status=1
  tail -n 40 "$logs/soak.log"
fi

step "browser build and tests (Chromium)"
if bash tests/web/run.sh; then passed=$((passed + 1)); else failed=$((failed + 1)); status=1; fi

step "fuzz targets, ${fuzz_seconds} s each"
for target in build/fuzz/tests/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds=tests/fuzz/corpus/${name#fuzz_}
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  log=$logs/$name.log
  if (cd "$logs" && "$top/$target" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$corpus") > "$log" 2>&1; then
    passed=$((passed + 1))
    echo "$name: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs, no fault"
  else
    failed=$((failed + 1))
    status=1
    echo "$name: FAULT"
    tail -n 40 "$log"
  fi
  rm -rf "$corpus"
done

echo
echo "tests: $passed passed, $failed failed"
[ "$status" -eq 0 ] && [ "$failed" -eq 0 ]
