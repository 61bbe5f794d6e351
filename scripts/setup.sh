# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVANE_BUILD_DIR:-$ROOT/build}"
PACKAGES=(cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev fonts-dejavu-core xvfb xauth
          # the end-to-end tests: a session bus, the accessibility bus and its client, real input
          dbus-daemon dbus-bin at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xdotool)

install_missing_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local apt=(apt-get install -y --no-install-recommends "${missing[@]}")
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${apt[@]}"
  elif command -v sudo >/dev/null && sudo -n true 2>/dev/null; then
    sudo DEBIAN_FRONTEND=noninteractive apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive "${apt[@]}"
  else
    echo "Missing packages. Install them as root, then run this again:" >&2
    echo "  sudo ${apt[*]}" >&2
    exit 1
  fi
}

build() {
  if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  fi
  cmake --build "$BUILD" -j2 "$@"
}
