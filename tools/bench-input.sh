#!/bin/sh
# How long input waits while the program's window reads and writes the radio: bench-gui-input
# runs a whole Read From Radio and Write To Radio from the window (offscreen) against
# tevano-radio paced at 9600 baud, with input posted every 3 ms, and prints the waits. Exits 1
# when the longest wait is above 100 ms.
#
#   tools/bench-input.sh [BUILD_DIR]     (default build/release; built when needed)
set -eu
cd "$(dirname "$0")/.."
. tools/bench-radios.sh

bench_setup input "${1:-build/release}" bench-gui-input tevano-radio
bench=$(bench_program bench-gui-input)
# Qt's runtime files stay in the scratch directory too.
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM="offscreen:configfile=$PWD/tests/gui/screens/large.json" \
    "$bench" "$delay_ms"
