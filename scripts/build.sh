#!/usr/bin/env bash
# Installs what the build and the program need, then configures and builds into build/ (or the folder
# given; further arguments go to CMake). BUILD_TARGETS, when set, names the targets to build instead of
# all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
# What the program needs when it runs:
# - fonts-ipaexfont-gothic: the menus are captioned in Japanese, and script names may be Japanese. It
#   holds the kana and the JIS X 0208 kanji in 6 MB (a 3.3 MB download), where the pan-CJK
#   fonts-noto-cjk takes 91 MB;
# - fonts-dejavu-core: the Latin text;
# - xdg-utils: the folder button opens the folder through xdg-open.
run_time=(fonts-ipaexfont-gothic fonts-dejavu-core xdg-utils)
# The tests are configured with the program, so their libraries are needed too.
build_time=(cmake ninja-build g++ pkg-config qt6-base-dev libpcre2-dev libgtest-dev googletest python3)
bash scripts/deps.sh "${build_time[@]}" "${run_time[@]}"
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
read -r -a targets <<<"${BUILD_TARGETS:-}"
cmake --build "$build" ${targets[@]:+--target "${targets[@]}"}
