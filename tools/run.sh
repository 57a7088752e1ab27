#!/bin/sh
# Builds Tevano and starts the desktop program, with a virtual radio (tevano-radio) on COM1.
# Arguments are passed to the program (for example a .sin file to open).
set -eu
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/release -j "$(nproc)"

bin=$PWD/build/release/bin
demo=$PWD/build/release/demo
mkdir -p "$demo"

# The virtual radio holds a few sample channels until it is written; it keeps what it is sent.
[ -f "$demo/radio.sin" ] || "$bin/tevano-cli" new "$demo/radio.sin" --demo
rm -f "$demo/radio-port"
"$bin/tevano-radio" --image "$demo/radio.sin" --save "$demo/radio.sin" \
    --link "$demo/radio-port" >"$demo/radio.log" 2>&1 &
radio=$!
trap 'kill $radio 2>/dev/null' EXIT INT TERM
tries=0
while [ ! -e "$demo/radio-port" ] && [ $tries -lt 50 ]; do
    sleep 0.1
    tries=$((tries + 1))
done

# COM1 of the program's settings file (MAIN.ini beside it) leads to the virtual radio.
ini=$bin/MAIN.ini
touch "$ini"
awk -v path="$demo/radio-port" '
    /^[ \t]*\[/ {
        if (inPorts && !done) { print "COM1=" path; done = 1 }
        inPorts = (tolower($0) ~ /^[ \t]*\[ports\]/)
    }
    inPorts && tolower($0) ~ /^[ \t]*com1[ \t]*=/ {
        if (!done) { print "COM1=" path; done = 1 }
        next
    }
    { print }
    END { if (!done) { if (!inPorts) print "[PORTS]"; print "COM1=" path } }
' "$ini" >"$ini.new" && mv "$ini.new" "$ini"

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: start tools/run.sh from a desktop session (or under xvfb-run)." >&2
    exit 1
fi
"$bin/tevano" "$@"
