#!/bin/bash
# Builds the libFuzzer harnesses (fuzz/) with clang and runs each for a given time or a given
# number of executions, two at a time, on its seed corpus (fuzz/corpus/<harness>) and on the
# corpus that earlier runs grew (build/fuzz/corpus/<harness>, outside the repository).
#
#   tools/fuzz.sh [--seconds N | --runs N] [--parallel N] [HARNESS...]
#   tools/fuzz.sh --seeds        remakes fuzz/corpus from the program's own pieces
#
# Defaults: 60 seconds per harness, 2 at a time, every harness. A finding (a crash, a broken
# invariant, a hang, a leak) stops its harness; the reproducer is kept in
# build/fuzz/findings/<harness>/ and the script ends with status 1. Replay one with
#   build/fuzz/fuzz/fuzz-<harness> build/fuzz/findings/<harness>/crash-...
set -eu
cd "$(dirname "$0")/.."

seconds=60
runs=""
parallel=2
seeds=no
harnesses=()
while [ $# -gt 0 ]; do
    case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --parallel) parallel=$2; shift 2 ;;
    --seeds) seeds=yes; shift ;;
    -h | --help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    -*) echo "fuzz.sh: unknown option $1" >&2; exit 2 ;;
    *) harnesses+=("$1"); shift ;;
    esac
done

tools/install-deps.sh

build=build/fuzz
# Warnings as errors here too: this is the build that sees the core through clang's eyes.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DTEVANO_FUZZ=ON -DTEVANO_WERROR=ON \
    -DTEVANO_BUILD_APPS=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"

if [ "$seeds" = yes ]; then
    rm -rf fuzz/corpus
    "$build/fuzz/fuzz-seeds" fuzz/corpus
    find fuzz/corpus -type f | sort
    exit 0
fi

if [ ${#harnesses[@]} -eq 0 ]; then
    for corpus in fuzz/corpus/*/; do
        harnesses+=("$(basename "$corpus")")
    done
fi
for harness in "${harnesses[@]}"; do
    if [ ! -x "$build/fuzz/fuzz-$harness" ]; then
        echo "fuzz.sh: no harness $harness" >&2
        exit 2
    fi
done

# The files the harnesses write go to a directory of this run, removed however the run ends.
scratch=$(mktemp -d "$( [ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/tevano-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export TEVANO_FUZZ_SCRATCH=$scratch
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:malloc_context_size=10
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# The longest input a harness takes: a whole clone read is about 6 KB of radio bytes; the
# program's INI file holds a few lines, and 1 KB reaches every rule of the store.
max_len() {
    case "$1" in
    clone-read) echo 8192 ;;
    ini-file) echo 1024 ;;
    *) echo 4096 ;;
    esac
}

run_harness() {
    local harness=$1
    local corpus=$build/corpus/$harness findings=$build/findings/$harness
    rm -rf "$findings"
    mkdir -p "$corpus" "$findings" "$build/logs"
    local limit=(-max_total_time="$seconds")
    if [ -n "$runs" ]; then
        limit=(-runs="$runs")
    fi
    local dictionary=()
    if [ -f "fuzz/$harness.dict" ]; then
        dictionary=(-dict="fuzz/$harness.dict")
    fi
    "$build/fuzz/fuzz-$harness" "${limit[@]}" "${dictionary[@]}" \
        -max_len="$(max_len "$harness")" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "fuzz/corpus/$harness" >"$build/logs/$harness.log" 2>&1
}

# The figures of one harness's run: executions, coverage, features, corpus, findings.
report() {
    local harness=$1 status=$2 log=$build/logs/$1.log
    local executions last findings
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
    findings=$(find "$build/findings/$harness" -type f | wc -l)
    printf '%-13s %s executions; %s; %s finding(s)\n' "$harness" "${executions:-?}" \
        "$(echo "$last" | grep -oE 'cov: [0-9]+ ft: [0-9]+ corp: [0-9]+/[0-9A-Za-z]+' || echo '?')" \
        "$findings"
    if [ "$status" -ne 0 ]; then
        echo "--- $harness failed (status $status); the end of $log:"
        grep -vE '^#[0-9]+' "$log" | tail -40
    fi
}

start=$(date +%s)
declare -A pids=()
declare -A statuses=()
for harness in "${harnesses[@]}"; do
    while [ ${#pids[@]} -ge "$parallel" ]; do
        wait -n || true
        for done_harness in "${!pids[@]}"; do
            if ! kill -0 "${pids[$done_harness]}" 2>/dev/null; then
                wait "${pids[$done_harness]}" && statuses[$done_harness]=0 ||
                    statuses[$done_harness]=$?
                unset "pids[$done_harness]"
            fi
        done
    done
    echo "fuzzing $harness"
    run_harness "$harness" &
    pids[$harness]=$!
done
for harness in "${!pids[@]}"; do
    wait "${pids[$harness]}" && statuses[$harness]=0 || statuses[$harness]=$?
done

echo "Fuzzing took $(( $(date +%s) - start )) seconds:"
failed=0
for harness in "${harnesses[@]}"; do
    report "$harness" "${statuses[$harness]}"
    if [ "${statuses[$harness]}" -ne 0 ]; then
        failed=1
    fi
done
exit $failed
