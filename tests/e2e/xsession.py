"""The palette on a virtual X display: the processes a run starts, Xvfb, xdotool and xwininfo, and
screenshots (xwd) read as pixels, with the palette window's geometry and colours.

Every process started through Processes gets SIGKILL from the kernel should the Python process die.
"""

import contextlib
import ctypes
import os
import re
import resource
import select
import shutil
import signal
import struct
import subprocess
import tempfile
import time
import zlib

TITLE = "IDE Script"
FACE = 0xBDBBBD
PRESSED = 0x777777
BACKGROUND = 0xE8E8E8

WIDTH, HEIGHT = 130, 148
ROW_TOP, ROW_HEIGHT = 2 + 20, 20
ROW_X = 65

STEP_DEADLINE = 15


class Failure(Exception):
    pass


def say(text):
    print(text, flush=True)


# ---- processes --------------------------------------------------------------------------------------

_libc = ctypes.CDLL(None, use_errno=True)
PR_SET_PDEATHSIG = 1


def die_with_parent():
    _libc.prctl(PR_SET_PDEATHSIG, signal.SIGKILL)


class Processes:
    """The long-lived processes this run starts, ended in reverse order at the end."""

    def __init__(self, logs):
        self.logs = logs
        self.running = []  # (name, Popen)

    def start(self, name, argv, env, stack=None, **kwargs):
        """`stack`, when given, is the process's stack limit in bytes."""
        log = open(os.path.join(self.logs, name + ".log"), "wb")
        kwargs.setdefault("stdout", log)
        kwargs.setdefault("stderr", log)
        hard = resource.getrlimit(resource.RLIMIT_STACK)[1]

        def prepare():
            die_with_parent()
            if stack is not None:
                resource.setrlimit(resource.RLIMIT_STACK, (stack, hard))

        process = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, preexec_fn=prepare, **kwargs)
        log.close()
        self.running.append((name, process))
        return process

    def stop(self, process, sig=signal.SIGTERM, grace=5):
        if process.poll() is None:
            process.send_signal(sig)
            try:
                process.wait(grace)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.running = [(n, p) for n, p in self.running if p is not process]

    def stop_all(self):
        for _, process in reversed(list(self.running)):
            self.stop(process)

    def tails(self, names=("palette", "standin", "xvfb")):
        """The end of each named process's log, for a failure's report."""
        logs = ((name, self.log(name).strip()) for name in names)
        return "".join(f"--- {name} log:\n{log[-3000:]}\n" for name, log in logs if log)

    def log(self, name):
        try:
            with open(os.path.join(self.logs, name + ".log"), "rb") as f:
                return f.read().decode("utf-8", "replace")
        except OSError:
            return ""


def fail_on_signals(deadline):
    """Makes SIGTERM, SIGINT, SIGHUP and, after `deadline` seconds, SIGALRM raise a Failure, so that the
    run ends through its clean-up."""

    def on_signal(number, _frame):
        raise Failure(f"stopped by signal {number}" if number != signal.SIGALRM else
            f"the whole run took longer than {deadline} s")

    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGALRM, signal.SIGHUP):
        signal.signal(number, on_signal)
    signal.alarm(deadline)


def ignore_signals():
    """For the clean-up: no alarm, and no signal interrupts it."""
    signal.alarm(0)
    for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        signal.signal(number, signal.SIG_IGN)


def missing_tool(tools):
    """The first of `tools` that is not installed, or None."""
    return next((tool for tool in tools if not shutil.which(tool)), None)


@contextlib.contextmanager
def session(prefix, deadline):
    """A work folder and the processes of one run, as (processes, work). A signal, or `deadline` seconds
    passing, raises a Failure inside; at the end every process is stopped and the folder removed."""
    fail_on_signals(deadline)
    work = tempfile.mkdtemp(prefix=prefix)
    processes = Processes(work)
    try:
        yield processes, work
    finally:
        ignore_signals()
        processes.stop_all()
        shutil.rmtree(work, ignore_errors=True)


def run(argv, env, timeout=10, check=True):
    """Runs a short tool; a failing or hanging one is a failure of the step that needed it."""
    try:
        done = subprocess.run(argv, env=env, stdin=subprocess.DEVNULL, capture_output=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        raise Failure(f"{argv[0]} did not finish within {timeout} s: {' '.join(argv)}")
    if check and done.returncode != 0:
        raise Failure(f"{' '.join(argv)} failed ({done.returncode}): {done.stderr.decode(errors='replace')}")
    return done


def wait_until(what, probe, timeout=STEP_DEADLINE, interval=0.02):
    """Polls `probe` until it gives something true; its last value is returned."""
    end = time.monotonic() + timeout
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > end:
            raise Failure(f"{what}: not within {timeout} s")
        time.sleep(interval)


# ---- X display ------------------------------------------------------------------------------------


def start_display(processes, env):
    reader, writer = os.pipe()
    try:
        processes.start("xvfb", ["Xvfb", "-displayfd", str(writer), "-screen", "0", "640x480x24", "-nolisten",
            "tcp", "-noreset"], env, pass_fds=(writer,))
    finally:
        os.close(writer)
    got = b""
    end = time.monotonic() + STEP_DEADLINE
    try:
        while not got.endswith(b"\n"):
            left = end - time.monotonic()
            if left <= 0 or not select.select([reader], [], [], left)[0]:
                raise Failure("Xvfb gave no display number: " + processes.log("xvfb"))
            chunk = os.read(reader, 64)
            if not chunk:
                raise Failure("Xvfb ended before it gave a display number: " + processes.log("xvfb"))
            got += chunk
    finally:
        os.close(reader)
    return ":" + got.decode().strip()


def window_info(env, window):
    done = run(["xwininfo", "-id", str(window)], env, check=False)
    if done.returncode != 0:
        return None
    text = done.stdout.decode(errors="replace")
    info = {}
    for key in ("Width", "Height", "Absolute upper-left X", "Absolute upper-left Y"):
        found = re.search(rf"^\s*{key}:\s*(-?\d+)", text, re.M)
        info[key] = int(found.group(1)) if found else None
    found = re.search(r"Map State:\s*(\w+)", text)
    info["Map State"] = found.group(1) if found else None
    return info


def windows_named(env, title):
    done = run(["xdotool", "search", "--name", "^" + re.escape(title) + "$"], env, check=False)
    return [int(w) for w in done.stdout.split()]


def click(env, window, x, y):
    run(["xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", "1"], env)


class Shot:
    """A window's pixels from xwd, as 0xRRGGBB values."""

    def __init__(self, data):
        header = struct.unpack(">25I", data[:100])
        size, self.width, self.height = header[0], header[4], header[5]
        self.little = header[7] == 0
        self.line = header[12]
        # The bits-per-pixel field is not to be trusted (a 32-bit pixel may say 24); the line length is.
        self.step = self.line // self.width
        self.offset = size + header[19] * 12
        self.data = data
        if len(data) < self.offset + self.line * self.height:
            raise Failure("a screenshot came back short")

    def pixel(self, x, y):
        at = self.offset + y * self.line + x * self.step
        return int.from_bytes(self.data[at:at + self.step], "little" if self.little else "big") & 0xFFFFFF

    def share(self, colour, x0, y0, x1, y1):
        """The share of pixels of `colour` in [x0, x1) x [y0, y1)."""
        hits = sum(1 for y in range(y0, y1) for x in range(x0, x1) if self.pixel(x, y) == colour)
        return hits / ((x1 - x0) * (y1 - y0))

    def png(self):
        rows = b"".join(
            b"\0" + b"".join(self.pixel(x, y).to_bytes(3, "big") for x in range(self.width))
            for y in range(self.height))

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows, 9)) + chunk(b"IEND", b""))


def shoot_raw(env, window):
    return run(["xwd", "-id", str(window), "-silent"], env).stdout


def shoot(env, window):
    return Shot(shoot_raw(env, window))


def row_band(row):
    top = ROW_TOP + ROW_HEIGHT * row
    # The face's inside: clear of the rounded ends, the shadow and the window's edges.
    return 12, top + 3, 118, top + ROW_HEIGHT - 5


def row_pixels(shot, row):
    """The pixels of a row's face, its caption among them, to tell one row from another."""
    x0, y0, x1, y1 = row_band(row)
    return [shot.pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)]


def face_shows(shot, row, colour):
    # The caption's glyphs cover part of the face; the rest must be the face's colour.
    return shot.share(colour, *row_band(row)) >= 0.5


def background_below(shot, rows):
    top = ROW_TOP + ROW_HEIGHT * rows
    # Down to the list's bottom, which is 25 pixels above the window's.
    return shot.share(BACKGROUND, 8, top + 1, 120, min(top + 30, shot.height - 26)) == 1.0


def rows_drawn(shot, rows, below):
    return all(face_shows(shot, row, FACE) for row in range(rows)) and (not below or background_below(shot, rows))
