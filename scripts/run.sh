#!/usr/bin/env bash
# Builds the program and shows it working: the IDE stand-in comes to the front, and the palette runs
# from a folder with a few sample scripts. Clicking a row makes the stand-in print that script.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "There is no display to show the palette on. Run it under a virtual one:"
  echo "  bash scripts/deps.sh xvfb xauth && xvfb-run -a bash scripts/run.sh"
  exit 1
fi

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp build/ide-script "$demo/"
cp demo/*.rbs "$demo/"

./build/ide-standin serve --front &
standin=$!
trap 'kill $standin 2>/dev/null || true' EXIT
events=${XDG_RUNTIME_DIR:-/tmp/apple-events-$(id -u)}
[ -n "${XDG_RUNTIME_DIR:-}" ] && events=$XDG_RUNTIME_DIR/apple-events
for _ in $(seq 50); do [ -S "$events/RBv2.sock" ] && break; sleep 0.1; done
echo "The palette lists the scripts of $demo; the stand-in prints each script it receives."
"$demo/ide-script"
