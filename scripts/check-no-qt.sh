#!/usr/bin/env bash
# Fails when a source of the given folders compiles a Qt header, as the compiler's own dependency
# records in the build tree show, or when a public framework header names a Qt type.
# Usage: scripts/check-no-qt.sh BUILD_DIR FOLDER...
set -euo pipefail
cd "$(dirname "$0")/.."
build=$1
shift
status=0
for folder in "$@"; do
  found=$(ninja -C "$build" -t deps | awk -v folder="$folder" '
    /^[^ \t]/ { object = $1; mine = index(object, folder "/CMakeFiles/") == 1 }
    /^[ \t]/ && mine && $1 ~ /\/qt6\// && !(object in seen) { seen[object]; print object " includes " $1 }')
  objects=$(ninja -C "$build" -t deps | grep -c "^$folder/CMakeFiles/" || true)
  if [ "$objects" -eq 0 ]; then
    echo "no compiled objects of $folder/ in $build" >&2
    status=1
  elif [ -n "$found" ]; then
    echo "$found" >&2
    status=1
  else
    echo "$folder/: $objects objects, no Qt header"
  fi
done
if grep -nE '<Q[A-Za-z]*>|\bQ[A-Z][A-Za-z]+\b' framework/*.h; then
  echo "a public framework header names Qt" >&2
  status=1
fi
exit $status
