#!/bin/sh
# Checks the Debian package as CI does, without installing it: lintian, the AppStream data, the
# desktop entry and the cables' udev rules with the scripts that reload them; then the programs
# run from the package unpacked into a temporary folder: tevano-cli --version, show and report
# on a demo file, tevano --version, and tevano started on a virtual display with the file for
# two seconds. Its main window shows only when it found its
# language modules through the installed layout, and its settings must land in the user's
# configuration folder, not beside it.
#
#   tools/check-package.sh PACKAGE.deb
set -eu
deb=$(realpath "$1")
work=$(mktemp -d /tmp/tevano-package.XXXXXX)
trap 'rm -rf "$work"' EXIT INT TERM
fail() {
    echo "check-package: $*" >&2
    exit 1
}

echo "== lintian"
lintian --fail-on error,warning --display-info "$deb"

# The report's faces are dependencies: a --no-install-recommends install prints too.
for font in fonts-liberation2 fonts-wqy-microhei; do
    dpkg-deb -f "$deb" Depends | grep -q "$font" || fail "the package does not depend on $font"
done

echo "== contents"
dpkg-deb -x "$deb" "$work/root"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$work/root/usr/share/applications/tevano.desktop"
# The cable rules: in udev's folder for packages, before the seat rules that act on uaccess,
# and reloaded by the maintainer scripts when the package comes and goes.
rules=$work/root/usr/lib/udev/rules.d/70-tevano-cables.rules
[ -f "$rules" ] || fail "no udev rules for the cables in usr/lib/udev/rules.d"
grep -q 'TAG+="uaccess"' "$rules" || fail "the cable rules give the user at the desk no access"
grep -q 'ENV{ID_MM_DEVICE_IGNORE}="1"' "$rules" || fail "the cable rules do not keep ModemManager away"
if command -v udevadm >/dev/null 2>&1 && udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$rules"
fi
dpkg-deb -e "$deb" "$work/control"
for script in postinst postrm; do
    grep -q "udevadm control --reload-rules" "$work/control/$script" ||
        fail "the $script script does not reload the udev rules"
done
echo "udev rules: $(grep -c '^SUBSYSTEM' "$rules") cable chips"

echo "== programs"
bin=$work/root/usr/bin
# The unpacked programs keep their settings and backups in a home of their own.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
"$bin/tevano-cli" --version
"$bin/tevano-cli" new "$work/demo.sin" --demo
"$bin/tevano-cli" show "$work/demo.sin" >"$work/show.txt"
grep -q "145.00000" "$work/show.txt" || fail "tevano-cli show did not show the demo channels"
"$bin/tevano-cli" report "$work/demo.sin" -o "$work/demo.pdf"
[ "$(head -c 5 "$work/demo.pdf")" = "%PDF-" ] || fail "tevano-cli report wrote no PDF"
echo "tevano-cli report: $(wc -c <"$work/demo.pdf") bytes of PDF"
"$bin/tevano" --version

# The program runs for at least two seconds and until its main window is up (at most 30 s on a
# loaded machine); it must not end by itself meanwhile.
xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '
    "$1" "$2" 2>"$3/tevano.err" &
    pid=$!
    ticks=0
    while [ "$ticks" -lt 300 ]; do
        sleep 0.1
        ticks=$((ticks + 1))
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "tevano ended after about $((ticks / 10)) s:" >&2
            cat "$3/tevano.err" >&2
            exit 1
        fi
        xwininfo -root -tree >"$3/windows"
        if [ "$ticks" -ge 20 ] && grep -q "\"Tevano Programing Software\"" "$3/windows"; then
            break
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
' sh "$bin/tevano" "$work/demo.sin" "$work"
grep -q '"Tevano Programing Software".* 1024x768+' "$work/windows" ||
    fail "no main window; tevano said: $(cat "$work/tevano.err")"
echo "tevano: main window shown"
[ -f "$XDG_CONFIG_HOME/tevano/MAIN.ini" ] || fail "no settings file in the configuration folder"
[ ! -e "$bin/MAIN.ini" ] || fail "the installed program made MAIN.ini beside itself"
echo "Package checked: $deb"
