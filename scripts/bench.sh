#!/usr/bin/env bash
# Installs what is missing, builds with optimisation and runs the benchmarks;
# the last lines give one figure each, "name: value unit".
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DTALVORETH_BUILD_TESTS=OFF \
  -DTALVORETH_BUILD_BENCH=ON >/dev/null
cmake --build build-bench -j2 --target talvoreth_bench
QT_QPA_PLATFORM=offscreen build-bench/bench/talvoreth_bench "$@"
