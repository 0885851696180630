# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program makes of a learner's history: the weak keys red on the keyboard, and drills
that bring them up again and again."""
import os

import atspi
import harness

MAIN = "Orvella Clavora - Exercises"
PROGRESS = "Orvella Clavora - Progress"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
# Lower-case letters and the blank, on the layout whose keyboard the tests read.
SETTINGS = ("[Exercises]\nExType=0\nRepeats=1\nMinAccuracy=0\nMinSpeed=0\n"
            "[RndEx]\nLowerCase=1\nUpperCase=0\nNumbers=0\nNumberPunc=0\nPunc=0\nShiftPunc=0\nSpace=1\nCustom=0\n"
            "[KeyLayout]\nLayout=QWERTY - United States\nShowLayout={show}\n")
LETTERS = "abcdefghijklmnopqrstuvwxyz"
# The exercise box while nothing runs.
SAMPLE = "1234567890123456789012345678901234567890"


def clearly_red(colour):
    r, g, b = colour
    return r > 220 and g < 130 and b < 60


class WeakKeys(atspi.AccessibleProgramTest):
    def open_with_history(self, show_keyboard=False):
        """The program with q and p missed ten times as often as the other letters on each of
        the last five days."""
        self.seed_history(SETTINGS.format(show=0))
        self.write_settings(SETTINGS.format(show=1 if show_keyboard else 0))
        return self.open_main()

    def open_progress(self, main):
        self.activate(main)
        self.key("ctrl+p")
        progress = self.wait_window(PROGRESS)
        self.activate(progress)
        return progress

    def exercise_text(self):
        return self.read_window(MAIN, ["Exercise"])["Exercise"]["text"]

    def drill_line(self):
        """The line a drill just started shows."""
        return harness.wait_for(lambda: (lambda text: text != SAMPLE and text)(self.exercise_text()),
                                what="a drill line")

    def key_offsets(self):
        """Where the keyboard window draws the Q and P keys, from its client's corner: the heat
        map draws the same keyboard the same way."""
        x0, y0 = self.client_origin(self.wait_window(KEYBOARD))
        keys = self.read_window(KEYBOARD, ["Q", "P"])
        offsets = {}
        for name in ("Q", "P"):
            x, y, _, _ = keys[name]["extents"]
            offsets[name] = (x - x0 + 5, y - y0 + 5)  # inside the key, clear of its caption
        return offsets

    def test_heat_map_shows_the_weak_keys_red(self):
        main = self.open_with_history(show_keyboard=True)
        offsets = self.key_offsets()
        progress = self.open_progress(main)
        self.key("alt+k")  # the Keys page
        heat_map = harness.wait_for(
            lambda: (lambda node: node["extents"][2] > 0 and node)(
                self.read_window(PROGRESS, ["Error rate of each key"])["Error rate of each key"]),
            what="the heat map on the screen")
        left, top, _, _ = heat_map["extents"]
        shot = os.path.join(os.getcwd(), "e2e-weak-keys-heat-map.png")
        self.screenshot(shot)
        for name, (dx, dy) in offsets.items():
            self.assertTrue(clearly_red(self.pixel(shot, left + dx, top + dy)), f"{name} is not red in {shot}")
        # Every other letter, missed a tenth as often, shows green, not red: the key right of Q.
        w = self.pixel(shot, left + offsets["Q"][0] + (offsets["P"][0] - offsets["Q"][0]) // 9, top + offsets["Q"][1])
        self.assertFalse(clearly_red(w), w)
        self.close_window(progress)
        self.close_main(main)

    def test_drill_brings_the_weak_keys_up(self):
        main = self.open_with_history()
        progress = self.open_progress(main)
        self.key("alt+w")
        self.activate(main)
        # One line typed as shown: the usual status box, the drill named in the log.
        first = self.drill_line()
        self.wait_clock_running(main)
        self.type(first)
        self.key("Return")
        self.confirm_box("Exercise Status")
        log = self.read_window(MAIN, ["Log"])["Log"]["text"]
        self.assertTrue(log.startswith("Weak-Key Drill: "), log)
        self.screenshot(os.path.join(os.getcwd(), "e2e-weak-keys-drill.png"))

        # More lines from fresh drills, for a count that says something.
        lines = [first]
        for _ in range(9):
            self.activate(main)
            self.key("Escape")
            harness.wait_for(lambda: self.exercise_text() == SAMPLE, what="the drill to stop")
            self.activate(progress)
            self.key("alt+w")
            lines.append(self.drill_line())
        text = "".join(lines)
        counts = {letter: text.count(letter) for letter in LETTERS}
        self.assertEqual(sum(counts.values()) + text.count(" "), len(text), text)  # letters and blanks only
        others = sorted(count for letter, count in counts.items() if letter not in "qpwo")
        median = others[len(others) // 2]
        # Weighted about five times the usual letter; twice is far outside chance for ten lines.
        for letter in "qp":
            self.assertGreater(counts[letter], 2 * max(median, 1), f"{letter}: {counts} in {lines}")

        # The drill never changed the saved exercise type.
        self.activate(main)
        self.key("Escape")
        self.close_window(progress)
        self.close_main(main)
        self.assertEqual(self.setting("Exercises", "ExType"), "0")


if __name__ == "__main__":
    harness.main()
