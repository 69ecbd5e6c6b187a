#!/bin/bash
# i686 only: remakes a DLL's import library so that its symbols carry the
# stdcall decorations (_Name@N) that callers' objects refer to, while the
# names imported from the DLL stay undecorated as the def file exports them.
set -e
nm=$1 dlltool=$2 dll=$3 implib=$4
def=$(mktemp)
{
  echo "LIBRARY $(basename "$dll")"
  echo "EXPORTS"
  exported=$(${nm%nm}objdump -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^$/{t=0}')
  symbols=$($nm "$dll" | awk '$2=="T"{print $3}')
  for name in $exported; do
    decorated=$(grep -m1 -- "^_${name}@[0-9]*$" <<<"$symbols" || true)
    if [ -n "$decorated" ]; then echo "${decorated#_}"; else echo "$name"; fi
  done
} >"$def"
$dlltool -k -d "$def" -D "$(basename "$dll")" -l "$implib"
rm -f "$def"
