#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures start-up: the time from launch to a mapped main window in a virtual
# display, over five runs (median), and the resident memory once it shows; and
# shut-down: the time from File > Exit (typed as Alt+F, then X) to the end of the
# process (measured in steps of 10 ms).
# Usage: bench/startup.sh [-s SETTINGS_DIR] [PROGRAM [WINDOW_NAME_REGEX]]
#   default: build/orvane-calculator and "^Orvane Calculator$".
#   -s: every run starts with a copy of SETTINGS_DIR as its XDG configuration
#       directory (e.g. holding OrvaneCalculator/registry.reg); else with none.
# Needs xvfb and xdotool.
set -euo pipefail
SETTINGS=""
while getopts s: option; do
  case $option in
    s) SETTINGS="$(cd "$OPTARG" && pwd)" ;;
    *) exit 2 ;;
  esac
done
shift $((OPTIND - 1))
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
PROGRAM="${1:-$ROOT/build/orvane-calculator}"
NAME="${2:-^Orvane Calculator\$}"
RUNS=5
WORK="$(mktemp -d)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB=$!
trap 'kill $XVFB 2>/dev/null; rm -rf "$WORK"' EXIT
while [ ! -s "$WORK/display" ]; do sleep 0.05; done
export DISPLAY=":$(cat "$WORK/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

median() { printf '%s\n' "$@" | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p"; }

times=()
exits=()
for run in $(seq $RUNS); do
  rm -rf "$WORK/home"; mkdir -p "$WORK/home/.config"
  # Synced, so that writing the copy back does not slow the run down.
  if [ -n "$SETTINGS" ]; then cp -r "$SETTINGS/." "$WORK/home/.config/"; sync; fi
  start=$(date +%s%N)
  HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" "$PROGRAM" >/dev/null 2>&1 &
  pid=$!
  # Polled every 10 ms: xdotool's own --sync waits half a second between tries.
  until window=$(xdotool search --onlyvisible --name "$NAME" | head -1) && [ -n "$window" ]; do sleep 0.01; done
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1
  rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  xdotool windowfocus "$window" key alt+f
  sleep 0.3
  start=$(date +%s%N)
  xdotool key x
  for try in $(seq 1000); do kill -0 $pid 2>/dev/null || break; sleep 0.01; done
  if kill -0 $pid 2>/dev/null; then echo "run $run: File > Exit did not end the program" >&2; kill $pid; fi
  wait $pid 2>/dev/null || true
  end=$(date +%s%N)
  exits+=($(( (end - start) / 1000000 )))
  echo "run $run: ${times[-1]} ms to a mapped window, ${rss} KiB resident, ${exits[-1]} ms to exit"
done
echo "$(basename "$PROGRAM"): median $(median "${times[@]}") ms to a mapped window, $(median "${exits[@]}") ms to exit;" \
  "last resident ${rss} KiB"
