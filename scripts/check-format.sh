#!/usr/bin/env bash
# Fails, naming the places, where a C++ file of the repository differs from
# what clang-format makes of it with the committed .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run --Werror
echo "Format: every C++ file is as clang-format lays it out."
