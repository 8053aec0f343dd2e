#!/usr/bin/env bash
# Installs what the build needs, then configures and builds into build/ (or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh cmake ninja-build g++ pkg-config qt6-base-dev libpcre2-dev libgtest-dev googletest \
  fonts-dejavu-core python3 xvfb xauth xdotool x11-utils x11-apps xclip
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build"
