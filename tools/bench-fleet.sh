#!/bin/sh
# Times a write to one radio and the same write to four radios at once with tevano-cli, against
# tevano-radio processes paced at 9600 baud. The exchanges of a fleet write run side by side, so
# four should take hardly longer than one. Exits 1 when four take more than 1.2 times as long.
#
#   tools/bench-fleet.sh [BUILD_DIR]     (default build/release; built when needed)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/release}
delay_ms=${REPLY_DELAY_MS:-3}
target=1.2
export LC_ALL=C

if [ ! -d "$build" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target tevano-cli tevano-radio >/dev/null

find_program() {
    for candidate in "$build/bin/$1" "$build/apps/cli/$1" "$build/apps/radio/$1"; do
        if [ -x "$candidate" ]; then
            echo "$candidate"
            return
        fi
    done
    echo "bench-fleet: $1 not found under $build" >&2
    exit 1
}
cli=$(find_program tevano-cli)
radio=$(find_program tevano-radio)

work=$(mktemp -d /tmp/tevano-fleet.XXXXXX)
radio_pids=""
cleanup() {
    for pid in $radio_pids; do kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

"$cli" new "$work/demo.sin" --demo
for n in 1 2 3 4; do
    "$radio" --link "$work/radio$n" --reply-delay "$delay_ms" --save "$work/saved$n.sin" \
        >"$work/port$n" &
    radio_pids="$radio_pids $!"
done
for n in 1 2 3 4; do
    for _ in $(seq 100); do [ -L "$work/radio$n" ] && break; sleep 0.05; done
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
