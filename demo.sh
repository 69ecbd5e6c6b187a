#!/bin/bash
# Installs what is missing, builds both targets and runs the demo host under
# Wine: a real chain of tools through myExecuteByMyMain, its output printed as
# the host's output window shows it.
set -e
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "$root/build/win64/bin"
exec "$root/scripts/wine-session.sh" "$root/scripts/wine-run.sh" demo_host.exe
