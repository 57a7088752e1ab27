#!/bin/sh
# Installs the Debian 12 packages that building and testing Tevano need, when any is missing.
#   tools/install-deps.sh             what the build and the tests need
#   tools/install-deps.sh --package   also what building and checking the Debian package needs
set -eu

packages="build-essential cmake ninja-build pkg-config libgtest-dev libgmock-dev qt6-base-dev
locales fonts-liberation2 fonts-wqy-microhei fonts-droid-fallback poppler-utils qt6-translations-l10n
clang-14 libclang-rt-14-dev
xvfb xauth dbus at-spi2-core python3-pyatspi openbox xdotool"
if [ "${1:-}" = "--package" ]; then
    # dpkg-shlibdeps (dpkg-dev) and file compute the package's Depends; the rest check the
    # package and start its program on a virtual display.
    packages="$packages dpkg-dev file lintian appstream desktop-file-utils xvfb xauth x11-utils"
fi

missing=""
for package in $packages; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $package"
    fi
done

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    as_root apt-get update -qq
    # shellcheck disable=SC2086
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
fi

# A locale with a decimal comma, so that the tests can show that numbers ignore the locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: no de_DE.UTF-8 locale"
fi
