#!/usr/bin/env bash
# Builds the program and its tests, then runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$(nproc)"
