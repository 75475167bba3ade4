#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh -DTALVORETH_BUILD_TESTS=ON
cd build
ctest --output-on-failure --no-tests=error -j2
