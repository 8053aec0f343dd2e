#!/usr/bin/env python3
"""Leak checking of the real program on a virtual X display, for the sanitizer stage.

Usage: leak_check.py --ide-script PROGRAM --ide-standin PROGRAM --leak-probe PROGRAM --suppressions FILE

Under LeakSanitizer with the suppressions FILE, two runs on Xvfb, each shown by the IDE coming to the
front and ended with Ctrl+Q, as a user ends it:
- ide-script must quit with status 0 and no leak report: the system libraries' leaks are suppressed;
- leak_probe, the same program with one object of ours leaked, must be reported, and every leak in
  the report must be that one: the suppressions hide nothing of ours.
"""

import argparse
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))

from xsession import (STEP_DEADLINE, TITLE, Failure, missing_tool, run, say, session, start_display, wait_until,
    window_info, windows_named)

OVERALL_DEADLINE = 240  # seconds: two starts of a sanitized program
PROBE_LEAK = "leakAnExpression"


def leak_blocks(log):
    """Each leak that LeakSanitizer lists, as the text of its block."""
    return re.findall(r"^(?:Direct|Indirect) leak of .*?(?=^\s*$|\Z)", log, re.M | re.S)


def run_until_quit(processes, env, path, work):
    """Starts a copy of the program at `path` from a folder of its own, waits for its window, quits it
    with Ctrl+Q; its exit status and what it wrote."""
    program = os.path.basename(path)
    folder = os.path.join(work, program + " folder")
    os.mkdir(folder)
    copy = os.path.join(folder, program)
    shutil.copy2(path, copy)
    app = processes.start(program, [copy], env, cwd=work)

    def shown():
        if app.poll() is not None:
            raise Failure(f"{program} ended with status {app.returncode}: {processes.log(program)[-3000:]}")
        for window in windows_named(env, TITLE):
            if (window_info(env, window) or {}).get("Map State") == "IsViewable":
                return window
        return None

    # A sanitized start is several times slower than a plain one.
    window = wait_until(f"{program} shows its window", shown, timeout=4 * STEP_DEADLINE)
    run(["xdotool", "windowfocus", "--sync", str(window)], env)
    run(["xdotool", "key", "ctrl+q"], env)
    try:
        # The leak check at exit walks the whole heap.
        status = app.wait(4 * STEP_DEADLINE)
    except subprocess.TimeoutExpired:
        raise Failure(f"{program} still runs {4 * STEP_DEADLINE} s after Ctrl+Q")
    processes.stop(app)
    return status, processes.log(program)


def check(args, processes, work):
    runtime = os.path.join(work, "runtime")
    os.mkdir(runtime, 0o700)
    env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY")}
    env["XDG_RUNTIME_DIR"] = runtime
    env["ASAN_OPTIONS"] = "detect_leaks=1:abort_on_error=0"
    env["LSAN_OPTIONS"] = f"suppressions={args.suppressions}"
    env["DISPLAY"] = start_display(processes, env)
    env["QT_QPA_PLATFORM"] = "xcb"
    run([args.ide_standin, "front"], env)

    say("-- the real program, quit with Ctrl+Q, exits 0 without a leak report")
    status, log = run_until_quit(processes, env, args.ide_script, work)
    if status != 0 or "LeakSanitizer" in log:
        raise Failure(f"ide-script quit with status {status}: {log[-6000:]}")

    say(f"-- the program with one object of ours leaked is reported, and only for that")
    status, log = run_until_quit(processes, env, args.leak_probe, work)
    blocks = leak_blocks(log)
    if status == 0 or "ERROR: LeakSanitizer: detected memory leaks" not in log or not blocks:
        raise Failure(f"the leak of ours went unreported (status {status}): {log[-6000:]}")
    others = [block for block in blocks if PROBE_LEAK not in block]
    if others:
        raise Failure("leaks besides ours are reported:\n" + "\n".join(others)[-6000:])
    say(f"   reported: {len(blocks)} leak(s), all from {PROBE_LEAK}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ide-script", required=True, help="the sanitized palette program")
    parser.add_argument("--ide-standin", required=True, help="the IDE stand-in that brings the IDE to the front")
    parser.add_argument("--leak-probe", required=True, help="the sanitized palette with one leak of ours")
    parser.add_argument("--suppressions", required=True, help="the LeakSanitizer suppressions file")
    args = parser.parse_args()
    args.ide_script, args.ide_standin, args.leak_probe = (os.path.abspath(path) for path in
        (args.ide_script, args.ide_standin, args.leak_probe))
    args.suppressions = os.path.abspath(args.suppressions)
    missing = missing_tool(("Xvfb", "xdotool", "xwininfo"))
    if missing:
        say(f"FAIL: {missing} is not installed")
        return 1
    with session("leak-check-", OVERALL_DEADLINE) as (processes, work):
        try:
            check(args, processes, work)
        except Failure as failure:
            say(f"FAIL: {failure}")
            return 1
    say("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
