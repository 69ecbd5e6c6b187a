#!/bin/bash
# Runs a command with one display and one wineserver for its whole length:
# under xvfb-run, with the project's Wine prefix made (first time only) and a
# persistent wineserver that is shut down afterwards.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ -z "$ORVEX_IN_SESSION" ]; then
  export ORVEX_IN_SESSION=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix}
mkdir -p "$WINEPREFIX"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
fi
/usr/bin/wineserver -p >/dev/null 2>&1 </dev/null
# Start the prefix's services now, with no terminal or pipe to inherit: if the
# first program of the session starts them, they keep its output pipe open
# and a caller waiting for the end of that output (ctest) waits forever.
/usr/lib/wine/wine64 wineboot >/dev/null 2>&1 </dev/null
# Without a window manager Wine waits 2 s for every top-level window it hides
# (each message box); windows that no window manager manages do not wait.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi
# The desktop process starts with the first window of the session and keeps
# the standard handles it inherits: start it here, so that it does not hold a
# test's output pipe open (ctest waits for that pipe to close).
/usr/lib/wine/wine64 rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1
"$@"
status=$?
/usr/bin/wineserver -k >/dev/null 2>&1
/usr/bin/wineserver -w >/dev/null 2>&1
exit $status
