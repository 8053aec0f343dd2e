#!/usr/bin/env python3
"""The palette as a user meets it: the real ide-script on its own virtual X display, beside the real
ide-standin, driven with xdotool and checked through xwininfo, screenshots (xwd) and the scripts that
the stand-in records.

Usage: palette_e2e.py --ide-script PROGRAM --ide-standin PROGRAM [--screenshot FILE]

Every process it starts (Xvfb, ide-standin, ide-script, xdotool and the like, the stand-in opener) is
ended on success, failure and timeout; each also gets SIGKILL from the kernel should this script die.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import time

sys.dont_write_bytecode = True  # the source tree stays clean
from xsession import (FACE, HEIGHT, PRESSED, ROW_HEIGHT, ROW_TOP, ROW_X, STEP_DEADLINE, TITLE, WIDTH, Failure, Shot,
    background_below, click, die_with_parent, face_shows, ignore_signals, missing_tool, row_band, row_pixels, rows_drawn,
    run, say, session, shoot, shoot_raw, start_display, wait_until, window_info, windows_named)

COLLAPSED = 25
# Tall enough for every fixture row and the one that reload adds, with background under the last.
GROWN = 260

OVERALL_DEADLINE = 300  # seconds; CTest's own limit is longer, so that this script cleans up first
# Quick switches through the stand-in, as a user who flips between the IDE and another application.
FAST_SWITCHES = 30
# Clicks far faster than the press flash's 100 ms, on a palette whose stack is cut so short that waits
# nesting one level (some 3.5 KB) for each click would overflow it within the burst; the bounded
# nesting fits with room to spare, under the sanitizers too. A palette that cannot keep up (a slow
# sanitizer build) takes at worst one queued click a flash, which the wait for the scripts allows.
RAPID_CLICKS = 250
RAPID_DELAY = 1  # milliseconds
RAPID_STACK = 640 * 1024
RAPID_CATCH_UP = STEP_DEADLINE + RAPID_CLICKS * 0.15  # seconds

# The folder's items. Rows come in the byte order of the names that match "rbs$"; a row's click
# reads caption + ".rbs", where the caption is the name less its first ".rbs". `sends` names the
# file whose bytes the click must deliver, or None when that file does not exist.
FIXTURES = [
    # (name, contents or "folder", sends)
    ("Hello World.rbs", b'print "hello"\r\nprint "world"\r\n', "Hello World.rbs"),
    ("Tools.rbs", "folder", None),
    # Beside "Y.RBS" below, which differs only in case: one row, and it sends this file.
    ("Y.rbs", b"' the lower-case Y.rbs\r\n", "Y.rbs"),
    ("a.rbs.b.rbs", b"caption a.b.rbs: its click looks for a.b.rbs.rbs\n", None),
    ("notes_rbs", b"no dot: its click looks for notes_rbs.rbs\n", None),
    ("nul bytes.rbs", b"before\x00between\x00\x00after\x00", "nul bytes.rbs"),
    ("raw bytes.rbs", b"\xff\xfe not UTF-8: \xc3\x28 \xa0\xa1 \xed\xa0\x80 end\r", "raw bytes.rbs"),
    ("スクリプト 一.rbs", "テキスト = \"こんにちは\"\n".encode(), "スクリプト 一.rbs"),
    ("挨拶.rbs", "' 挨拶\r\nMsgBox \"やあ\"\r\n".encode() + b"\xe6\x8c", "挨拶.rbs"),
]
# Items that match no row.
UNLISTED = [
    ("readme.txt", b"not a script\n"),
    ("old.rbs.bak", b"ends in .bak\n"),
    ("Y.RBS", b"' the upper-case Y.RBS: no row of its own\r\n"),
    ("Tools.rbs/inside.rbs", b"inside a folder, never listed\n"),
]
ADDED = ("New script.rbs", b"' added while the palette runs\nBeep\n")
ADDED_ROW = 1  # between "Hello World.rbs" and "Tools.rbs"
REMOVED = "raw bytes.rbs"


# ---- the scripts' folder and what the stand-in records --------------------------------------------


def make_folder(folder, program):
    os.makedirs(folder)
    shutil.copy2(program, os.path.join(folder, "ide-script"))
    for name, contents, _ in FIXTURES:
        path = os.path.join(folder, name)
        if contents == "folder":
            os.mkdir(path)
        else:
            with open(path, "wb") as f:
                f.write(contents)
    for name, contents in UNLISTED:
        with open(os.path.join(folder, name), "wb") as f:
            f.write(contents)


class Records:
    def __init__(self, directory):
        self.directory = directory
        self.expected = []  # the bytes each recorded script must hold, in order

    def names(self):
        try:
            return sorted(os.listdir(self.directory))
        except FileNotFoundError:
            return []

    def read(self, name):
        with open(os.path.join(self.directory, name), "rb") as f:
            return f.read()

    def expect(self, what, contents):
        self.expected.append(contents)
        count = len(self.expected)
        name = f"{count:06d}"

        def arrived():
            return name in self.names() and self.read(name) == contents

        try:
            wait_until(f"{what}: the stand-in records script {name}", arrived)
        except Failure:
            got = self.read(name) if name in self.names() else None
            raise Failure(f"{what}: script {name} should hold {contents!r}, the stand-in has "
                f"{'nothing' if got is None else repr(got)}")
        self.check(what)

    def check(self, what):
        names = self.names()
        if len(names) != len(self.expected):
            raise Failure(f"{what}: the stand-in holds {len(names)} scripts, {len(self.expected)} were sent")
        for name, contents in zip(names, self.expected):
            if self.read(name) != contents:
                raise Failure(f"{what}: script {name} holds {self.read(name)!r}, not {contents!r}")


# ---- the run --------------------------------------------------------------------------------------


class Palette:
    def __init__(self, args, processes, work):
        self.args = args
        self.processes = processes
        self.work = work
        self.folder = os.path.join(work, "my scripts")
        self.records = Records(os.path.join(work, "recorded"))
        self.opened = os.path.join(work, "opened")
        self.standin = None
        self.app = None
        self.window = None
        self.env = None

    def standin_tool(self, *arguments):
        return [self.args.ide_standin, *arguments]

    def step(self, text):
        say(f"-- {text}")

    def height(self):
        return window_info(self.env, self.window)["Height"]

    def button(self, left):
        # The icon buttons keep their place from the window's bottom edge: top 125 at height 148.
        return left + 10, self.height() - (HEIGHT - 125) + 10

    def wait_height(self, what, height):
        wait_until(f"{what}: window height {height} (now {self.height()})", lambda: self.height() == height)

    def wait_map_state(self, what, state):
        wait_until(f"{what}: map state {state}",
            lambda: (window_info(self.env, self.window) or {}).get("Map State") == state)

    def wait_rows(self, what, rows, below=True):
        try:
            wait_until(what, lambda: rows_drawn(shoot(self.env, self.window), rows, below))
        except Failure:
            shot = shoot(self.env, self.window)
            faces = [round(shot.share(FACE, *row_band(r)), 2) for r in range(rows)]
            raise Failure(f"{what}: face share per row {faces}, background below the last row: "
                f"{background_below(shot, rows)}")

    def run(self):
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        opener_bin = os.path.join(self.work, "bin")
        os.mkdir(opener_bin)
        opener = os.path.join(opener_bin, "xdg-open")
        with open(opener, "w") as f:
            # Records its pid and its arguments, NUL-separated, then leaves at once.
            f.write('#!/bin/sh\n{ printf "%s\\0" "$$" "$@"; } > "$E2E_OPENED.part" && mv "$E2E_OPENED.part" '
                '"$E2E_OPENED"\n')
        os.chmod(opener, 0o755)

        env = {k: v for k, v in os.environ.items() if k not in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY")}
        env["XDG_RUNTIME_DIR"] = runtime
        env["E2E_OPENED"] = self.opened
        env["PATH"] = opener_bin + os.pathsep + env.get("PATH", "/usr/bin:/bin")
        env["DISPLAY"] = start_display(self.processes, env)
        env["QT_QPA_PLATFORM"] = "xcb"
        if "LSAN_OPTIONS" in env:
            # Under the sanitizers the palette's standard error holds its own lines only, as without.
            env["LSAN_OPTIONS"] += ":print_suppressions=0"
        self.env = env
        say(f"display {env['DISPLAY']}, work folder {self.work}")

        self.step("a fresh folder with the program and its fixture scripts")
        make_folder(self.folder, self.args.ide_script)
        rows = len(FIXTURES)

        self.step("the stand-in IDE listens and is brought to the front")
        self.standin = self.processes.start("standin", self.standin_tool("serve", "--record", self.records.directory),
            env)
        wait_until("ide-standin says it listens", lambda: "listening on" in self.processes.log("standin")
            or self.standin.poll() is not None)
        if self.standin.poll() is not None:
            raise Failure("ide-standin ended: " + self.processes.log("standin"))
        run(self.standin_tool("front"), env)

        self.step(f'the palette starts; its window "{TITLE}" shows at {WIDTH} x {HEIGHT}')
        self.app = self.processes.start("palette", [os.path.join(self.folder, "ide-script")], env, cwd=self.work)

        def found():
            if self.app.poll() is not None:
                raise Failure(f"the palette ended with status {self.app.returncode}: {self.processes.log('palette')}")
            windows = windows_named(env, TITLE)
            return windows[0] if len(windows) == 1 else None

        self.window = wait_until(f'a window named "{TITLE}"', found)
        self.wait_map_state("the palette shows while the IDE is in front", "IsViewable")
        info = window_info(env, self.window)
        if (info["Width"], info["Height"]) != (WIDTH, HEIGHT):
            raise Failure(f"the window is {info['Width']} x {info['Height']}, not {WIDTH} x {HEIGHT}")
        # The list ends 25 pixels above the window's bottom: at this size it has room for five rows.
        visible_rows = (HEIGHT - 25 - ROW_TOP) // ROW_HEIGHT
        self.wait_rows("the first rows are drawn at the default size", visible_rows, below=False)

        self.step("the collapse button sets the height to 25 and restores it")
        click(env, self.window, *self.button(106))
        self.wait_height("collapse", COLLAPSED)
        click(env, self.window, 106 + 10, 2 + 10)
        self.wait_height("restore", HEIGHT)

        self.step(f"grown to {WIDTH} x {GROWN}, every row is drawn as a button face, the background below")
        run(["xdotool", "windowsize", str(self.window), str(WIDTH), str(GROWN)], env)
        self.wait_height("grow", GROWN)
        self.wait_rows(f"{rows} button rows", rows)
        if self.args.screenshot:
            with open(self.args.screenshot, "wb") as f:
                f.write(shoot(env, self.window).png())
            say(f"saved {self.args.screenshot}")

        self.step("a click on each row delivers exactly that file's bytes, and nothing where no file is")
        # The palette takes the clicks in turn and the stand-in records the scripts in turn, so a row that
        # sends nothing is shown to by the next row's script coming as the very next record.
        if not FIXTURES[-1][2]:
            raise Failure("the last fixture row must send, to show that the rows before it sent nothing")
        silent = []
        for row, (name, contents, sends) in enumerate(FIXTURES):
            click(env, self.window, ROW_X, ROW_TOP + ROW_HEIGHT * row + 10)
            if not sends:
                silent.append(f"row {row} ({name})")
                continue
            note = f", after {' and '.join(silent)} sent nothing" if silent else ""
            self.records.expect(f"row {row} ({name}){note}", contents)
            silent = []

        self.step("a click shows the pressed face, which then goes")
        self.check_flash(0, FIXTURES[0][1])

        self.step("the palette hides while another application is in front, and shows again")
        run(self.standin_tool("back"), env)
        self.wait_map_state("back", "IsUnMapped")
        run(self.standin_tool("front"), env)
        self.wait_map_state("front", "IsViewable")

        self.step(f"switched back and front {FAST_SWITCHES} times in a row, the palette ends shown and prints nothing")
        for _ in range(FAST_SWITCHES):
            run(self.standin_tool("back"), env)
            run(self.standin_tool("front"), env)
        self.wait_map_state("front after the fast switches", "IsViewable")
        self.check_own_lines_only("after the fast switches")

        events = os.path.join(runtime, "apple-events")
        self.step("the event directory renamed away and made anew: the palette follows the front file in it")
        os.rename(events, events + ".old")
        run(self.standin_tool("back"), env)  # makes the directory anew
        self.wait_map_state("back, in the new directory", "IsUnMapped")
        run(self.standin_tool("front"), env)
        self.wait_map_state("front, in the new directory", "IsViewable")
        # The stand-in's socket is in the old one: it goes back in place.
        shutil.rmtree(events)
        os.rename(events + ".old", events)
        run(self.standin_tool("back"), env)
        self.wait_map_state("back, in the directory put back", "IsUnMapped")
        run(self.standin_tool("front"), env)
        self.wait_map_state("front, in the directory put back", "IsViewable")

        self.step("an event directory of mode 0777 is refused, with one line on standard error, until mended")
        os.chmod(events, 0o777)
        refusal = f"refusing the event directory {events}: its group and others can write to it (mode 0777)"
        wait_until("the palette names the refused directory",
            lambda: f"ide-script: {refusal}" in self.processes.log("palette"))
        refused = run(self.standin_tool("back"), env, check=False)
        if refused.returncode != 1 or f"ide-standin: {refusal}" not in refused.stderr.decode(errors="replace"):
            raise Failure(f"ide-standin back in a refused directory: status {refused.returncode}, "
                f"{refused.stderr.decode(errors='replace')!r}")
        with open(os.path.join(events, "front"), "wb") as f:
            f.write(b"Fndr")
        # Nothing is read from a refused directory, so no later event of the palette's can show that this
        # write was left alone: a short wait is all there is. The mend below shows it was not lost.
        time.sleep(0.5)
        if (window_info(env, self.window) or {}).get("Map State") != "IsViewable":
            raise Failure("the palette followed a front file in a refused directory")
        os.chmod(events, 0o700)
        self.wait_map_state("mended: the front file written meanwhile is followed", "IsUnMapped")
        told = self.processes.log("palette").count(refusal)
        if told != 1:
            raise Failure(f"the palette named the refusal {told} times, not once")
        run(self.standin_tool("front"), env)
        self.wait_map_state("front after the mend", "IsViewable")

        self.step("reload lists a script added to the folder, and its click delivers it")
        with open(os.path.join(self.folder, ADDED[0]), "wb") as f:
            f.write(ADDED[1])
        click(env, self.window, *self.button(5))
        self.wait_rows(f"{rows + 1} rows after the reload", rows + 1)
        click(env, self.window, ROW_X, ROW_TOP + ROW_HEIGHT * ADDED_ROW + 10)
        self.records.expect(f"the added row {ADDED_ROW}", ADDED[1])

        self.step("reload drops the row of a script removed from the folder")
        order = sorted([ADDED[0]] + [name for name, _, _ in FIXTURES], key=lambda n: n.encode())
        gone = order.index(REMOVED)
        os.remove(os.path.join(self.folder, REMOVED))
        click(env, self.window, *self.button(5))
        self.wait_rows(f"{rows} rows after the second reload", rows)
        after = dict((name, contents) for name, contents, _ in FIXTURES)[order[gone + 1]]
        click(env, self.window, ROW_X, ROW_TOP + ROW_HEIGHT * gone + 10)
        self.records.expect(f"row {gone}, now {order[gone + 1]}", after)

        self.step("scrolled down at the first size, the list shows its first row on top again after a reload")
        run(["xdotool", "windowsize", str(self.window), str(WIDTH), str(HEIGHT)], env)
        self.wait_height("back to the first size", HEIGHT)
        self.wait_rows("the first rows at the first size", visible_rows, below=False)
        first = row_pixels(shoot(env, self.window), 0)
        run(["xdotool", "mousemove", "--window", str(self.window), str(ROW_X), str(ROW_TOP + 30), "click", "5"], env)
        wait_until("the wheel scrolls the list down", lambda: row_pixels(shoot(env, self.window), 0) != first)
        click(env, self.window, *self.button(5))
        wait_until("the first row on top after the reload", lambda: row_pixels(shoot(env, self.window), 0) == first)
        run(["xdotool", "windowsize", str(self.window), str(WIDTH), str(GROWN)], env)
        self.wait_height("grown again", GROWN)

        self.step("the folder button asks the desktop to open the scripts' folder")
        click(env, self.window, *self.button(30))
        wait_until("the stand-in opener is called", lambda: os.path.exists(self.opened))
        with open(self.opened, "rb") as f:
            pid, *arguments = f.read().split(b"\0")[:-1]
        self.reap_opener(int(pid))
        if arguments != [os.fsencode(os.path.realpath(self.folder))]:
            raise Failure(f"the opener got {arguments!r}, not the folder {os.path.realpath(self.folder)!r}")

        self.step('with the IDE gone, a click shows the "Error" box, which Return closes')
        self.processes.stop(self.standin)
        if self.standin.returncode != 0:
            raise Failure(f"ide-standin ended with status {self.standin.returncode}")
        click(env, self.window, ROW_X, ROW_TOP + 10)
        box = wait_until("a message box", self.message_box)
        self.check_box_text(box, "Error")
        run(["xdotool", "windowfocus", "--sync", str(box)], env)
        run(["xdotool", "key", "Return"], env)
        wait_until("the box closes", lambda: (window_info(env, box) or {}).get("Map State") in (None, "IsUnMapped"))
        if self.app.poll() is not None:
            raise Failure(f"the palette ended with status {self.app.returncode} after the box")
        self.wait_map_state("the palette stays", "IsViewable")
        self.wait_rows("the palette still draws its rows", rows)

        self.step("an IDE that never answers: while the send waits, the palette follows the front file, "
            "collapses and restores, and Ctrl+Q quits with status 0 and no box")
        silent_records = os.path.join(self.work, "unanswered")
        self.standin = self.processes.start("silent standin", self.standin_tool("serve", "--no-reply", "--record",
            silent_records), env)
        wait_until("the silent ide-standin says it listens",
            lambda: "listening on" in self.processes.log("silent standin") or self.standin.poll() is not None)
        if self.standin.poll() is not None:
            raise Failure("the silent ide-standin ended: " + self.processes.log("silent standin"))
        click(env, self.window, ROW_X, ROW_TOP + 10)
        wait_until("the silent stand-in takes the script", lambda: os.path.exists(os.path.join(silent_records,
            "000001")))
        run(self.standin_tool("back"), env)
        self.wait_map_state("back during the send", "IsUnMapped")
        run(self.standin_tool("front"), env)
        self.wait_map_state("front during the send", "IsViewable")
        # The clicked row keeps its pressed face until the send ends; the others are drawn as ever.
        wait_until("the rows are drawn during the send, the clicked one pressed", lambda: (lambda shot:
            face_shows(shot, 0, PRESSED) and all(face_shows(shot, row, FACE) for row in range(1, rows)))(
            shoot(env, self.window)))
        before = self.height()
        click(env, self.window, *self.button(106))
        self.wait_height("collapse during the send", COLLAPSED)
        click(env, self.window, 106 + 10, 2 + 10)
        self.wait_height("restore during the send", before)
        if self.message_box():
            raise Failure("a message box showed while the send waited")
        run(["xdotool", "windowfocus", "--sync", str(self.window)], env)
        run(["xdotool", "key", "ctrl+q"], env)
        try:
            status = self.app.wait(STEP_DEADLINE)
        except subprocess.TimeoutExpired:
            raise Failure(f"the palette still runs {STEP_DEADLINE} s after Ctrl+Q during the send, not the 60 "
                "seconds of the send")
        if status != 0:
            raise Failure(f"the palette quit with status {status}: {self.processes.log('palette')}")
        self.check_own_lines_only("over the whole run")
        self.rapid_clicks()

    def rapid_clicks(self):
        self.step(f"a palette with {RAPID_STACK // 1024} KiB of stack takes {RAPID_CLICKS} clicks, one every "
            f"{RAPID_DELAY} ms: each sends its script once, and Ctrl+Q then quits with status 0")
        self.processes.stop(self.standin)
        records = Records(os.path.join(self.work, "rapid"))
        self.standin = self.processes.start("rapid standin", self.standin_tool("serve", "--record",
            records.directory), self.env)
        wait_until("the ide-standin of the rapid clicks says it listens", lambda: "listening on" in
            self.processes.log("rapid standin") or self.standin.poll() is not None)
        if self.standin.poll() is not None:
            raise Failure("the ide-standin of the rapid clicks ended: " + self.processes.log("rapid standin"))
        run(self.standin_tool("front"), self.env)
        self.app = self.processes.start("rapid palette", [os.path.join(self.folder, "ide-script")], self.env,
            stack=RAPID_STACK, cwd=self.work)

        def ended():
            return (f"the palette ended with status {self.app.returncode}: "
                f"{self.processes.log('rapid palette')[-3000:]}")

        def found():
            if self.app.poll() is not None:
                raise Failure(ended())
            windows = windows_named(self.env, TITLE)
            return windows[0] if len(windows) == 1 else None

        self.window = wait_until(f'a window named "{TITLE}"', found)
        self.wait_map_state("the palette shows", "IsViewable")
        run(["xdotool", "mousemove", "--window", str(self.window), str(ROW_X), str(ROW_TOP + 10), "click", "--repeat",
            str(RAPID_CLICKS), "--delay", str(RAPID_DELAY), "1"], self.env, timeout=STEP_DEADLINE + 10)
        wait_until("every click's script reaches the stand-in", lambda: self.app.poll() is not None
            or len(records.names()) >= RAPID_CLICKS, timeout=RAPID_CATCH_UP)
        if self.app.poll() is not None:
            raise Failure(ended())
        run(["xdotool", "windowfocus", "--sync", str(self.window)], self.env)
        run(["xdotool", "key", "ctrl+q"], self.env)
        try:
            status = self.app.wait(STEP_DEADLINE)
        except subprocess.TimeoutExpired:
            raise Failure(f"the palette still runs {STEP_DEADLINE} s after Ctrl+Q")
        if status != 0:
            raise Failure(ended())
        records.expected = [FIXTURES[0][1]] * RAPID_CLICKS
        records.check("the rapid clicks, once the palette has quit")
        self.check_own_lines_only("over the rapid clicks", "rapid palette")

    def check_own_lines_only(self, what, log="palette"):
        # The palette's own messages begin with its name; anything else (Qt's warnings) is noise.
        others = [line for line in self.processes.log(log).splitlines() if not line.startswith("ide-script: ")]
        if others:
            raise Failure(f"{what}: the palette printed {len(others)} lines not its own, first {others[0]!r}")

    def check_flash(self, row, contents):
        # The face shows pressed from the click until one 100 ms tick after the send. The shots go on until
        # the click's script has come and a shot after that shows the normal face again, however long a busy
        # machine takes; shots may still fall either side of so short a face, so a click is tried thrice.
        for attempt in range(1, 4):
            name = f"{len(self.records.expected) + 1:06d}"
            clicker = subprocess.Popen(["xdotool", "mousemove", "--window", str(self.window), str(ROW_X),
                str(ROW_TOP + ROW_HEIGHT * row + 10), "click", "1"], env=self.env, stdin=subprocess.DEVNULL,
                preexec_fn=die_with_parent)
            shots = []
            end = time.monotonic() + STEP_DEADLINE
            try:
                while True:
                    sent = name in self.records.names()
                    shots.append(shoot_raw(self.env, self.window))
                    if sent and face_shows(Shot(shots[-1]), row, FACE):
                        break
                    if time.monotonic() > end:
                        raise Failure(f"attempt {attempt}: no normal face after the send within {STEP_DEADLINE} s")
            finally:
                if clicker.wait(10) != 0:
                    raise Failure("xdotool could not click")
            self.records.expect(f"the click of attempt {attempt}", contents)
            pressed = sum(1 for data in shots if face_shows(Shot(data), row, PRESSED))
            say(f"   attempt {attempt}: {len(shots)} shots, {pressed} with the pressed face")
            if pressed:
                return
        raise Failure("in 3 clicks no shot caught the pressed face before the normal one came back")

    def message_box(self):
        for window in windows_named(self.env, TITLE):
            if window != self.window and (window_info(self.env, window) or {}).get("Map State") == "IsViewable":
                return window
        return None

    def check_box_text(self, box, text):
        # The box's text is selectable: a double click on its first line of dark pixels (the message
        # sits above the button) selects the word, which X then holds as the primary selection.
        shot = wait_until("the box is drawn", lambda: self.drawn(box))
        dark = [[x for x in range(2, shot.width - 2) if sum(shot.pixel(x, y).to_bytes(3, "big")) < 3 * 0x70]
            for y in range(shot.height)]
        top = next((y for y in range(shot.height) if dark[y]), None)
        if top is None:
            raise Failure("the box shows no text")
        bottom = top
        while bottom + 1 < shot.height and dark[bottom + 1]:
            bottom += 1
        xs = [x for y in range(top, bottom + 1) for x in dark[y]]
        x, y = (min(xs) + max(xs)) // 2, (top + bottom) // 2
        run(["xdotool", "mousemove", "--window", str(box), str(x), str(y), "click", "--repeat", "2", "--delay", "80",
            "1"], self.env)

        def selected():
            done = run(["xclip", "-o", "-selection", "primary", "-t", "UTF8_STRING"], self.env, check=False)
            return done.stdout if done.returncode == 0 else None

        got = wait_until("the box's text is selected", selected)
        if got != text.encode():
            raise Failure(f"the box holds {got!r}, not {text!r}")

    def drawn(self, window):
        shot = shoot(self.env, window)
        return shot if any(shot.pixel(x, y) != shot.pixel(1, 1) for y in range(shot.height)
            for x in range(0, shot.width, 2)) else None

    def reap_opener(self, pid):
        # The palette starts the opener detached; one that is still there (it should have left) goes now.
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                mine = b"xdg-open" in f.read()
        except OSError:
            return
        if mine:
            os.kill(pid, signal.SIGKILL)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--ide-script", required=True, help="the palette program to test")
    parser.add_argument("--ide-standin", required=True, help="the IDE stand-in to run beside it")
    parser.add_argument("--screenshot", help="also save the palette's window as a PNG file here")
    args = parser.parse_args()
    args.ide_script = os.path.abspath(args.ide_script)
    args.ide_standin = os.path.abspath(args.ide_standin)
    if args.screenshot:
        args.screenshot = os.path.abspath(args.screenshot)
    missing = missing_tool(("Xvfb", "xdotool", "xwininfo", "xwd", "xclip"))
    if missing:
        say(f"FAIL: {missing} is not installed")
        return 1

    started = time.monotonic()
    with session("palette-e2e-", OVERALL_DEADLINE) as (processes, work):
        palette = Palette(args, processes, work)
        try:
            palette.run()
        except Failure as failure:
            say(f"FAIL: {failure}")
            say(processes.tails().rstrip())
            return 1
        finally:
            ignore_signals()
            # An opener left running by a step that failed goes too.
            if os.path.exists(palette.opened):
                with open(palette.opened, "rb") as f:
                    first = f.read().split(b"\0")[0]
                if first.isdigit():
                    palette.reap_opener(int(first))
    say(f"PASS in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
