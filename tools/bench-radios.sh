# shellcheck shell=sh
# Sourced by the benchmark scripts (tools/bench-*.sh), not run: the build they time, the programs
# in it, a scratch directory, and tevano-radio processes on links in that directory. When the
# script ends, the radios are stopped and the directory is removed.
#
#   bench_setup NAME BUILD_DIR TARGET...   builds the targets (configuring the build when there
#                                          is none); sets $build, $work, $radio and $delay_ms
#                                          (the radios' reply delay: $REPLY_DELAY_MS, else 3),
#                                          and keeps the programs' backups and settings in $work
#   bench_program PROGRAM                  prints the path of a built program
#   bench_radio LINK [OPTION...]           starts tevano-radio on $work/LINK and waits until the
#                                          link is there; its output goes to $work/LINK.port

bench_setup() {
    bench_name=$1
    build=$2
    shift 2
    # shellcheck disable=SC2034 # read by the scripts that source this file
    delay_ms=${REPLY_DELAY_MS:-3}
    export LC_ALL=C
    if [ ! -d "$build" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$build" --target "$@" >/dev/null
    radio=$(bench_program tevano-radio)
    work=$(mktemp -d "/tmp/tevano-$bench_name.XXXXXX")
    export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config"
    bench_radio_pids=""
    trap bench_cleanup EXIT INT TERM
}

bench_cleanup() {
    for pid in $bench_radio_pids; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}

bench_program() {
    for candidate in "$build/bin/$1" "$build/apps/cli/$1" "$build/apps/radio/$1" \
        "$build/tests/gui/$1"; do
        if [ -x "$candidate" ]; then
            echo "$candidate"
            return
        fi
    done
    echo "bench-$bench_name: $1 not found under $build" >&2
    exit 1
}

bench_radio() {
    link=$1
    shift
    "$radio" --link "$work/$link" "$@" >"$work/$link.port" &
    bench_radio_pids="$bench_radio_pids $!"
    for _ in $(seq 100); do
        [ -L "$work/$link" ] && return
        sleep 0.05
    done
    echo "bench-$bench_name: tevano-radio did not make $work/$link" >&2
    exit 1
}
