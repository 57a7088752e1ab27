#!/bin/sh
# Builds Tevano and shows a sample channel data file the way the program opens it.
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)"
cli=build/release/apps/cli/tevano-cli
"$cli" new build/release/sample.sin --demo
"$cli" show build/release/sample.sin
