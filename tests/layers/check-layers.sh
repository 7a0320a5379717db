#!/usr/bin/env bash
# Checks every project include under src/ against the layer map that the build wrote: a file
# of folder F may include only F's own headers and what F's layer sees (folders or single
# headers below it). Headers that no compiler run reaches are checked too.
#
#     check-layers.sh MAP SRC_DIR
set -euo pipefail
map=$1
src=$2
status=0
declare -A sees
while IFS= read -r line; do
  folder=${line%%:*}
  sees[$folder]="$folder ${line#*:}"
done <"$map"

for dir in "$src"/*/; do
  folder=$(basename "$dir")
  if [ -z "${sees[$folder]+set}" ]; then
    echo "layers: $folder is no layer (not built with ql_add_layer)"
    status=1
    continue
  fi
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([^"]+)".*/\1/' <<<"$text")
    allowed=0
    for entry in ${sees[$folder]}; do
      if [ "$target" = "$entry" ] || [[ "$target" == "$entry"/* ]]; then
        allowed=1
        break
      fi
    done
    if [ $allowed -eq 0 ]; then
      echo "layers: ${file#"$src"/}:$line includes $target, which $folder does not see"
      status=1
    fi
  done < <(grep -HnE '^#include "' "$dir"*.h "$dir"*.cpp 2>/dev/null || true)
done
[ $status -eq 0 ] && echo "layers: every include stays within its layer"
exit $status
