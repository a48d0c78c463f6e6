#!/usr/bin/env bash
# Installs what is missing, builds the simulator and starts it from its folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZX_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zorbanix assets
cd "$build/bin"
exec ./zorbanix
