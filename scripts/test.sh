#!/usr/bin/env bash
# Builds the program and its tests and runs every check: the tests, that app/ and list/ compile no Qt
# header, the same tests again under AddressSanitizer and UndefinedBehaviorSanitizer (the real program
# on a virtual display among them), and short fuzzing runs.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== Build and test"
bash scripts/build.sh build -DIDE_SCRIPT_WERROR=ON
# The end-to-end test's virtual display and the tools that drive and look at it.
bash scripts/deps.sh xvfb xdotool x11-utils x11-apps xclip
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j"$jobs")

echo "== The program's own code and the platform compile no Qt header"
bash scripts/check-no-qt.sh build app list platform

echo "== Fuzz the parsers of outside bytes"
FUZZ_CMAKE_ARGS=-DIDE_SCRIPT_WERROR=ON bash scripts/fuzz.sh

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DIDE_SCRIPT_SANITIZE=ON -DIDE_SCRIPT_WERROR=ON
# The real program on a virtual display too: the end-to-end test, and the leak check that shows the
# suppressions hide only the system libraries' leaks at exit.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/tests/sanitizer/lsan.supp
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600 -j"$jobs")
