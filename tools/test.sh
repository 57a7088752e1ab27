#!/bin/sh
# Builds Tevano and runs every test: first the normal build, then the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer. Both builds treat warnings as errors.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh

jobs=$(nproc)

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEVANO_WERROR=ON
cmake --build build/release -j "$jobs"
ctest --test-dir build/release --output-on-failure -j "$jobs"

cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTEVANO_SANITIZE=ON \
    -DTEVANO_WERROR=ON
cmake --build build/sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build/sanitize --output-on-failure -j "$jobs"

echo "All tests passed."
