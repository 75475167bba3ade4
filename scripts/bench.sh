#!/usr/bin/env bash
# Installs what is missing, builds with optimisation and runs the benchmarks:
# the board and window ones on the offscreen platform, the window ones again on
# a virtual X display (Xvfb), with the paced run and the Stop latency there,
# and on a headless Wayland compositor (weston), with the paced run again. The last lines give one
# figure each, "name: value unit"; those of unpaced runs on a display are
# named *_x11_* and *_wayland_*.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTALVORETH_BUILD_TESTS=OFF \
  -DTALVORETH_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j2 --target talvoreth_bench
source scripts/virtual-display.sh
work=$(mktemp -d)
QT_QPA_PLATFORM=offscreen build-bench/bench/talvoreth_bench \
  --benchmark_filter='^(Generation|ReferenceGeneration|Evolve|Random)' "$@" | tee "$work/offscreen"
(
  start_virtual_display 1280x1024
  build-bench/bench/talvoreth_bench --benchmark_filter='^(Evolve|Paced|StopLatency)' "$@"
) | tee "$work/x11"
(
  mkdir "$work/runtime"
  start_headless_wayland "$work/runtime"
  build-bench/bench/talvoreth_bench --benchmark_filter='^(Evolve|Paced)' "$@"
) | tee "$work/wayland"
echo
# Colour codes left over from the tables go first.
sed 's/\x1b\[[0-9;]*m//g' "$work/offscreen" "$work/x11" "$work/wayland" | grep -E '^[a-z0-9_]+: '

rm -rf "$work"
