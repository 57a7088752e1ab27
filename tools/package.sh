#!/bin/sh
# Builds the Debian package tevano_<version>_<arch>.deb: a Release build for the prefix /usr with
# Debian's hardening flags, then "cpack -G DEB". Prints the package's path on stdout (all else
# goes to stderr).
#
#   tools/package.sh [BUILD_DIR]     (default build/package)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build/package}
tools/install-deps.sh --package >&2

# Debian's own compiler and linker flags (stack protector, fortify, relro, bind now).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_TESTING=OFF -DCMAKE_STRIP="$PWD/tools/debian-strip.sh" \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >&2
cmake --build "$build" -j "$(nproc)" >&2
rm -f "$build"/tevano_*.deb
(cd "$build" && cpack -G DEB >&2)
realpath "$build"/tevano_*.deb
