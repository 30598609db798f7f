#!/usr/bin/env bash
# Configures and builds everything into build/ (the game, the simulator, the tests, the benchmark).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
