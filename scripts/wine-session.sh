#!/bin/bash
# Runs a command with one display and one wineserver for its whole length:
# under xvfb-run, with the project's Wine prefix made (first time only) and a
# persistent wineserver that is shut down afterwards.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "$ORVEX_IN_SESSION" ]; then
  export ORVEX_IN_SESSION=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
fi
/usr/bin/wineserver -p >/dev/null 2>&1 </dev/null
# Wine's own service processes start with the first program of the session
# and keep its standard handles: start them from a program whose output goes
# nowhere, or a test's output pipe stays open and ctest waits for it.
/usr/lib/wine/wine64 cmd.exe /c exit >/dev/null 2>&1 </dev/null
"$@"
status=$?
/usr/bin/wineserver -k >/dev/null 2>&1
/usr/bin/wineserver -w >/dev/null 2>&1
exit $status
