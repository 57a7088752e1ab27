#!/bin/sh
# Times a write to one radio and the same write to four radios at once with tevano-cli, against
# tevano-radio processes paced at 9600 baud. The exchanges of a fleet write run side by side, so
# four should take hardly longer than one. Exits 1 when four take more than 1.2 times as long.
#
#   tools/bench-fleet.sh [BUILD_DIR]     (default build/release; built when needed)
set -eu
cd "$(dirname "$0")/.."
. tools/bench-radios.sh
target=1.2

bench_setup fleet "${1:-build/release}" tevano-cli tevano-radio
cli=$(bench_program tevano-cli)
"$cli" new "$work/demo.sin" --demo
for n in 1 2 3 4; do
    bench_radio "radio$n" --reply-delay "$delay_ms" --save "$work/saved$n.sin"
done

now_ns() { date +%s%N; }

start=$(now_ns)
"$cli" write "$work/radio1" "$work/demo.sin" >/dev/null
one_ns=$(($(now_ns) - start))

start=$(now_ns)
"$cli" write "$work/radio1" "$work/radio2" "$work/radio3" "$work/radio4" "$work/demo.sin" \
    >"$work/results"
four_ns=$(($(now_ns) - start))
cat "$work/results"
for n in 1 2 3 4; do
    cmp -s "$work/demo.sin" "$work/saved$n.sin" || { echo "bench-fleet: radio $n was not written" >&2; exit 1; }
done

awk -v one="$one_ns" -v four="$four_ns" -v delay="$delay_ms" -v target="$target" -v cores="$(nproc)" '
BEGIN {
    printf "Write with tevano-radio at 9600 baud, reply delay %s ms, %s cores\n", delay, cores
    printf "one radio    %7.3f s\n", one / 1e9
    printf "four at once %7.3f s\n", four / 1e9
    ratio = four / one
    printf "ratio %.3f; target at most %s: %s\n", ratio, target, ratio <= target ? "met" : "NOT met"
    exit ratio <= target ? 0 : 1
}'
