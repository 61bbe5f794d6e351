#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the command line against sipcalc and ipcalc on the same questions in
# the same run: the time from process start to exit of one question (median
# of RUNS runs), and the time to print the 4,194,304 subnets of 10.0.0.0/8 at
# /30 (median of 3). Also counts the shared objects orvane loads that belong
# to a graphical toolkit (LD_DEBUG): there must be none.
# Usage: bench/cli.sh [ORVANE]   (default: build/orvane)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
ORVANE="${1:-$ROOT/build/orvane}"
RUNS=51

# Milliseconds, three decimals, of the median of RUNS runs of a command.
median_ms() {
  local runs=$1; shift
  local times=() start end
  for _ in $(seq "$runs"); do
    # EPOCHREALTIME is read without starting a process.
    start=${EPOCHREALTIME/./}; "$@" >/dev/null 2>&1 || true; end=${EPOCHREALTIME/./}
    times+=($(( end - start )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p" | awk '{ printf "%.3f", $1 / 1000 }'
}

# Milliseconds of processor time (user and system) of one run, over RUNS runs,
# from perf: unlike the wall clock, it hardly moves with the machine's load.
cpu_ms() {
  command -v perf >/dev/null || { echo "-"; return; }
  perf stat -r "$RUNS" -e task-clock -x, "$@" 2>&1 >/dev/null | awk -F, '/task-clock/ { printf "%.3f", $1 }'
}

row() { printf '%-44s %10s ms%s\n' "$1" "$2" "${3:+ $(printf '%10s' "$3") ms}"; }
question() { local name=$1; shift; row "$name" "$(median_ms $RUNS "$@")" "$(cpu_ms "$@")"; }

echo "process start to exit over $RUNS runs: median wall clock, mean processor time"
question "/bin/true (starting any program)" /bin/true
question "orvane ip 10.1.2.3/22" "$ORVANE" ip 10.1.2.3/22
question "orvane ip 2001:db8::1/64 --json" "$ORVANE" ip 2001:db8::1/64 --json
question "orvane subnet 172.16.5.9 --mask-bits 20" "$ORVANE" subnet 172.16.5.9 --mask-bits 20
question "orvane mac 3c:22:fb:12:34:56 (vendor list)" "$ORVANE" mac 3c:22:fb:12:34:56
for tool in sipcalc ipcalc; do
  command -v $tool >/dev/null || { echo "($tool is not installed)"; continue; }
  question "$tool 10.1.2.3/22" $tool 10.1.2.3/22
  question "$tool 2001:db8::1/64" $tool 2001:db8::1/64
done

echo
gui="$(LD_DEBUG=libs "$ORVANE" ip 10.1.2.3/22 2>&1 >/dev/null | grep 'calling init' |
       grep -ciE 'qt|x11|xcb|wayland|libgl|fontconfig|freetype' || true)"
echo "graphical libraries loaded by orvane ip: $gui"

echo
echo "the subnets of 10.0.0.0/8 at /30 to /dev/null, median of 3:"
ours="$(median_ms 3 "$ORVANE" split 10.0.0.0/8 /30 --csv)"
row "orvane split 10.0.0.0/8 /30 --csv" "$ours"
if command -v sipcalc >/dev/null; then
  theirs="$(median_ms 3 sipcalc -s 30 10.0.0.0/8)"
  row "sipcalc -s 30 10.0.0.0/8" "$theirs"
  awk -v a="$theirs" -v b="$ours" 'BEGIN { printf "orvane is %.1f times as fast\n", a / b }'
fi
