#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what a desktop and a
# user see of it: the files, the validated desktop entry and metainfo, and the
# command-line options that work without a display.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
BUILD="$1"
PREFIX="$(mktemp -d)"
trap 'rm -rf "$PREFIX"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
APP=example.kestgroup.OrvaneCalculator
for f in bin/orvane-calculator \
         share/applications/$APP.desktop \
         share/metainfo/$APP.metainfo.xml \
         share/icons/hicolor/scalable/apps/orvane-calculator.svg \
         share/icons/hicolor/48x48/apps/orvane-calculator.png \
         share/icons/hicolor/256x256/apps/orvane-calculator.png \
         share/man/man1/orvane-calculator.1.gz share/orvane-calculator/guide.html \
         bin/make-oui-list share/man/man1/make-oui-list.1.gz share/orvane-calculator/vendors.bin \
         share/doc/orvane-calculator/copyright share/doc/orvane-calculator/changelog.gz; do
  [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done
# Not even a hint about the desktop entry; no error or warning about the metainfo, pedantic ones included.
hints="$(desktop-file-validate "$PREFIX/share/applications/$APP.desktop" 2>&1)"
[ -z "$hints" ] || fail "desktop entry: $hints"
findings="$(appstreamcli validate --pedantic --no-net "$PREFIX/share/metainfo/$APP.metainfo.xml")" ||
  fail "metainfo does not validate: $findings"
! grep -E '^[EW]:' <<<"$findings" || fail "metainfo"
grep -qx 'Categories=Utility;Calculator;' "$PREFIX/share/applications/$APP.desktop" || fail "categories"
manual="$(zcat "$PREFIX/share/man/man1/orvane-calculator.1.gz")"
grep -q "OUI.txt" <<<"$manual" && grep -q "^.TH ORVANE-CALCULATOR 1 " <<<"$manual" || fail "manual page"

PROGRAM="$PREFIX/bin/orvane-calculator"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" --version)" = "Orvane Calculator 3.01" ] ||
  fail "--version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" --help | grep -q -- '--version' || fail "--help"
status=0
err="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$PROGRAM" 2>&1 >/dev/null)" || status=$?
[ "$status" -eq 1 ] || fail "without a display the exit status is $status, not 1"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && printf '%s' "$err" | grep -q 'display' ||
  fail "without a display the message is: $err"
status=0
err="$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4093 "$PROGRAM" 2>&1 >/dev/null)" || status=$?
[ "$status" -eq 1 ] || fail "with a display that does not answer the exit status is $status, not 1"
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] && printf '%s' "$err" | grep -q 'display ":4093"' ||
  fail "with a display that does not answer the message is: $err"

# The command line: installed with its manual page and completion, answering without a display.
for f in bin/orvane share/man/man1/orvane.1.gz share/bash-completion/completions/orvane \
         share/zsh/vendor-completions/_orvane; do
  [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done
zcat "$PREFIX/share/man/man1/orvane.1.gz" | grep -q "^.TH ORVANE 1 " || fail "orvane's manual page"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$PREFIX/bin/orvane" ip 10.1.2.3/22 --json |
     python3 -c 'import json, sys; print(json.load(sys.stdin)["network"])')" = "10.1.0.0/22" ] || fail "orvane ip"
bash -c "source '$PREFIX/share/bash-completion/completions/orvane' && complete -p orvane" >/dev/null ||
  fail "orvane's bash completion"
if command -v zsh >/dev/null; then
  [ "$(zsh -fc "fpath=('$PREFIX/share/zsh/vendor-completions' \$fpath); autoload -Uz compinit;
       compinit -u -d '$PREFIX/zcompdump'; print -r -- \${_comps[orvane]}")" = _orvane ] ||
    fail "orvane's zsh completion"
fi
echo "install checks passed"
