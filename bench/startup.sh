#!/usr/bin/env bash
# Measures start-up: the time from launch to a mapped main window in a virtual
# display, over five runs (median), and the resident memory once it shows.
# Usage: bench/startup.sh [PROGRAM [WINDOW_NAME_REGEX]]
#   default: build/orvane-calculator and "^Orvane Calculator$".
# Needs xvfb and xdotool. Each run starts with empty settings.
set -euo pipefail
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

times=()
for run in $(seq $RUNS); do
  rm -rf "$WORK/home"; mkdir -p "$WORK/home/.config"
  start=$(date +%s%N)
  HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" "$PROGRAM" >/dev/null 2>&1 &
  pid=$!
  xdotool search --sync --onlyvisible --name "$NAME" >/dev/null
  end=$(date +%s%N)
  times+=($(( (end - start) / 1000000 )))
  sleep 1
  rss=$(awk '/^VmRSS/ {print $2}' /proc/$pid/status)
  kill $pid; wait $pid 2>/dev/null || true
  echo "run $run: $(( (end - start) / 1000000 )) ms to a mapped window, ${rss} KiB resident"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (RUNS + 1) / 2 ))p")
echo "$(basename "$PROGRAM"): median ${median} ms to a mapped window; last resident ${rss} KiB"
