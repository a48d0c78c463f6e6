#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each on its seed corpus for
# ZX_FUZZ_SECONDS (30 by default). Fails on any crash, leak, time-out or an
# input that takes more memory than the limits below. Without clang and its
# fuzzer runtime it says so and succeeds.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds="${ZX_FUZZ_SECONDS:-30}"
build="${ZX_FUZZ_BUILD:-$root/build-fuzz}"

if ! command -v clang++ >/dev/null || ! command -v clang >/dev/null; then
  echo "fuzz: clang is not installed; fuzzing skipped"
  exit 0
fi
if ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' |
    clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  echo "fuzz: clang has no libFuzzer runtime; fuzzing skipped"
  exit 0
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DZX_FUZZ=ON -DZX_TESTS=OFF -DZX_BENCH=OFF >/dev/null
targets=(ini png jpeg bmp wav)
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}" >/dev/null

# ASan keeps freed memory in quarantine (256 MB by default); after a few large
# pictures in a row that alone would cross the RSS limit, which is meant for
# what one input makes a decoder hold.
export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1:quarantine_size_mb=32
failed=0
for t in "${targets[@]}"; do
  work="$build/fuzz/work-$t"
  rm -rf "$work" && mkdir -p "$work/corpus" "$work/artifacts"
  log="$work/log.txt"
  # New inputs go to a scratch corpus; the seeds in the repository stay as they are.
  if "$build/fuzz/fuzz_$t" "$work/corpus" "$root/tests/fuzz/corpus/$t" \
      -max_total_time="$seconds" -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=300 \
      -max_len=65536 -print_final_stats=1 -artifact_prefix="$work/artifacts/" >"$log" 2>&1; then
    runs=$(grep -m1 'stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "fuzz_$t: ${runs:-?} inputs in ${seconds} s, no finding"
  else
    echo "fuzz_$t: FAILED; the input is in $work/artifacts" >&2
    tail -n 40 "$log" >&2
    failed=1
  fi
done
exit $failed
