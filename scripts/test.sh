#!/usr/bin/env bash
# Runs every test: the engine natively, again under AddressSanitizer and
# UndefinedBehaviorSanitizer, short fuzz runs, both Windows builds, and the
# engine and UI tests under Wine in Xvfb. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc)

bash scripts/install-deps.sh

step() { printf '\n==== %s ====\n' "$*"; }

step "native build and engine tests"
cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/native -j"$jobs"
ctest --test-dir build/native --output-on-failure -j"$jobs"

step "engine tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" >/dev/null
cmake --build build/sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

if [ -f scripts/fuzz.sh ]; then
  step "fuzzing (short runs)"
  bash scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
fi

if [ -f scripts/build-windows.sh ]; then
  step "Windows builds (64-bit and 32-bit)"
  bash scripts/build-windows.sh
fi

if [ -f scripts/wine-tests.sh ]; then
  step "engine and UI tests under Wine"
  bash scripts/wine-tests.sh
fi

step "all tests passed"
