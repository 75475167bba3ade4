#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, AddressSanitizer and UBSan into
# build-fuzz/ and runs each for SECONDS (default 60), one after the other:
#
#   bash scripts/fuzz.sh [SECONDS] [TARGET...]
#
# Targets: jpeg bmp description property strtoint (all by default). Each run
# starts from the committed seeds in fuzz/corpus/<target>/ plus what earlier
# runs added in build-fuzz/corpus/<target>/. A crash, leak, time-out or
# out-of-memory stops that target, leaves its reproducer in
# fuzz/findings/<target>/ and makes the script fail at the end; the last lines
# give the executions per target and their total.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(jpeg bmp description property strtoint)
case "$seconds" in
  '' | *[!0-9]*) echo "usage: bash scripts/fuzz.sh [SECONDS] [TARGET...]" >&2; exit 2 ;;
esac

scripts/install-deps.sh fuzz

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALVORETH_BUILD_FUZZ=ON >/dev/null
build_targets=()
for t in "${targets[@]}"; do build_targets+=(--target "${t}_fuzzer"); done
nice -n 10 cmake --build build-fuzz -j"${FUZZ_BUILD_JOBS:-1}" "${build_targets[@]}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
# Allocations inside fontconfig, made for Qt's font database, are never freed.
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0}"
export ASAN_SYMBOLIZER_PATH="${ASAN_SYMBOLIZER_PATH:-$(command -v llvm-symbolizer || true)}"
export QT_QPA_PLATFORM=offscreen

failed=()
summary=()
total=0
mkdir -p build-fuzz/logs
for t in "${targets[@]}"; do
  corpus=build-fuzz/corpus/$t
  findings=fuzz/findings/$t
  log=build-fuzz/logs/$t.log
  mkdir -p "$corpus" "$findings"
  cp fuzz/corpus/"$t"/* "$corpus"/
  options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048
           -artifact_prefix="$findings/" -print_final_stats=1)
  [ -f fuzz/"$t".dict ] && options+=(-dict=fuzz/"$t".dict)
  echo "== $t: ${seconds} s (log: $log)"
  status=0
  nice -n 10 build-fuzz/fuzz/"${t}"_fuzzer "${options[@]}" "$corpus" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *\([0-9]*\).*/\1/p' "$log" | tail -n 1)
  if [ -z "$runs" ]; then
    # Without final stats (a crash), the last status line has the count.
    runs=$(grep -oE '^#[0-9]+' "$log" | tail -n 1 | tr -d '#' || true)
  fi
  runs=${runs:-0}
  total=$((total + runs))
  if [ "$status" -ne 0 ]; then
    failed+=("$t")
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    echo "!! $t failed (exit $status):"
    grep -E 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:|fuzz check failed|==[0-9]+== *ERROR' "$log" | head -n 5 || true
    echo "   reproducer: ${reproducer:-none written, see $log}"
    echo "   replay: build-fuzz/fuzz/${t}_fuzzer ${reproducer:-<file>}"
    summary+=("$t: $runs executions (FAILED)")
  else
    summary+=("$t: $runs executions")
  fi
done

echo
echo "Executions per target (${seconds} s each):"
for line in "${summary[@]}"; do echo "  $line"; done
echo "  total: $total executions"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Failed: ${failed[*]}; reproducers in fuzz/findings/" >&2
  exit 1
fi
