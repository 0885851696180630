# SPDX-License-Identifier: GPL-3.0-or-later
"""The Coach in the real program: wrong characters in red, no status box, the next key on the
keyboard window, and a line that comes again until it meets the Coach's marks."""
import os
import re
import shutil

import harness
from harness import holds_for, wait_for

KEYBOARD = "Orvella Clavora - Keyboard Layout"
# The typing line, in client pixels.
TYPING_LINE = (12, 92, 649, 33)


def reddish(colour):
    r, g, b = colour
    return r > 150 and g < 90 and b < 90


class Coach(harness.ProgramTest):
    def keyboard_title(self):
        out = self.display.run(["xdotool", "search", "--onlyvisible", "--name", f"^{re.escape(KEYBOARD)}"])
        windows = out.split()
        return self.display.run(["xdotool", "getwindowname", windows[0]]).strip() if windows else ""

    def red_pixels(self, window):
        return sum(reddish(c) for _, c in self.picture(window, TYPING_LINE).pixels(margin=3))

    def test_coached_line_marks_names_the_next_key_and_comes_again_until_it_passes(self):
        self.write_settings("[Exercises]\nRepeats=1\n[Coach]\nOn=1\n")
        window = self.open_main()
        line = self.exercise_line(1)
        self.key("alt+s")
        wait_for(lambda: f"next: {line[0]}, " in self.keyboard_title(), what="the first key named")
        self.activate(window)

        wrong = "x" if line[0] != "x" else "z"
        self.type(wrong)
        wait_for(lambda: self.red_pixels(window) > 10, what="the wrong character in red")
        if os.environ.get("CLAVORA_E2E_SHOTS"):
            shutil.copy(os.path.join(self.root, "shot.png"), os.environ["CLAVORA_E2E_SHOTS"])
        second = "space" if line[1] == " " else line[1]
        wait_for(lambda: f"next: {second}, " in self.keyboard_title(), what="the second key named")
        self.key("BackSpace")
        wait_for(lambda: self.red_pixels(window) == 0, what="the mark gone with the character")

        # Every character wrong: no box, and the same line again.
        self.type(wrong * len(line))
        self.key("Return")
        holds_for(lambda: not self.find_windows("Exercise Status"), 1.0, what="no status box")
        wait_for(lambda: self.red_pixels(window) == 0, what="an empty typing line")
        if os.environ.get("CLAVORA_E2E_SHOTS"):
            self.type("X")
            self.screenshot(os.environ["CLAVORA_E2E_SHOTS"] + ".failed.png")
            self.key("BackSpace")
        self.type(line)
        self.key("Return")
        holds_for(lambda: not self.find_windows("Exercise Status"), 1.0, what="no status box")
        self.close_main(window)
        self.assertEqual(self.setting("Exercises", "ExNum"), "2")  # one pass moved it on, the failure did not
        self.assertEqual(self.setting("Coach", "On"), "1")


if __name__ == "__main__":
    harness.main()
