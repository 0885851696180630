# SPDX-License-Identifier: GPL-3.0-or-later
"""The Coach in the real program: wrong characters in red, no status box, the next key on the
keyboard window, and a line that comes again until it meets the Coach's marks."""
import os
import re
import shutil

import atspi
import harness
from harness import holds_for, wait_for

MAIN = "Orvella Clavora - Exercises"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
COURSE = "Coach's course - keys "
# The typing line, in client pixels.
TYPING_LINE = (12, 92, 649, 33)
SAMPLE = "1234567890123456789012345678901234567890"


def reddish(colour):
    r, g, b = colour
    return r > 150 and g < 90 and b < 90


class Coach(atspi.AccessibleProgramTest):
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


    def shown(self):
        """The course line, the result strip and the log, as a screen reader finds them."""
        nodes = self.accessible_nodes(MAIN, ["Exercise", "Log"])
        text = {node["name"]: node["text"] for node in nodes}
        strip = [node["name"] for node in nodes if node["role"] == "label" and " letters ready" in node["name"]]
        return text["Exercise"], strip[0] if strip else "", text["Log"]

    def finish_line(self, lines_logged, typed):
        """Types the line as given (keys or text) and ENTER; waits for the Coach's result in the log."""
        for keys in typed:
            self.key(*keys) if isinstance(keys, tuple) else self.type(keys)
        self.key("Return")
        return wait_for(lambda: (lambda shown: shown[2].count(COURSE) == lines_logged and shown)(self.shown()),
                        what=f"line {lines_logged} in the log")

    def test_course_holds_a_letter_back_for_slips_and_adds_it_after_clean_lines(self):
        self.write_settings("[Exercises]\nRepeats=1\n[KeyLayout]\nShowLayout=0\n")
        window = self.open_main("--coach")
        self.key("alt+s")
        line, strip, log = wait_for(lambda: (lambda shown: shown[0] != SAMPLE and shown)(self.shown()),
                                    what="the first course line")
        self.assertIn("0 of 9 letters ready", strip)

        # A failed line: its own accuracy beside the mark it missed; the same line again.
        _, strip, _ = self.finish_line(1, ["q" * len(line)])
        self.assertIn("(0%) correct", strip)
        self.assertIn("Less than 95% correct - try again.", strip)
        self.assertIn("Mistakes: expected ", strip)

        # Sixteen lines with one wrong key in eight, each put right: no letter comes.
        logged, typed = 1, 0
        for _ in range(16):
            keys = []
            for c in line:
                typed += 1
                if typed % 8 == 0 and c != " ":
                    keys += ["q", ("BackSpace",)]
                keys.append(c)
            logged += 1
            line, strip, _ = self.finish_line(logged, keys)
            self.assertIn(" of 9 letters ready", strip)

        # Then clean lines: the next letter within ten.
        for clean in range(1, 11):
            logged += 1
            line, strip, _ = self.finish_line(logged, [line])
            if "of 10 letters ready" in strip:
                break
        self.assertIn("of 10 letters ready", strip, f"no new letter after {clean} clean lines")
        self.assertIn("r", line)
        self.close_main(window)
        self.assertEqual(self.setting("Coach", "Keys"), "fghjdkslar")


if __name__ == "__main__":
    harness.main()
