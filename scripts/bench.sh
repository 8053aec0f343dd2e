#!/usr/bin/env bash
# Builds the benchmarks in a Release build in build-bench/ and runs every one of them on the offscreen
# platform. Each prints the library's report and then a table of its figures beside their floors, with
# the target and whether it was met. Extra arguments go to every benchmark (--benchmark_filter=...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh cmake ninja-build g++ pkg-config qt6-base-dev libpcre2-dev libgtest-dev googletest \
  fonts-dejavu-core libbenchmark-dev
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DIDE_SCRIPT_BENCH=ON >/dev/null
cmake --build build-bench --target benchmarks

# The machine, so that the figures can be read against it.
echo "== Machine: $(nproc) processors, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
  "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) of memory," \
  "load average $(cut -d' ' -f1-3 /proc/loadavg)"

# A runtime folder of our own: the benchmarks point the event directory into folders of their own, and
# Qt wants one before they do.
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
export QT_QPA_PLATFORM=offscreen

for benchmark in read_menu_bench script_run_bench repaint_bench startup_bench; do
  echo
  echo "== $benchmark"
  ./build-bench/bench/"$benchmark" --benchmark_counters_tabular=true "$@"
done
