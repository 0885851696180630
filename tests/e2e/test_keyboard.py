# SPDX-License-Identifier: GPL-3.0-or-later
"""The keyboard window in the real program: keys held on a real X keyboard light up."""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

import harness
from harness import wait_for

MAIN = "Orvella Clavora - Exercises"
GAME = "Orvella Clavora - Game"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
# Window colour red 64, green 48, blue 32; text colour yellow.
COLOURS = "[Display]\nWinColour=2109504\nTextColour=65535\nWinX=1500\nWinY=1500\n"
LIT = (64, 48, 32)
DARK_BLUE, DARK_YELLOW, GREY = (0, 0, 192), (192, 192, 0), (128, 128, 128)
# A point inside each key's border (the window's pixels), clear of its captions.
A_KEY, S_KEY, CAPS_LOCK = (79, 87), (119, 87), (7, 87)
LEFT_CTRL, LEFT_ALT, ALT_GR, RIGHT_CTRL = (7, 167), (111, 167), (399, 167), (551, 167)


class KeyColours:
    def colours(self, window, *points):
        shot = os.path.join(self.root, "keyboard.png")
        self.screenshot(shot, window)
        return [self.pixel(shot, x, y) for x, y in points]

    def wait_colours(self, window, points, expected):
        """Waits for a held or released key to show: a tick of the keyboard's 25 ms timer."""
        wait_for(lambda: self.colours(window, *points) == expected, timeout=20, what=f"colours {expected}")


class KeyboardWindow(KeyColours, harness.ProgramTest):
    def assert_right_below(self, main, keyboard):
        """Frame edges: 495 twips (33 pixels) right of Main's, 120 twips (8 pixels) below its bottom."""
        main_x, main_y, _, main_height = self.geometry(main)
        left, _, _, bottom = self.frame_extents(main)
        keyboard_x, keyboard_y, _, _ = self.geometry(keyboard)
        keyboard_left, _, keyboard_top, _ = self.frame_extents(keyboard)
        self.assertEqual(keyboard_x - keyboard_left, main_x - left + 33)
        self.assertEqual(keyboard_y - keyboard_top, main_y + main_height + bottom + 8)

    def test_keyboard_only_lights_held_keys_and_its_close_leaves_the_settings_alone(self):
        self.write_settings(COLOURS + "[KeyLayout]\nShowLayout=0\n")
        settings_path = os.path.join(self.folder, "Clavora.ini")
        before = (self.settings_text(), os.stat(settings_path).st_mtime_ns)
        self.start("/k")
        window = self.wait_window(KEYBOARD)
        self.assertEqual(self.find_windows(MAIN), [])
        self.activate(window)
        self.assertEqual(self.colours(window, A_KEY), [DARK_BLUE])

        self.display.run(["xdotool", "keydown", "a"], check=True)
        self.wait_colours(window, [A_KEY, S_KEY], [LIT, DARK_YELLOW])
        self.display.run(["xdotool", "keyup", "a"], check=True)
        self.wait_colours(window, [A_KEY], [DARK_BLUE])

        # ALT GR is the right Alt key; it lights that key alone.
        self.display.run(["xte", "keydown Alt_R"], check=True)
        self.wait_colours(window, [ALT_GR, LEFT_CTRL, LEFT_ALT, RIGHT_CTRL], [LIT, GREY, GREY, GREY])
        self.display.run(["xte", "keyup Alt_R"], check=True)
        self.wait_colours(window, [ALT_GR], [GREY])

        # Caps Lock shows its toggle, held or not, as the X server keeps it.
        self.key("Caps_Lock")
        wait_for(lambda: self.colours(window, CAPS_LOCK) == [LIT], timeout=20, what="Caps Lock to light")
        self.key("Caps_Lock")
        wait_for(lambda: self.colours(window, CAPS_LOCK) == [DARK_BLUE], timeout=20, what="Caps Lock off")

        self.close_window(window)
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual((self.settings_text(), os.stat(settings_path).st_mtime_ns), before)

    def test_mains_box_opens_the_keyboard_right_below_main_and_its_close_unticks_the_box(self):
        self.write_settings(COLOURS + "[KeyLayout]\nShowLayout=0\n")
        self.start()
        main = self.wait_window(MAIN)
        self.activate(main)
        self.click(main, 22, 318)  # "Show keyboard layout"
        keyboard = self.wait_window(KEYBOARD)
        self.assert_right_below(main, keyboard)

        self.close_window(keyboard)
        self.wait_no_window(KEYBOARD)
        self.assertTrue(self.find_windows(MAIN))
        self.close_window(main)
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.setting("KeyLayout", "ShowLayout"), "0")

    def test_a_keyboard_docked_on_mains_bottom_edge_follows_to_the_games(self):
        self.write_settings(COLOURS + "[KeyLayout]\nShowLayout=1\n")
        self.start()
        main = self.wait_window(MAIN)
        keyboard = self.wait_window(KEYBOARD)
        _, main_y, _, main_height = self.frame(main)
        x, _, _, _ = self.frame(keyboard)
        top = self.frame_extents(keyboard)[2]
        for y in (main_y + main_height, main_y + main_height - top):  # a frame's or a client's place
            self.display.run(["xdotool", "windowmove", "--sync", str(keyboard), str(x), str(y)], check=True)
            try:
                wait_for(lambda: self.frame(keyboard)[1] == main_y + main_height, timeout=20, what="the move")
                break
            except AssertionError:
                continue
        self.assertEqual(self.frame(keyboard)[1], main_y + main_height)
        self.activate(main)
        self.key("alt+g")
        game = self.wait_window(GAME)
        _, game_y, _, game_height = wait_for(lambda: self.frame_extents(game) and self.frame(game),
                                                     what="the game's frame")
        wait_for(lambda: self.frame(keyboard)[1] == game_y + game_height, timeout=20,
                         what="the keyboard's frame on the game's bottom edge")

    def test_a_saved_box_opens_the_keyboard_right_below_main_at_start_up(self):
        # Main has only just been shown then: its frame comes from the window manager later.
        self.write_settings(COLOURS + "[KeyLayout]\nLayout=QWERTY - United Kingdom\nShowLayout=1\n")
        self.display.run(["setxkbmap", "gb"], check=True)  # the layout file matches: the caption stays plain
        self.start()
        main = self.wait_window(MAIN)
        keyboard = self.wait_window(KEYBOARD)
        self.assert_right_below(main, keyboard)
        # The United Kingdom layout has 48 keys: the left SHIFT key is short, the extra key after it.
        self.assertEqual(self.colours(keyboard, (50, 127), (54, 127), (59, 127)), [DARK_BLUE, LIT, DARK_BLUE])


class Weston:
    """A headless weston with XWayland, driven through its X display, in place of Xvfb and openbox."""

    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        self.runtime = tempfile.mkdtemp(prefix="clavora-weston-")
        self.log = os.path.join(self.runtime, "weston.log")
        self.weston = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--xwayland", "--socket=wayland-clavora", f"--width={width}",
             f"--height={height}", f"--log={self.log}"],
            env=dict(os.environ, XDG_RUNTIME_DIR=self.runtime), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            self.name = wait_for(self.x_display, what="weston's X display")
        except AssertionError:
            self.close()
            raise
        self.wayland = os.path.join(self.runtime, "wayland-clavora")
        self.env = {k: v for k, v in os.environ.items() if k != "QT_QPA_PLATFORM"}
        self.env.update(DISPLAY=self.name, WAYLAND_DISPLAY=self.wayland, XDG_SESSION_TYPE="wayland")

    def x_display(self):
        if not os.path.exists(self.log):  # weston makes it a moment after its start
            return None
        with open(self.log, errors="replace") as f:
            found = re.search(r"xserver listening on display (:\d+)", f.read())
        return found and found.group(1)

    def run(self, args, check=False, input=None):
        return harness.Display.run(self, args, check, input)

    def close(self):
        self.weston.terminate()
        try:
            self.weston.wait(timeout=5)
        except subprocess.TimeoutExpired:
            self.weston.kill()
        shutil.rmtree(self.runtime, ignore_errors=True)


@unittest.skipUnless(shutil.which("weston") and shutil.which("Xwayland"), "weston with XWayland is not installed")
class KeyboardOnWayland(KeyColours, harness.ProgramTest):
    """A Wayland session that offers XWayland: the program runs on it and places its windows."""

    def setUp(self):
        super().setUp()
        self.display.close()
        self.display = Weston()
        self.env.update(self.display.env)
        self.env.pop("QT_QPA_PLATFORM", None)

    def requested_place(self, window):
        """Where the program asked the window manager to put the window: weston's X window manager
        honours it only now and then, and tells the program nothing of where it went."""
        hints = self.display.run(["xprop", "-id", str(window), "WM_NORMAL_HINTS"])
        return tuple(int(v) for v in re.search(r"user specified location: (-?\d+), (-?\d+)", hints).groups())

    def assert_frame_on_screen(self, window, timeout=20):
        pass  # weston's frames carry no _NET_FRAME_EXTENTS

    def send(self, window, *args):
        """Keys sent to one window: headless weston has no input devices, so XWayland gives its
        windows no focus and delivers no XTEST input (and a pointer motion crashes XWayland 22)."""
        self.display.run(["xdotool", *args[:1], "--window", str(window), *args[1:]], check=True)

    def test_a_quick_run_is_typed_and_the_keyboard_stands_below_lighting_held_keys(self):
        self.write_settings(COLOURS + "[KeyLayout]\nShowLayout=1\n[QuickEx]\nNumEx=1\nRepeats=1\nExNumMin=5\nExNumMax=5\n")
        self.start("/q")
        main = self.wait_window("Orvella Clavora - Quick Exercises")
        keyboard = self.wait_window(KEYBOARD)
        main_height = self.geometry(main)[3]
        wait_for(lambda: self.requested_place(keyboard)[1] > self.requested_place(main)[1] + main_height,
                 timeout=20, what="the keyboard to be placed below the exercise window")
        self.send(main, "keydown", "a")
        self.wait_colours(keyboard, [A_KEY], [LIT])
        self.send(main, "keyup", "a")
        self.wait_colours(keyboard, [A_KEY], [DARK_BLUE])
        line = self.exercise_line(5)
        self.send(main, "key", "BackSpace")
        self.send(main, "type", line)
        self.send(main, "key", "Return")
        # The box closes on the press: its release finds no window.
        self.send(self.wait_window("Exercise Status"), "keydown", "Return")
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.sql("SELECT typed FROM attempts"), [[line]])


if __name__ == "__main__":
    harness.main()
