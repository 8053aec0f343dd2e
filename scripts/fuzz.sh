  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
#  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
!  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
#  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
B  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
w  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
F  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
F  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
U  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
,  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
#  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
6  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
y  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
<  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
>  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
y  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
:  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
y  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
#  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
x  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
F  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
U  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
:  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
6  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
4  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
4  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
j  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
q  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
6  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
2  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
\  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
4  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
X  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
X  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
+  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
+  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
4  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
B  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
G  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
j  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
M  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
K  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
B  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
U  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
L  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Y  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
R  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
W  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
\  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
D  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
C  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
R  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
F  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
U  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
>  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
v  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
*  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
;  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
+  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
@  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
@  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
;  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
%  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
&  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
&  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
(  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
)  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Q  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
Q  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
L  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
F  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
R  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
M  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
O  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
N  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
k  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
.  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
\  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
x  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
x  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
4  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
9  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
6  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
\  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
_  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
x  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
m  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
@  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
2  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
>  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
&  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
|  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
2  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
=  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
{  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
I  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
P  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
E  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
A  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
T  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
U  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
S  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
}  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
[  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
0  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
]  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
;  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
$  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
g  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
;  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
p  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
b  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
l  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
-  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
u  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
z  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
c  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
r  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
a  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
h  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
s  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
/  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
"  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
>  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
&  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
2  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
x  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
t  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
1  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
   log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
f  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
i  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
d  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
o  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
n  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
e  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true

  log=build-fuzz/$name.log
  if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 ./build-fuzz/fuzz/"$target" \
      -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
      -artifact_prefix=build-fuzz/crashes/"$name"- "$corpus" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "$target found a fault; the input is under build-fuzz/crashes/" >&2
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
