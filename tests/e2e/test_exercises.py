# SPDX-License-Identifier: GPL-3.0-or-later
"""The exercise window in the real program: settings file, typing, evaluation, log, clipboard."""
import os
import time
import subprocess

import harness
from harness import holds_for, wait_for

NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"
GUARD = " LOL, nice try xD "
SAVE_ORDER = [
    ("Exercises", "ExNum"), ("Exercises", "ExType"), ("Exercises", "Repeats"), ("Exercises", "MinAccuracy"),
    ("Exercises", "MinSpeed"), ("Exercises", "PresetFile"), ("RndEx", "LowerCase"), ("RndEx", "UpperCase"),
    ("RndEx", "Numbers"), ("RndEx", "NumberPunc"), ("RndEx", "Punc"), ("RndEx", "ShiftPunc"), ("RndEx", "Space"),
    ("RndEx", "Custom"), ("RndEx", "CustomKeys"), ("QuickEx", "NumEx"), ("QuickEx", "Repeats"),
    ("QuickEx", "ExType"), ("QuickEx", "ExNumMin"), ("QuickEx", "ExNumMax"), ("Display", "WinColour"),
    ("Display", "TextColour"), ("Display", "WinX"), ("Display", "WinY"), ("Game", "StartLevel"),
    ("KeyLayout", "Layout"), ("KeyLayout", "ShowLayout"), ("History", "Record"),
    ("History", "ShowWeakKeys"), ("History", "WeakKeyGame")]


class ExerciseWindow(harness.ProgramTest):
    def save_log(self, path):
        """Saves the log through the Save As dialog under this name."""
        self.key("alt+v")
        self.activate(self.wait_window("Save Log As . . ."))
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: os.path.exists(path), what="the saved log")

    def test_first_close_writes_every_key_and_the_typed_number(self):
        window = self.open_main()
        self.click(window, 204, 27)  # the exercise-number box
        self.key("ctrl+a")
        self.type("12")
        self.close_main(window)
        self.assertEqual([(s, k) for s, k, _ in self.settings()], SAVE_ORDER)
        self.assertEqual(self.setting("Exercises", "ExNum"), "12")
        self.assertEqual(self.setting("Exercises", "PresetFile"), "QWERTY - United States")

    def test_passes_repeats_and_saved_log(self):
        self.write_settings(NO_KEYBOARD)
        window = self.open_main()
        first, second = self.exercise_line(1), self.exercise_line(2)
        self.key("alt+s")
        for attempt in range(2):
            self.wait_clock_running(window)
            self.type(first)
            self.key("Return")
            self.confirm_box("Exercise Status")
        self.wait_clock_running(window)
        self.type(second)
        self.key("Return")
        self.confirm_box("Exercise Status")
        self.key("Escape")

        log_path = os.path.join(self.root, "session.log")
        self.save_log(log_path)
        self.assertTrue(os.path.isdir(os.path.join(self.folder, "Logs")))
        # A portable program writes nothing outside its folder: not even the dialog's history.
        self.assertFalse(os.path.exists(os.path.join(self.home, ".config", "QtProject.conf")))
        with open(log_path, encoding="utf-8", newline="") as f:
            lines = f.read().split("\r\n")
        self.assertEqual(len(lines), 3, lines)
        self.assertTrue(lines[0].startswith(f"Preset Exercise #1 (1 of 2): {len(first)}/{len(first)} (100%)"),
                        lines[0])
        self.assertTrue(lines[1].startswith("Preset Exercise #1 (2 of 2):"), lines[1])
        self.assertTrue(lines[2].startswith("Preset Exercise #2 (1 of 2):"), lines[2])
        self.close_main(window)

    def test_random_exercise_is_titled_by_its_key_level(self):
        self.write_settings(NO_KEYBOARD + "[Exercises]\nRepeats=1\n")
        window = self.open_main()
        self.key("alt+r", "alt+s")
        self.wait_clock_running(window)
        self.type("abc")
        self.key("Return")
        self.confirm_box("Exercise Status")
        self.key("Escape")
        log_path = os.path.join(self.root, "random.txt")
        self.save_log(log_path)
        with open(log_path, encoding="utf-8", newline="") as f:
            self.assertTrue(f.read().startswith("Random Key Exercise - level 2: "))
        self.close_main(window)
        self.assertEqual(self.setting("Exercises", "ExType"), "1")

    def primary(self):
        return subprocess.run(["xclip", "-selection", "primary", "-o"], env=self.env, capture_output=True,
                              timeout=5).stdout.decode()

    def test_a_running_exercise_guards_the_clipboard_and_a_middle_click_until_escape(self):
        self.write_settings(NO_KEYBOARD)
        window = self.open_main()
        line = self.exercise_line(1)
        self.set_clipboard("an unrelated text")
        stopped = self.picture(window, harness.STOP_BUTTON).data
        self.key("alt+s")
        self.wait_clock_running(window)
        self.type("zz")
        # The selected exercise is not pasted into the typing line by a middle click.
        exercise, typing = (80, 60), (80, 100)  # points in the exercise line and the typing line
        self.display.run(["xdotool", "mousemove", "--window", str(window), *map(str, exercise),
                          "click", "--repeat", "3", "--delay", "80", "1"], check=True)
        wait_for(lambda: self.primary() == line, timeout=20, what="the exercise in the selection")
        self.display.run(["xdotool", "mousemove", "--window", str(window), *map(str, typing), "click", "2"],
                         check=True)
        # Nothing to wait on for what must not happen: a paste would come within this time, and
        # the triple click below reads what the line holds.
        time.sleep(0.3)
        # What the typing line holds, through the selection its own triple click makes.
        self.display.run(["xdotool", "mousemove", "--window", str(window), *map(str, typing),
                          "click", "--repeat", "3", "--delay", "80", "1"], check=True)
        wait_for(lambda: self.primary() != line, timeout=20, what="the typing line's text in the selection")
        self.assertEqual(self.primary(), "zz")

        # The clipboard: an unrelated text stays, a piece of the exercise is replaced.
        self.assertEqual(self.clipboard(), "an unrelated text")
        self.set_clipboard(line[2:6])
        wait_for(lambda: self.clipboard() == GUARD, timeout=10, what="the clipboard guard")
        self.activate(window)
        self.key("Escape")
        wait_for(lambda: self.picture(window, harness.STOP_BUTTON).data == stopped, what="the exercise to stop")
        # Stopped: the guard no longer runs.
        self.set_clipboard(line[2:6])
        holds_for(lambda: self.clipboard() == line[2:6], 0.5, what="the clipboard left alone")
        self.close_main(window)

    def test_missing_exercise_reports_not_found(self):
        self.write_settings(NO_KEYBOARD + "[Exercises]\nExNum=500\n")
        window = self.open_main()
        self.key("alt+s")
        self.confirm_box("Exercise Not Found")
        self.close_main(window)
        self.assertEqual(self.setting("Exercises", "ExNum"), "500")


if __name__ == "__main__":
    harness.main()
