#!/bin/bash
# Installs the Debian packages the build and the tests need, when missing.
set -e
packages="g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 xvfb xauth cmake googletest"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "installing:$missing"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq $missing >/dev/null
fi
