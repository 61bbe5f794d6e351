#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build directory and checks it as a
# packager would: its dependencies are named, it holds the program, its desktop
# files, licence and changelog, lintian finds nothing to warn about, and the
# program it holds passes the package's own test. Then builds the Debian
# source package from the checkout's files and lints it too, and checks that
# every source file states its licence.
# Usage: check-package.sh BUILD_DIR
set -euo pipefail
BUILD="$(cd "$1" && pwd)"
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# lint FILE: lintian's errors and warnings, pedantic ones included, fail the check.
lint() {
  local found
  found="$(lintian --pedantic --tag-display-limit 0 "$1" 2>/dev/null | grep -E '^[EW]: ' || true)"
  [ -z "$found" ] || fail "lintian on $(basename "$1"):"$'\n'"$found"
}

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/out" >/dev/null
DEB="$(ls "$WORK"/out/*.deb)"
echo "built $(basename "$DEB")"
depends="$(dpkg-deb -f "$DEB" Depends)"
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
[ "$(dpkg-deb -f "$DEB" Version)" = "3.01" ] || fail "version"
contents="$(dpkg-deb -c "$DEB")"
DOCS=./usr/share/doc/orvane-calculator
for f in ./usr/bin/orvane-calculator ./usr/bin/make-oui-list ./usr/share/orvane-calculator/vendors.bin \
         ./usr/share/applications/example.kestgroup.OrvaneCalculator.desktop \
         ./usr/share/metainfo/example.kestgroup.OrvaneCalculator.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/orvane-calculator.svg ./usr/share/man/man1/orvane-calculator.1.gz \
         $DOCS/copyright $DOCS/changelog.gz ./usr/bin/orvane ./usr/share/man/man1/orvane.1.gz \
         ./usr/share/bash-completion/completions/orvane ./usr/share/zsh/vendor-completions/_orvane; do
  grep -q " $f\$" <<<"$contents" || fail "package lacks $f"
done
lint "$DEB"

dpkg-deb -x "$DEB" "$WORK/root"
grep -qx 'License: MIT' "$WORK/root/$DOCS/copyright" || fail "the copyright file does not name the MIT licence"
PATH="$WORK/root/usr/bin:$PATH" "$SOURCE/debian/tests/version-and-start" >/dev/null ||
  fail "the package's own test"
# Started from a directory without OUI.txt, as from the desktop menu, the packaged program finds
# vendors in the registry it ships (the case reads the MAC Address page over the accessibility bus).
/usr/bin/python3 "$SOURCE/tests/e2e/run.py" "$WORK/root/usr/bin/orvane-calculator" -k InstalledVendorList \
  >"$WORK/vendor.log" 2>&1 || fail "the packaged program finds no vendor:"$'\n'"$(tail -20 "$WORK/vendor.log")"

# The source package, from the files a clean clone holds (and those not yet committed).
mkdir -p "$WORK/src/orvane-calculator"
git -C "$SOURCE" ls-files -z --cached --others --exclude-standard | (cd "$SOURCE" && while IFS= read -r -d '' f; do
  [ ! -e "$f" ] || cp --parents -- "$f" "$WORK/src/orvane-calculator"
done)
(cd "$WORK/src/orvane-calculator" && dpkg-buildpackage -S -us -uc -d >"$WORK/source.log" 2>&1) ||
  fail "the source package does not build:"$'\n'"$(tail -20 "$WORK/source.log")"
lint "$WORK/src/orvane-calculator_3.01.dsc"
lint "$WORK/src/orvane-calculator_3.01_source.changes"

# Every source file, code or script, states its licence on its first lines.
unlicensed="$(cd "$SOURCE" && git ls-files | while read -r f; do
  case "$f" in
    *.cpp|*.h|*.py|*.sh|*.cmake|*CMakeLists.txt) ;;
    *) head -c2 "$f" | grep -q '^#!' || continue ;;
  esac
  head -3 "$f" | grep -q 'SPDX-License-Identifier: MIT' || echo "$f"
done)"
[ -z "$unlicensed" ] || fail "no SPDX-License-Identifier: MIT in:"$'\n'"$unlicensed"
echo "package checks passed"
