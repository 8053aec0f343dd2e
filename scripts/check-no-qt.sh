#!/usr/bin/env bash
# Fails when a source of the given folders compiles a Qt header, as the compiler's own dependency
# records in the build tree show, or when a public framework header names a Qt type. An object belongs
# to the folder of its source, the first file in its record, wherever its target keeps it: app/ and
# list/ build one library.
# Usage: scripts/check-no-qt.sh BUILD_DIR FOLDER...
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd -P)
build=$1
shift
# Only the objects that the build has now, not records of targets that are gone.
mapfile -t objects < <(ninja -C "$build" -t targets all | awk -F: '$1 ~ /\.o$/ { print $1 }')
deps=$(ninja -C "$build" -t deps "${objects[@]}")
status=0
for folder in "$@"; do
  report=$(awk -v sources="$root/$folder/" '
    /^[^ \t]/ { object = $1; sub(/:$/, "", object); first = 1; next }
    /^[ \t]/ && first { first = 0; mine = index($1, sources) == 1; if (mine) count++; next }
    /^[ \t]/ && mine && $1 ~ /\/qt6\// && !(object in seen) { seen[object]; print object " includes " $1 }
    END { print "objects " count + 0 }' <<<"$deps")
  objectCount=$(tail -n 1 <<<"$report" | cut -d' ' -f2)
  found=$(sed '$d' <<<"$report")
  if [ "$objectCount" -eq 0 ]; then
    echo "no compiled objects of $folder/ in $build" >&2
    status=1
  elif [ -n "$found" ]; then
    echo "$found" >&2
    status=1
  else
    echo "$folder/: $objectCount objects, no Qt header"
  fi
done
if grep -nE '<Q[A-Za-z]*>|\bQ[A-Z][A-Za-z]+\b' framework/*.h; then
  echo "a public framework header names Qt" >&2
  status=1
fi
exit $status
