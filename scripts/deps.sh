#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are not installed yet. It says in one line
# on standard error what it installs; apt's own output goes to a log that is shown only when apt fails.
set -euo pipefail
missing=()
for package in "$@"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -gt 0 ] || exit 0
count="${#missing[@]} packages"
[ ${#missing[@]} -eq 1 ] && count="1 package"
echo "deps: installing ${missing[*]} ($count)" >&2
log=$(mktemp "${TMPDIR:-/tmp}/deps.XXXXXX")
trap 'rm -f "$log"' EXIT
export DEBIAN_FRONTEND=noninteractive
if ! { apt-get update && apt-get install -y --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
  echo "deps: apt-get failed:" >&2
  cat "$log" >&2
  exit 1
fi
