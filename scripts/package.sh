#!/usr/bin/env bash
# Builds the Debian package: a release build of the program alone, then CPack.
# Usage: scripts/package.sh [build folder]   (default: <repo>/build-package)
# Prints the path of the .deb it wrote.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh" >&2
build="${1:-$root/build-package}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZX_SANITIZE=OFF \
  -DZX_TESTS=OFF -DZX_BENCH=OFF >&2
cmake --build "$build" -j2 >&2
rm -f "$build"/zorbanix_*.deb
(cd "$build" && cpack -G DEB >&2)
ls "$build"/zorbanix_*.deb
