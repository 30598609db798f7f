#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it in its working folder build/play,
# where it keeps its settings file tarnova.ini and reads the user guide tarnova.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
mkdir -p build/play
cp guide/tarnova.txt build/play/tarnova.txt
cd build/play
exec ../app/tarnova
