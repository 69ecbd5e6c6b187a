#!/bin/bash
# Runs a Windows x86_64 program under Wine 64-bit in the project's own prefix.
# ctest uses it as the cross-compiling emulator; the scripts use it for demos.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
