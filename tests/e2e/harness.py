# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs the real program on a private X server and drives it with real X input."""
import csv
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

import history_seed

BINARY = None
# The exercise window's elapsed-time box, in client pixels.
TIME_BOX = (328, 136, 41, 19)
# The exercise window's Stop Exercises button: out of use whenever no exercise runs.
STOP_BUTTON = (376, 12, 65, 29)
DATA = None



# Random exercises and game letters drawn from "a" alone.
ONLY_LETTER_A = ("[RndEx]\nLowerCase=0\nUpperCase=0\nNumbers=0\nNumberPunc=0\nPunc=0\nShiftPunc=0\n"
                 "Space=0\nCustom=1\nCustomKeys=a\n")

def setup_from_argv():
    """The test scripts are run as: script.py <clavora binary> <data folder>."""
    global BINARY, DATA
    BINARY, DATA = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    del sys.argv[1:3]


def holds_for(condition, seconds, interval=0.05, what="condition"):
    """Checks a condition again and again for a while: for what must not happen."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            raise AssertionError(f"{what} no longer held")
        time.sleep(interval)


def wait_for(condition, timeout=30.0, interval=0.05, what="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(interval)


class Picture:
    """One rectangle of the screen as rows of (r, g, b)."""

    def __init__(self, test, window, rect):
        x, y = test.client_origin(window)
        left, top, self.width, self.height = x + rect[0], y + rect[1], rect[2], rect[3]
        shot = os.path.join(test.root, "shot.png")
        test.screenshot(shot)
        ppm = subprocess.run(["convert", shot, "-crop", f"{self.width}x{self.height}+{left}+{top}", "+repage",
                              "-depth", "8", "ppm:-"], capture_output=True, check=True).stdout
        # P6 header: magic, width, height, maximum, each followed by one blank.
        fields, end = [], 0
        while len(fields) < 4:
            start = end
            while ppm[start:start + 1].isspace():
                start += 1
            end = start
            while not ppm[end:end + 1].isspace():
                end += 1
            fields.append(ppm[start:end])
        self.data = ppm[end + 1:]

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.data[i:i + 3])

    def pixels(self, margin=0):
        for y in range(margin, self.height - margin):
            for x in range(margin, self.width - margin):
                yield (x, y), self.pixel(x, y)


class Display:
    """A private Xvfb with openbox as window manager."""

    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24", "-nolisten", "tcp"],
            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        self.name = f":{number}"
        self.env = dict(os.environ, DISPLAY=self.name)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.env["QT_QPA_PLATFORM"] = "xcb"
        # openbox runs its start-up command once it manages the screen; what it says goes to
        # a log that close() passes on.
        self.folder = tempfile.mkdtemp(prefix="clavora-display-")
        ready = os.path.join(self.folder, "ready")
        self.wm_log = open(os.path.join(self.folder, "openbox.log"), "w+")
        self.wm = subprocess.Popen(["openbox", "--startup", f"touch {ready}"], env=self.env,
                                   stdout=self.wm_log, stderr=subprocess.STDOUT)
        try:
            wait_for(lambda: os.path.exists(ready) or self.wm.poll() is not None, timeout=60,
                     what="the window manager")
            if self.wm.poll() is not None:
                raise AssertionError(f"the window manager ended with {self.wm.returncode}")
        except AssertionError:
            self.close()  # a server left behind would hold the test runner's output open
            raise
        # Caps Lock belongs to the X server; start every test with it off.
        self.run(["xdotool", "key", "--clearmodifiers", "shift"])

    def run(self, args, check=False, input=None):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, input=input, timeout=30)
        if check and result.returncode != 0:
            raise AssertionError(f"{args} failed: {result.stderr}")
        return result.stdout

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()
        self.wm_log.seek(0)
        for line in self.wm_log.read().splitlines():
            if "debian-menu.xml" not in line:  # Debian's menu, which a test does without
                print(f"openbox: {line}", file=sys.stderr)
        self.wm_log.close()
        shutil.rmtree(self.folder, ignore_errors=True)


class ProgramTest(unittest.TestCase):
    """Each test gets its own display, program folder and home."""

    def setUp(self):
        self.display = Display()
        self.root = tempfile.mkdtemp(prefix="clavora-e2e-")
        self.folder = os.path.join(self.root, "program")
        self.install(self.folder)
        self.home = os.path.join(self.root, "home")
        os.makedirs(self.home)
        self.env = dict(self.display.env, HOME=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_RUNTIME_DIR=self.root, LANG="C.UTF-8", LC_ALL="C.UTF-8")
        self.process = None

    def install(self, folder):
        """A portable folder: the data and the program."""
        shutil.copytree(DATA, folder)
        shutil.copy2(BINARY, os.path.join(folder, "clavora"))

    def tearDown(self):
        failed = any(error for _, error in (self._outcome.result.errors + self._outcome.result.failures)
                     if _ is self) if hasattr(self._outcome, "result") else False
        if failed:
            shot = os.path.join(os.getcwd(), f"e2e-failure-{self.id().split('.')[-1]}.png")
            self.display.run(["import", "-window", "root", shot])
            print(f"screenshot of the failure: {shot}", file=sys.stderr)
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.display.close()
        shutil.rmtree(self.root, ignore_errors=True)

    # The program
    def write_settings(self, text):
        with open(os.path.join(self.folder, "Clavora.ini"), "w", newline="\n") as f:
            f.write(text)

    def settings_text(self):
        with open(os.path.join(self.folder, "Clavora.ini"), encoding="utf-8") as f:
            return f.read()

    def settings(self):
        """The settings file as an ordered list of (section, key, value)."""
        entries, section = [], None
        for line in self.settings_text().splitlines():
            if line.startswith("["):
                section = line.strip("[]")
            elif "=" in line:
                key, value = line.split("=", 1)
                entries.append((section, key, value))
        return entries

    def setting(self, section, key):
        for s, k, v in self.settings():
            if s.lower() == section.lower() and k.lower() == key.lower():
                return v
        return None

    def store(self):
        """The history store of the portable program folder."""
        return os.path.join(self.folder, "History.sqlite")

    def sql(self, statement, store=None):
        """Rows of a query on the store, read with the sqlite3 command line, as lists of texts."""
        result = subprocess.run(["sqlite3", "-csv", store or self.store(), statement], capture_output=True,
                                text=True, timeout=30)
        self.assertEqual(result.returncode, 0, result.stderr)
        return list(csv.reader(result.stdout.splitlines()))

    def seed_history(self, settings):
        """A first run with these settings makes the store; then the history of history_seed.py goes
        in: five days in which q and p were missed ten times as often as the other letters."""
        self.write_settings(settings)
        self.close_main(self.open_main())
        history_seed.seed_history(self.store(), weak="qp", days=5)

    def start(self, *args, program=None):
        program = program or os.path.join(self.folder, "clavora")
        self.process = subprocess.Popen([program, *args], env=self.env, cwd=self.root,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.process

    def wait_exit(self, timeout=30):
        return self.process.wait(timeout=timeout)

    def exercise_line(self, number, preset="QWERTY - United States"):
        with open(os.path.join(self.folder, "Exercises", preset + ".txt"), "rb") as f:
            lines = re.split(rb"\r\n|\r|\n", f.read())
        return lines[number - 1].decode("utf-8")[:40].rstrip(" ")

    # Windows
    def find_windows(self, title):
        out = self.display.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(title)}$"])
        return [int(w) for w in out.split()]

    def wait_window(self, title, timeout=30):
        window = wait_for(lambda: self.find_windows(title), timeout, what=f"window '{title}'")[0]
        self.assert_frame_on_screen(window)
        return window

    def wait_no_window(self, title, timeout=30):
        wait_for(lambda: not self.find_windows(title), timeout, what=f"window '{title}' to close")

    def activate(self, window):
        self.display.run(["xdotool", "windowactivate", "--sync", str(window)])
        wait_for(lambda: self.display.run(["xdotool", "getactivewindow"]).strip() == str(window),
                 what="the window to take the focus")

    def geometry(self, window):
        """Position of the window's client area on the screen and its size, in pixels.
        (xdotool's own geometry is off by the window frame.)"""
        out = self.display.run(["xwininfo", "-id", str(window)])
        value = lambda name: int(re.search(rf"{name}:\s+(-?\d+)", out).group(1))
        return value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")

    def frame_extents(self, window):
        """Widths of the window manager's frame: left, right, top, bottom."""
        out = self.display.run(["xprop", "-id", str(window), "_NET_FRAME_EXTENTS"])
        if "=" not in out:
            return None
        left, right, top, bottom = (int(v) for v in out.split("=")[1].split(","))
        return left, right, top, bottom

    def frame(self, window):
        """The window's frame on the screen: x, y, width, height."""
        x, y, width, height = self.geometry(window)
        left, right, top, bottom = self.frame_extents(window) or (0, 0, 0, 0)
        return x - left, y - top, width + left + right, height + top + bottom

    def assert_frame_on_screen(self, window, timeout=20):
        """Every window of the program shows whole, title bar included, once it is placed."""
        def on_screen():
            if not self.frame_extents(window):
                return False
            x, y, width, height = self.frame(window)
            return 0 <= x and 0 <= y and x + width <= self.display.width and y + height <= self.display.height
        try:
            wait_for(on_screen, timeout, what="the frame on the screen")
        except AssertionError:
            raise AssertionError(f"window {window}'s frame {self.frame(window)} is not on the "
                                 f"{self.display.width}x{self.display.height} screen") from None

    def click(self, window, x, y):
        self.display.run(["xdotool", "mousemove", "--window", str(window), str(x), str(y), "click", "1"], check=True)

    def key(self, *keys):
        self.display.run(["xdotool", "key", "--delay", "40", *keys], check=True)

    def type(self, text):
        self.display.run(["xdotool", "type", "--delay", "25", text], check=True)

    def open_main(self, *args, program=None):
        """Starts the program and activates its exercise window."""
        self.start(*args, program=program)
        window = self.wait_window("Orvella Clavora - Exercises")
        self.activate(window)
        return window

    def close_window(self, window):
        """Closes a window through the window manager (its close box)."""
        self.assert_frame_on_screen(window)
        self.activate(window)
        self.key("alt+F4")

    def close_main(self, window):
        """Closes the window in use and waits for the program to end cleanly."""
        self.close_window(window)
        self.assertEqual(self.wait_exit(), 0)

    def confirm_box(self, title, timeout=30):
        """Presses OK on a message box with this title."""
        box = self.wait_window(title, timeout)
        self.activate(box)
        self.key("Return")
        self.wait_no_window(title)

    # Clipboard and pixels
    def set_clipboard(self, text):
        subprocess.Popen(["xclip", "-selection", "clipboard", "-i"], env=self.env, stdin=subprocess.PIPE,
                         stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).communicate(text.encode())

    def clipboard(self):
        result = subprocess.run(["xclip", "-selection", "clipboard", "-o"], env=self.env, capture_output=True,
                                timeout=5)
        return result.stdout.decode()

    def client_origin(self, window):
        return self.geometry(window)[:2]

    def picture(self, window, rect):
        """A rectangle of a window's client area, (x, y, width, height) in pixels."""
        return Picture(self, window, rect)

    def wait_changed(self, window, rect, before, what, timeout=30):
        """Waits until a rectangle no longer shows the picture `before`."""
        wait_for(lambda: self.picture(window, rect).data != before.data, timeout=timeout, what=what)

    def wait_clock_running(self, window):
        """Waits until the exercise clock has counted, so that the attempt has a length."""
        start = self.picture(window, TIME_BOX)
        self.wait_changed(window, TIME_BOX, start, "the exercise clock to count")

    def screenshot(self, path, window="root"):
        self.display.run(["import", "-window", str(window), path], check=True)

    def pixel(self, path, x, y):
        """(r, g, b) of one pixel of a screenshot."""
        out = subprocess.run(["convert", path, "-format", f"%[fx:int(255*p{{{x},{y}}}.r)],"
                              f"%[fx:int(255*p{{{x},{y}}}.g)],%[fx:int(255*p{{{x},{y}}}.b)]", "info:"],
                             capture_output=True, text=True, check=True).stdout
        return tuple(int(v) for v in out.split(","))


def main():
    setup_from_argv()
    unittest.main(verbosity=2)
