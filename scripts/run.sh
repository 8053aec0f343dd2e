#!/usr/bin/env bash
# Builds the program and the IDE stand-in and shows them working: the stand-in comes to the front, and
# the palette runs from build/demo/ with the sample scripts of demo/. With a display the palette is
# there to use, and each click makes the stand-in print that script. Without one, the same demo runs
# by itself on a virtual display: one row is clicked, and a screenshot of the palette is saved.
set -euo pipefail
cd "$(dirname "$0")/.."
headless=
[ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && headless=1
# Standard output carries only the scripts that the stand-in receives.
if [ -n "$headless" ]; then
  bash scripts/deps.sh xvfb xdotool x11-utils x11-apps >&2
fi
BUILD_TARGETS="ide-script ide-standin" bash scripts/build.sh build >&2

demo=build/demo
rm -rf "$demo"
mkdir -p "$demo"
cp build/ide-script "$demo/"
cp demo/*.rbs "$demo/"

if [ -n "$headless" ]; then
  echo "There is no display: the demo runs on a virtual one by itself." >&2
  exec python3 scripts/demo_headless.py --build build --folder "$demo" --click "挨拶.rbs" \
    --screenshot "$demo/palette.png"
fi

./build/ide-standin serve --front &
standin=$!
trap 'kill $standin 2>/dev/null || true' EXIT
events=${XDG_RUNTIME_DIR:+$XDG_RUNTIME_DIR/apple-events}
events=${events:-/tmp/apple-events-$(id -u)}
for _ in $(seq 50); do
  [ -S "$events/RBv2.sock" ] && break
  kill -0 $standin 2>/dev/null || { echo "The IDE stand-in could not start." >&2; exit 1; }
  sleep 0.1
done
echo "The palette lists the scripts of $demo; a click makes the stand-in print that script." \
  "Hide the palette with build/ide-standin back, show it with build/ide-standin front." >&2
echo "Stop with Ctrl+Q in the palette or with its close button." >&2
"$demo/ide-script"
