#!/usr/bin/env bash
# Installs what is missing, builds and runs every test. While you work,
# `ctest --test-dir build -L unit` runs the unit tests alone, in seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
scripts/build.sh -DTALVORETH_BUILD_TESTS=ON
ctest --test-dir build --output-on-failure --no-tests=error -j2
