#!/bin/sh
# Times a full read and a full write with tevano-cli against tevano-radio paced at 9600 baud,
# next to the floor the protocol allows: the wire time of every byte, the radio's reply delays
# and the pauses the program must make. Exits 1 when a ratio is above the target.
#
#   tools/bench-clone.sh [BUILD_DIR]     (default build/release; built when needed)
set -eu
cd "$(dirname "$0")/.."
. tools/bench-radios.sh
target=1.03

bench_setup clone "${1:-build/release}" tevano-cli tevano-radio
cli=$(bench_program tevano-cli)
"$cli" new "$work/demo.sin" --demo
bench_radio radio --reply-delay "$delay_ms"

now_ns() { date +%s%N; }

start=$(now_ns)
"$cli" read "$work/radio" "$work/read.sin"
read_ns=$(($(now_ns) - start))

start=$(now_ns)
"$cli" write "$work/radio" "$work/demo.sin"
write_ns=$(($(now_ns) - start))

# The floor, in the order the exchange goes:
#   handshake: 7 pump turns of 1 ms, 7 wake-up bytes each after 1 ms, the radio's 0x06, 1 ms and
#   "M", 1 ms and 0x02, the 8-byte identification, 0x06 and the radio's 0x06:
#   20 bytes, 3 replies, 16 ms of pauses.
#   read block: command 4, reply 12, 0x06 and 0x06: 18 bytes, 2 replies, 15 + 5 ms of pauses.
#   write block: command 4, 1 ms, data 8, the radio's 0x06: 13 bytes, 1 reply, 1 + 1 ms.
awk -v read_ns="$read_ns" -v write_ns="$write_ns" -v delay="$delay_ms" -v target="$target" '
function report(name, measured_ns, bytes, replies, pauses,    wire, delays, floor, ratio) {
    wire = bytes * 10 / 9600
    delays = replies * delay / 1000
    pauses = pauses / 1000
    floor = wire + delays + pauses
    ratio = measured_ns / 1e9 / floor
    printf "%-6s %9.3f s %9.3f s %7.3f   (%.3f + %.3f + %.3f)\n", name, measured_ns / 1e9, floor, ratio, wire, delays, pauses
    return ratio
}
BEGIN {
    printf "Clone exchange with tevano-radio at 9600 baud, reply delay %s ms\n", delay
    printf "%-6s %11s %11s %7s   %s\n", "", "measured", "floor", "ratio", "(floor: wire + reply delays + pauses)"
    r = report("read", read_ns, 20 + 396 * 18, 3 + 396 * 2, 16 + 396 * 20)
    w = report("write", write_ns, 20 + 396 * 13, 3 + 396, 16 + 396 * 2)
    met = r <= target && w <= target
    printf "target: ratio at most %s for both directions: %s\n", target, met ? "met" : "NOT met"
    exit met ? 0 : 1
}'
