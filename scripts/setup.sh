# SPDX-License-Identifier: MIT
# Shared by scripts/run and scripts/test: installs what is missing and builds.
# Sourced, not run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ORVANE_BUILD_DIR:-$ROOT/build}"
# What building and running the program needs.
PROGRAM_PACKAGES=(cmake ninja-build g++ qt6-base-dev libxcb1-dev pkgconf fonts-dejavu-core ieee-data)
# What the tests, the benchmarks and the package checks (a Debian source package
# and lintian) need besides; the end-to-end tests need a session bus, the accessibility bus and its client, real input, and a clipboard reader.
TEST_PACKAGES=(libgtest-dev libbenchmark-dev xvfb xauth desktop-file-utils appstream dpkg-dev x11-utils
               debhelper devscripts lintian
               dbus-daemon dbus-bin at-spi2-core python3-pyatspi gir1.2-atspi-2.0 xdotool xclip)

install_missing_packages() {
  local missing=()
  for p in "$@"; do
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

# configure [cache options...]: configures the build directory once; options
# given later are applied to the existing configuration.
configure() {
  if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  elif [ $# -gt 0 ]; then
    cmake -S "$ROOT" -B "$BUILD" "$@" >/dev/null
  fi
}

build() {
  cmake --build "$BUILD" -j2 "$@"
}
