#!/usr/bin/env bash
# Installs the Debian packages the simulator, its tests and benchmarks need.
# Only missing packages are installed; runs as root or through sudo.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libxcb1-dev
  libsdl2-dev
  libpng-dev libjpeg62-turbo-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3
  xvfb xauth xdotool imagemagick x11-utils x11-xserver-utils openbox
  xfwm4 dbus-daemon
  sway swaybg grim qt6-wayland libwayland-dev libxkbcommon-dev util-linux passwd
  file dpkg-dev binutils desktop-file-utils appstream
  fonts-dejavu-core fonts-liberation
  clang libclang-rt-14-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
