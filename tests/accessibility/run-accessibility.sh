#!/bin/sh
# Runs check_accessibility.py in a D-Bus session of its own on a virtual display, where the
# AT-SPI bus starts on demand. Outside CI a machine without the packages skips it (status 77);
# in CI (CI=true) it must run.
#   run-accessibility.sh TEVANO TEVANO_CLI
set -eu
here=$(dirname "$0")
for tool in dbus-run-session xvfb-run openbox xdotool /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        missing=$tool
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    missing=python3-pyatspi
fi
if [ -n "${missing:-}" ]; then
    echo "accessibility: $missing is missing (tools/install-deps.sh installs it)"
    [ "${CI:-}" = "true" ] && exit 1
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A window manager gives the program's window the keyboard, as on a desktop.
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    sh -c 'openbox >/dev/null 2>&1 & exec /usr/bin/python3 "$@"' sh \
    "$here/check_accessibility.py" "$1" "$2" "$work" 2>&1 |
    grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
        -e 'SpiRegistry daemon' || true
test -f "$work/passed"
