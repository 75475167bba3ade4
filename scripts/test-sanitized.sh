#!/usr/bin/env bash
# Installs what is missing, builds the program and the tests with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-sanitized/ and
# runs every test there, leak detection on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
cmake -S . -B build-sanitized -DCMAKE_BUILD_TYPE=Debug -DTALVORETH_BUILD_TESTS=ON \
  -DTALVORETH_SANITIZE=ON >/dev/null
cmake --build build-sanitized -j2
suppressions="$PWD/tests/sanitizers"
# A test makes a deliberately impossible allocation, which must fail, not abort.
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1:abort_on_error=0"
export LSAN_OPTIONS="suppressions=$suppressions/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd build-sanitized
ctest --output-on-failure --no-tests=error -j2 --timeout 300
