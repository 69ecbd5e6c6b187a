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

declare -A exported decoration expected
while read -r name; do exported[$name]=1; done < <(
  $objdump -p "$dll" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^$/{t=0}')
while read -r symbol; do
  name=${symbol#_}; decoration[${name%@*}]=${symbol##*@}
done < <($nm "$dll" | awk '$2=="T" && $3 ~ /^_.*@[0-9]+$/ {print $3}')
while read -r name count; do expected[$name]=$count; done < <(
  cat "$exports"/*.txt | sed 's/#.*//' | awk 'NF>=2{print $1, $2}')

fail=0
for name in "${!expected[@]}"; do
  want=$((expected[$name] * 4))
  if [ -z "${exported[$name]:-}" ]; then
    echo "not exported: $name"; fail=1
  elif [ "${decoration[$name]:-none}" != "$want" ]; then
    echo "wrong argument size: $name has @${decoration[$name]:-none}, expected @$want"; fail=1
  fi
done
for name in "${!exported[@]}"; do
  case "$name" in *@*) echo "decorated export: $name"; fail=1; continue;; esac
  [ -n "${expected[$name]:-}" ] || { echo "export not in the argument list: $name"; fail=1; }
done

for file in orvexlib kitlib kitmsg orvexmsg; do
  if $objdump -p "$build/bin/$file.dll" | grep -iE 'DLL Name: *(libgcc|libstdc|libwinpthread|msvcp)'; then
    echo "compiler runtime imported by $file.dll"; fail=1
  fi
done

[ $fail = 0 ] && echo "i686: ${#expected[@]} exports checked, names undecorated, no runtime DLL imported"
exit $fail
