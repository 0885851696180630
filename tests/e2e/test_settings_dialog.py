# SPDX-License-Identifier: GPL-3.0-or-later
"""The settings dialog in the real program: checks, the class rule and the autostart entry."""
import os

import harness

SETTINGS = "Orvella Clavora - Settings"
NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"
CLASSES = ["LowerCase", "UpperCase", "Numbers", "NumberPunc", "Punc", "ShiftPunc", "Space", "Custom"]


class SettingsDialog(harness.ProgramTest):
    def open_settings(self, main):
        self.activate(main)
        self.key("alt+e")
        dialog = self.wait_window(SETTINGS)
        self.activate(dialog)
        return dialog

    # A check box's own access key clicks it 100 ms later, which a quick ENTER would overtake;
    # the tests reach a box through a label's access key and the tab order, and tick it with
    # the space bar, which clicks at once.
    def tick_quick_exercise_box(self):
        self.key("alt+b", "shift+Tab", "space")  # from "Number of exercises" back to the box

    def confirm(self):
        """ENTER presses OK wherever the focus is, also inside a box."""
        self.key("Return")
        self.wait_no_window(SETTINGS)

    def autostart_entry(self):
        return os.path.join(self.home, ".config", "autostart", "clavora-quick-exercises.desktop")

    def test_unticking_every_class_keeps_lower_case(self):
        self.write_settings(NO_KEYBOARD)
        main = self.open_main()
        self.open_settings(main)
        # From "Repeats" past the two other numbers to the classes ticked by default.
        self.key("alt+r", "Tab", "Tab", "Tab", "space", "Tab", "Tab", "Tab", "space")
        self.confirm()
        self.close_main(main)
        self.assertEqual({key: self.setting("RndEx", key) for key in CLASSES},
                         {key: "1" if key == "LowerCase" else "0" for key in CLASSES})

    def test_repeats_confirmed_from_inside_the_box_are_checked(self):
        self.write_settings(NO_KEYBOARD)
        main = self.open_main()
        self.open_settings(main)
        self.key("alt+r", "ctrl+a")
        self.type("7.9")
        self.confirm()
        # Main is usable again: its number box takes typing.
        self.activate(main)
        self.key("alt+p", "Tab", "ctrl+a")
        self.type("5")
        self.close_main(main)
        self.assertEqual(self.setting("Exercises", "Repeats"), "7")
        self.assertEqual(self.setting("Exercises", "ExNum"), "5")

    def test_quick_exercise_box_creates_and_removes_the_autostart_entry(self):
        self.write_settings(NO_KEYBOARD)
        main = self.open_main()
        self.open_settings(main)
        self.tick_quick_exercise_box()
        self.confirm()
        self.close_main(main)
        with open(self.autostart_entry(), encoding="utf-8") as f:
            self.assertIn("/q", f.read())

        main = self.open_main()
        self.open_settings(main)
        self.tick_quick_exercise_box()  # unticks it: it was read back from the entry
        self.confirm()
        self.close_main(main)
        self.assertFalse(os.path.exists(self.autostart_entry()))

    def test_f1_opens_the_help_from_a_box_and_leaves_the_dialog_open(self):
        # The desktop's opener is replaced by one that notes what it was asked to open.
        opened = os.path.join(self.root, "opened")
        bin_folder = os.path.join(self.root, "bin")
        os.makedirs(bin_folder)
        opener = os.path.join(bin_folder, "xdg-open")
        with open(opener, "w") as f:
            f.write(f"#!/bin/sh\necho \"$1\" >> '{opened}'\n")
        os.chmod(opener, 0o755)
        self.env["PATH"] = bin_folder + os.pathsep + self.env["PATH"]
        self.write_settings(NO_KEYBOARD)
        main = self.open_main()
        self.open_settings(main)
        self.key("alt+r", "F1")  # the focus in a text box, which keeps its key releases

        def opened_lines():
            return open(opened).read().splitlines() if os.path.exists(opened) else []
        harness.wait_for(opened_lines, what="the help to open")
        self.assertEqual(opened_lines(), ["file://" + os.path.join(self.folder, "Readme.txt")])
        self.assertTrue(self.find_windows(SETTINGS))


if __name__ == "__main__":
    harness.main()
