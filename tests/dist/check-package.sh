#!/usr/bin/env bash
# Builds the Debian package from the build directory and checks it: its
# dependencies are named, it holds the program and its desktop files, and the
# program it holds starts and shows its window.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >/dev/null
DEB="$(ls "$WORK"/out/*.deb)"
echo "built $(basename "$DEB")"
depends="$(dpkg-deb -f "$DEB" Depends)"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$DEB" Version)" = "3.01" ] || fail "version"
contents="$(dpkg-deb -c "$DEB")"
for f in ./usr/bin/orvane-calculator ./usr/share/applications/example.kestgroup.OrvaneCalculator.desktop \
         ./usr/share/metainfo/example.kestgroup.OrvaneCalculator.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/orvane-calculator.svg ./usr/share/man/man1/orvane-calculator.1; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done

dpkg-deb -x "$DEB" "$WORK/root"
PROGRAM="$WORK/root/usr/bin/orvane-calculator"
[ "$("$PROGRAM" --version)" = "Orvane Calculator 3.01" ] || fail "packaged program --version"
# The packaged program shows its window in a virtual display.
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config"
mkdir -p "$XDG_CONFIG_HOME"
env -u QT_QPA_PLATFORM xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
  "$0" & pid=$!
  for _ in $(seq 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q "\"Orvane Calculator\""; then kill $pid; wait $pid 2>/dev/null; exit 0; fi
    kill -0 $pid 2>/dev/null || exit 3
    sleep 0.1
  done
  kill $pid; exit 2' "$PROGRAM" || fail "the packaged program showed no window"
echo "package checks passed"
