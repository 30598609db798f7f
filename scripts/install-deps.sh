#!/usr/bin/env bash
# Installs the Debian 12 packages that building, playing and testing Tarnova need, if missing.
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail

packages=(
  cmake ninja-build g++          # build tools
  qt6-base-dev qt6-qpa-plugins   # Qt 6 Widgets, QtTest, the X11 platform plugin
  qt6-svg-dev                    # the vector pictures
  fonts-liberation2              # stand-ins for Arial, MS Sans Serif, Courier New (with Cyrillic)
  fonts-paratype                 # PT Sans Narrow and PT Sans Caption for Impact and Arial Black
  libbenchmark-dev               # the model's benchmark
  xvfb xdotool                   # the test on a real X display
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
