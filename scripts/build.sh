#!/bin/bash
# Configures and builds both targets: build/win32 (the i686 product) and
# build/win64 (x86_64, with the tests that run under Wine).
set -e
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs=$(nproc)
configure() { # folder toolchain extra...
  local dir=$1 tc=$2; shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="cmake/$tc" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  fi
}
configure build/win32 toolchain-i686.cmake -DORVEX_TESTS=OFF
configure build/win64 toolchain-x86_64.cmake -DORVEX_I686_DIR="$root/build/win32"
cmake --build build/win32 -j "$jobs" 2>&1 | grep -vE '^\[ *[0-9]+%\]' || true
[ "${PIPESTATUS[0]}" = 0 ] || exit 1
cmake --build build/win64 -j "$jobs" 2>&1 | grep -vE '^\[ *[0-9]+%\]' || true
[ "${PIPESTATUS[0]}" = 0 ] || exit 1
