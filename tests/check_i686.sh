#!/bin/bash
# Static checks of the i686 product, which cannot run on this machine:
#  - every export listed in exports/*.txt ("Name argument-count") is in the
#    DLL's export table, undecorated, and its stdcall decoration _Name@N in
#    the DLL's symbols has N = 4 x the listed count;
#  - the export table holds nothing unlisted and no decorated name;
#  - no compiler runtime DLL is imported.
set -u
build=$1 exports=$2
dll=$build/bin/orvexlib.dll
nm=i686-w64-mingw32-nm objdump=i686-w64-mingw32-objdump
[ -f "$dll" ] || { echo "missing $dll"; exit 1; }

fail=0
exported=$($objdump -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^$/{t=0}')
symbols=$($nm "$dll" | awk '$2=="T"{print $3}')
expected=$(cat "$exports"/*.txt | sed 's/#.*//' | awk 'NF>=2{print $1, $2}')

while read -r name count; do
  [ -n "$name" ] || continue
  if ! grep -qx -- "$name" <<<"$exported"; then
    echo "not exported: $name"; fail=1; continue
  fi
  want="_${name}@$((count * 4))"
  if ! grep -qx -- "$want" <<<"$symbols"; then
    have=$(grep -- "^_${name}@" <<<"$symbols" | head -1)
    echo "wrong argument size: $name is ${have:-undecorated}, expected $want"; fail=1
  fi
done <<<"$expected"

while read -r name; do
  [ -n "$name" ] || continue
  case "$name" in *@*) echo "decorated export: $name"; fail=1; continue;; esac
  grep -q -- "^$name " <<<"$expected" || { echo "export not in the argument list: $name"; fail=1; }
done <<<"$exported"

for dll_file in "$build"/bin/orvexlib.dll "$build"/bin/kitlib.dll "$build"/bin/kitmsg.dll "$build"/bin/orvexmsg.dll; do
  if $objdump -p "$dll_file" | grep -iE 'DLL Name: *(libgcc|libstdc|libwinpthread|msvcp)' ; then
    echo "compiler runtime imported by $dll_file"; fail=1
  fi
done

count=$(grep -c . <<<"$expected")
[ $fail = 0 ] && echo "i686: $count exports checked, names undecorated, no runtime DLL imported"
exit $fail
