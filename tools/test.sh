#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: an optimised
# build, an AddressSanitizer + UndefinedBehaviorSanitizer build, the tests on
# a real X display (Xvfb), the browser build's tests and a brief run of every
# fuzz target.
# Quiet: every step writes into a log of its own and prints one line (its
# wall and CPU seconds); a failing step prints the end of its log (a failing
# ctest run its failed tests' output). The last line counts the tests.
# Steps that do not need each other run side by side: the optimised build's
# tests beside the sanitizer and fuzz builds, then the sanitizer build's
# tests, the browser's and the fuzz targets (two at a time) side by side.
#   VQ_FUZZ_SECONDS  seconds per fuzz target (default 20)
#   VQ_TEST_LOGS     folder for the logs (default: a new temporary folder)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top"
bash tools/install-deps.sh

jobs=$(nproc)
fuzz_seconds=${VQ_FUZZ_SECONDS:-20}
logs=${VQ_TEST_LOGS:-$(mktemp -d)}
mkdir -p "$logs"
rm -f "$logs"/*.result
started=$SECONDS

# The compiler cache, where it is installed: a second run compiles only what
# changed. Paths below the tree are hashed relative to it, so that clones in
# other folders share the cache.
if command -v ccache > /dev/null && [ -d /usr/lib/ccache ]; then
  export PATH=/usr/lib/ccache:$PATH
  export CCACHE_BASEDIR=$top CCACHE_NOHASHDIR=1
  # The package build (debhelper) gives the compiler a home of its own,
  # where ccache would find neither its settings nor its cache: both are
  # named outright (the settings file first: naming the cache moves it).
  ccache_config=$(ccache -p 2> /dev/null | sed -n 's/^(\(\/[^)]*\)) .*/\1/p' | head -n 1)
  [ -n "$ccache_config" ] && export CCACHE_CONFIGPATH=$ccache_config
  ccache_dir=$(ccache -k cache_dir 2> /dev/null) && [ -n "$ccache_dir" ] && export CCACHE_DIR=$ccache_dir
fi

# step NAME COMMAND...: runs COMMAND with its output in $logs/NAME.log,
# writes its status to NAME.result and its wall and CPU seconds to
# NAME.time, and prints one line with them.
step() {
  local name=$1 rc=0 times wall user system
  shift
  times=$( { TIMEFORMAT='%R %U %S'; time "$@" > "$logs/$name.log" 2>&1; } 2>&1 ) || rc=$?
  read -r wall user system <<< "$(tail -n 1 <<< "$times")"
  awk -v w="$wall" -v u="$user" -v s="$system" 'BEGIN { printf "%.0f s wall, %.0f s CPU\n", w, u + s }' \
    > "$logs/$name.time"
  echo "$rc" > "$logs/$name.result"
  printf '%-16s %-6s %s\n' "$name" "$([ "$rc" -eq 0 ] && echo ok || echo FAILED)" "$(cat "$logs/$name.time")"
  return "$rc"
}
# succeeded NAME: whether step NAME ran and succeeded.
succeeded() { [ "$(cat "$logs/$1.result" 2> /dev/null)" = 0 ]; }

build_release() {
  cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release &&
    cmake --build build/release -j"$jobs"
}
# The sanitizer build takes the optimised build's pictures and sounds
# instead of painting them again (see tools/assets/CMakeLists.txt).
build_asan() {
  cmake -S . -B build/asan -DCMAKE_BUILD_TYPE=Debug -DVQ_SANITIZE=ON -DCMAKE_CXX_FLAGS=-O1 \
        -DQUORILA_DATA_FROM="$top/build/release" &&
    cmake --build build/asan -j"$jobs"
}
# The fuzz build: only the fuzz targets and the libraries they link.
build_fuzz() {
  CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DVQ_FUZZ=ON &&
    cmake --build build/fuzz -j"$jobs" --target vq_fuzz_targets
}

run_ctest() {
  ctest --test-dir "$1" --output-on-failure -j"$jobs"
}

# A short soak with the built pictures and sounds (the full one: --quizzes 1000).
soak() {
  build/asan/tests/soak_game --quizzes 30 --data build/asan
}

# fuzz_one TARGET: one libFuzzer run from the committed seeds.
fuzz_one() {
  local target=$1 name corpus seeds
  name=$(basename "$target")
  corpus=$(mktemp -d)
  seeds=tests/fuzz/corpus/${name#fuzz_}
  [ -d "$seeds" ] && cp -r "$seeds"/. "$corpus"/
  mkdir -p "$logs/$name.artifacts"
  (cd "$logs/$name.artifacts" && "$top/$target" -max_total_time="$fuzz_seconds" -timeout=10 \
     -rss_limit_mb=2048 -print_final_stats=1 "$corpus")
  local rc=$?
  rm -rf "$corpus"
  return "$rc"
}
# Every fuzz target, two at a time (their lines come with the count).
fuzz_all() {
  local target running=0
  for target in build/fuzz/tests/fuzz/fuzz_*; do
    [ -x "$target" ] || continue
    if [ "$running" -ge 2 ]; then wait -n || true; running=$((running - 1)); fi
    step "$(basename "$target")" fuzz_one "$target" > /dev/null &
    running=$((running + 1))
  done
  wait || true
}

# A real X display for the tests that open windows on the SDL back end; Xvfb
# picks a free number, so that test runs side by side never share one.
start_display() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$number_file" > /dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$number_file" ] && DISPLAY=":$(head -n 1 "$number_file")" xdpyinfo > /dev/null 2>&1 && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n 1 "$number_file")"
  rm -f "$number_file"
}

export ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0

# The steps running beside the current one. Never an empty `wait`: it would
# wait for the X server too, for ever.
background=()
cleanup() {
  local pid
  for pid in "${background[@]}"; do kill -- "-$pid" 2> /dev/null || kill "$pid" 2> /dev/null || true; done
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2> /dev/null || true
}
trap cleanup EXIT
# Background jobs get process groups of their own, so that an interrupted
# run ends them with their children.
set -m

step release-build build_release || true
start_display

# The sanitizer and fuzz builds (behind the tests in the processor's queue)
# beside the optimised build's tests.
(renice -n 10 -p "$BASHPID" > /dev/null; step asan-build build_asan || true; step fuzz-build build_fuzz || true) &
background+=($!)
step release-tests run_ctest build/release || true
[ ${#background[@]} -eq 0 ] || wait "${background[@]}" || true
background=()

# The fuzz targets beside the sanitizer build's tests, the soak and the
# browser's tests, with the same share of the processor as they (behind
# them, niced, they made a tenth of their runs on a loaded machine).
if succeeded fuzz-build; then
  fuzz_all &
  background+=($!)
fi
# The browser's tests wait mostly on the browser's real time: beside them.
step web bash tests/web/run.sh &
background+=($!)
if succeeded asan-build; then
  step asan-tests run_ctest build/asan || true
  step soak soak || true
fi
[ ${#background[@]} -eq 0 ] || wait "${background[@]}" || true
background=()

# The count: every ctest test, the soak, the browser's tests and each fuzz
# target count one each; a build that fails counts one failure.
passed=0
failed=0
for result in "$logs"/*.result; do
  name=$(basename "$result" .result)
  log=$logs/$name.log
  rc=$(cat "$result")
  case $name in
    *-tests)
      line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1 || true)
      if [ -z "$line" ]; then
        failed=$((failed + 1))
        echo; echo "--- $name: no ctest summary"; tail -n 40 "$log"
        continue
      fi
      total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<< "$line")
      bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<< "$line")
      passed=$((passed + total - bad))
      failed=$((failed + bad))
      if [ "$rc" -ne 0 ] || [ "$bad" -ne 0 ]; then
        [ "$bad" -eq 0 ] && failed=$((failed + 1))
        echo; echo "--- $name: the failed tests' output (all of it: $log)"
        # From each failed test's line to the next test's, and ctest's list.
        awk '/^ *[0-9]+\/[0-9]+ Test +#/ { show = /\*\*\*|Failed|Not Run|Timeout|Exception/ }
             /^The following tests FAILED/ { show = 1 } show' "$log"
      fi
      ;;
    *)
      if [ "$rc" -eq 0 ]; then
        case $name in *-build) ;; *) passed=$((passed + 1)) ;; esac
        case $name in soak) grep '^soak:' "$log" || true ;; esac
        case $name in
          fuzz_*) echo "$name: $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs, no fault ($(cat "$logs/$name.time"))" ;;
        esac
      else
        failed=$((failed + 1))
        echo; echo "--- $name failed (all of it: $log)"
        tail -n 40 "$log"
      fi
      ;;
  esac
done
echo
echo "all steps: $((SECONDS - started)) s; logs in $logs"
echo "tests: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
