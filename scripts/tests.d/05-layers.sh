#!/usr/bin/env bash
# The product's folders are floors: a file may include headers of its own folder and
# of the folders below it, never of one above. The order, bottom up, is the README's.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$ROOT"
floors=(resources platform host model state storage inks postscript dialogs plugin)

rank() {
  local i
  for i in "${!floors[@]}"; do [ "${floors[$i]}" = "$1" ] && { echo "$i"; return; }; done
  echo -1
}

bad=0
for folder in "${floors[@]}"; do
  own=$(rank "$folder")
  while IFS=: read -r file line text; do
    target=$(sed -E 's/^#include "([A-Za-z0-9_]+)\/.*/\1/' <<<"$text")
    [ "$target" = "$folder" ] && continue
    to=$(rank "$target")
    if [ "$to" -lt 0 ] || [ "$to" -gt "$own" ]; then
      echo "$file:$line: $folder/ includes $target/, which is not below it: $text"
      bad=1
    fi
  done < <(grep -rnE '^#include "[A-Za-z0-9_]+/' "$folder" || true)
done
if [ "$bad" != 0 ]; then
  echo "layers: a folder includes one above it (order, bottom up: ${floors[*]})" >&2
  exit 1
fi
echo "layers: every include goes down (${floors[*]})"
