#!/bin/bash
# Installs what is missing, builds both targets and runs the whole suite.
set -e
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
cd "$root/build/win64"
exec "$root/scripts/wine-session.sh" ctest --output-on-failure -j 2 "$@"
