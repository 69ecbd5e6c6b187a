#!/bin/bash
# Runs a Windows x86_64 program under Wine 64-bit in the project's own prefix.
# The debugger is switched off, so a crashing program ends at once.
# ctest uses it as the cross-compiling emulator; the scripts use it for demos.
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEPREFIX=${WINEPREFIX:-$here/build/wineprefix}
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
exec /usr/lib/wine/wine64 "$@"
