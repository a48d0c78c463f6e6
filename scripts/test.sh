#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test (unit, widget, end to end),
# then the fuzz targets.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
# No include runs up the layers of docs/architecture.md.
"$root/scripts/check_layers.sh"
build="${ZX_TEST_BUILD:-$root/build-test}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZX_SANITIZE=ON -DZX_TESTS=ON >/dev/null
cmake --build "$build" -j2
cd "$build"
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --output-on-failure -j2 --timeout 300
# The decoders and the Config.ini reader under libFuzzer, about 30 s each
# (skipped where clang is not installed).
"$root/scripts/fuzz.sh"
