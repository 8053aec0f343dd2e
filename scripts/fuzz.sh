#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer and runs each for a bounded time (FUZZ_SECONDS,
# 60 by default). The inputs kept under tests/fuzz/corpus/<target>/ are replayed first: they are the
# regression fixtures of crashes found before. FUZZ_CMAKE_ARGS, when set, goes to CMake as well.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
bash scripts/deps.sh clang-14 libclang-rt-14-dev cmake ninja-build pkg-config qt6-base-dev libpcre2-dev \
  libgtest-dev googletest
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DIDE_SCRIPT_FUZZ=ON ${FUZZ_CMAKE_ARGS:-} >/dev/null
targets=()
for source in tests/fuzz/*_fuzz.cpp; do
  targets+=("$(basename "$source" .cpp)")
done
# make_corpus is built too, so that the generator of the seeds keeps up with the code.
cmake --build build-fuzz --target "${targets[@]}" make_corpus
mkdir -p build-fuzz/crashes
# Qt wants a runtime folder of ours alone; the runs get one of their own, removed when they end.
runtime=$PWD/build-fuzz/runtime
rm -rf "$runtime"
mkdir -m 0700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
for target in "${targets[@]}"; do
  name=${target%_fuzz}
  corpus=build-fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=()
  [ -d "tests/fuzz/corpus/$name" ] && seeds=("tests/fuzz/corpus/$name")
  echo "-- fuzzing $target for ${seconds}s"
  log=build-fuzz/$name.log
  if ! XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
      UBSAN_OPTIONS=print_stacktrace=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
done
