#!/usr/bin/env python3
"""The demo for a machine without a display, on a virtual X display of its own: the IDE stand-in in
front, the palette in the demo folder, one row clicked. It saves a screenshot of the palette, prints
the script that the stand-in received, and ends every process that it started.

Usage: demo_headless.py --build BUILD_DIR --folder DEMO_FOLDER --click NAME --screenshot FILE

Standard output carries the script's bytes; everything else goes to standard error.
"""

import argparse
import os
import subprocess
import sys

sys.dont_write_bytecode = True  # the source tree stays clean
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from xsession import (HEIGHT, ROW_HEIGHT, ROW_TOP, ROW_X, TITLE, Failure, click, missing_tool, rows_drawn, run, session,
    shoot, start_display, wait_until, window_info, windows_named)

DEADLINE = 60  # seconds for the whole run
VISIBLE_ROWS = (HEIGHT - 25 - ROW_TOP) // ROW_HEIGHT


def tell(text):
    print(text, file=sys.stderr, flush=True)


def listed(folder):
    # The rows: the folder's names that end in "rbs", in byte order.
    return sorted((name for name in os.listdir(folder) if name.endswith("rbs")), key=os.fsencode)


def demo(args, processes, work):
    runtime = os.path.join(work, "runtime")  # an event directory of the demo's own
    os.mkdir(runtime, 0o700)
    records = os.path.join(work, "received")
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY")}
    env["XDG_RUNTIME_DIR"] = runtime
    env["DISPLAY"] = start_display(processes, env)
    env["QT_QPA_PLATFORM"] = "xcb"

    standin = processes.start("standin", [os.path.join(args.build, "ide-standin"), "serve", "--front", "--record",
        records], env)
    wait_until("the IDE stand-in listens", lambda: "listening on" in processes.log("standin")
        or standin.poll() is not None)
    if standin.poll() is not None:
        raise Failure("the IDE stand-in ended: " + processes.log("standin"))

    palette = processes.start("palette", [os.path.join(args.folder, "ide-script")], env, cwd=args.folder)

    def found():
        if palette.poll() is not None:
            raise Failure(f"the palette ended with status {palette.returncode}: {processes.log('palette')}")
        windows = windows_named(env, TITLE)
        return windows[0] if len(windows) == 1 else None

    window = wait_until(f'the window "{TITLE}"', found)
    wait_until("the palette shows", lambda: (window_info(env, window) or {}).get("Map State") == "IsViewable")
    rows = listed(args.folder)
    if args.click not in rows or rows.index(args.click) >= VISIBLE_ROWS:
        raise Failure(f"{args.click} is not among the first {VISIBLE_ROWS} rows {rows}")
    shown = min(len(rows), VISIBLE_ROWS)
    wait_until("the rows are drawn", lambda: rows_drawn(shoot(env, window), shown, below=False))

    row = rows.index(args.click)
    click(env, window, ROW_X, ROW_TOP + ROW_HEIGHT * row + 10)
    received = os.path.join(records, "000001")
    wait_until(f"the stand-in receives {args.click}", lambda: os.path.exists(received))
    # The press shows for one tick; the picture is taken once every face is back to normal.
    wait_until("the pressed face goes", lambda: rows_drawn(shoot(env, window), shown, below=False))
    with open(args.screenshot, "wb") as f:
        f.write(shoot(env, window).png())

    run(["xdotool", "windowfocus", "--sync", str(window), "key", "ctrl+q"], env)
    try:
        status = palette.wait(10)
    except subprocess.TimeoutExpired:
        raise Failure("the palette did not quit on Ctrl+Q")
    if status != 0:
        raise Failure(f"the palette quit with status {status}: {processes.log('palette')}")
    with open(received, "rb") as f:
        return f.read()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True)
    parser.add_argument("--folder", required=True)
    parser.add_argument("--click", required=True)
    parser.add_argument("--screenshot", required=True)
    args = parser.parse_args()
    args.build, args.folder = os.path.abspath(args.build), os.path.abspath(args.folder)
    missing = missing_tool(("Xvfb", "xdotool", "xwininfo", "xwd"))
    if missing:
        tell(f"The demo needs {missing}, which is not installed.")
        return 1

    with session("palette-demo-", DEADLINE) as (processes, work):
        try:
            script = demo(args, processes, work)
        except Failure as failure:
            tell(f"The demo failed: {failure}")
            tell(processes.tails().rstrip())
            return 1
    tell(f"The palette, after a click on {args.click}: {os.path.relpath(args.screenshot)}")
    tell(f"The IDE stand-in received {args.click}:")
    sys.stdout.buffer.write(script)
    sys.stdout.flush()
    return 0


if __name__ == "__main__":
    sys.exit(main())
