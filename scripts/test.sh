#!/usr/bin/env bash
# Checks that every include of src/ points down its layers, installs what is missing, builds
# with AddressSanitizer and UndefinedBehaviorSanitizer, runs the fact-file fuzzer for a fixed
# number of inputs, then runs every test (CTest's summary is the last thing printed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layers.sh
bash scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELK_SANITIZE=ON
cmake --build build/test -j "$jobs"

if [ -d fuzz ] && ls fuzz/*.cpp >/dev/null 2>&1; then
  CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVELK_FUZZ=ON -DVELK_TESTS=OFF -DVELK_QT=OFF
  cmake --build build/fuzz -j "$jobs" --target fuzzers
  # libFuzzer adds the inputs it finds to its corpus directory: it works on a copy, so the
  # seed corpus in the repository stays as committed; crash inputs go to build/fuzz/artifacts.
  mkdir -p build/fuzz/artifacts
  for f in build/fuzz/fuzz/fuzz_*; do
    [ -x "$f" ] || continue
    name=$(basename "$f")
    corpus=$(mktemp -d)
    cp -R "fuzz/corpus/${name#fuzz_}/." "$corpus/"
    "$f" -runs=200000 -max_len=4096 -artifact_prefix=build/fuzz/artifacts/ "$corpus" 2>&1 | tail -n 3
    rm -rf "$corpus"
  done
fi

export QT_QPA_PLATFORM=offscreen
cd build/test
ctest --output-on-failure -j "$jobs"
