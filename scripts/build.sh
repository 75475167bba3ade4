#!/usr/bin/env bash
# Builds into build/, which the run and test commands share: the targets given
# after --, or everything. Arguments before it go to cmake's configuration; the
# first configuration leaves the tests out unless asked.
#
#   scripts/build.sh [CMAKE-ARGUMENT...] [-- TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
configure=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  configure+=("$1")
  shift
done
[ $# -gt 0 ] && shift
targets=()
for t in "$@"; do targets+=(--target "$t"); done
[ -f build/CMakeCache.txt ] || configure=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVORETH_BUILD_TESTS=OFF "${configure[@]}")
cmake -S . -B build "${configure[@]}" >/dev/null
cmake --build build -j2 "${targets[@]}"
