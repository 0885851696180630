# SPDX-License-Identifier: GPL-3.0-or-later
"""The help: --help and --version on the command line, and our own window when the desktop
cannot show the help file."""
import os
import subprocess

import harness

HELP = "Orvella Clavora - Help"
NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"


class Help(harness.ProgramTest):
    def test_help_and_version_print_and_exit_without_a_display(self):
        env = dict(self.env)
        env.pop("DISPLAY")
        for switch, expected in (("--help", ["/g", "/q", "/k", "Clavora.ini", "~/.config/clavora"]),
                                 ("--version", ["Orvella Clavora 0.1"])):
            with self.subTest(switch=switch):
                result = subprocess.run([os.path.join(self.folder, "clavora"), "/q", switch], env=env,
                                        capture_output=True, text=True, timeout=10)
                self.assertEqual(result.returncode, 0, result.stderr)
                for text in expected:
                    self.assertIn(text, result.stdout)
        self.assertFalse(os.path.exists(os.path.join(self.folder, "Clavora.ini")))

    def test_help_shows_in_a_window_of_its_own_when_xdg_open_is_missing_or_fails(self):
        failing = os.path.join(self.root, "failing")
        os.makedirs(failing)
        with open(os.path.join(failing, "xdg-open"), "w") as f:
            f.write("#!/bin/sh\nexit 3\n")
        os.chmod(os.path.join(failing, "xdg-open"), 0o755)
        empty = os.path.join(self.root, "empty")
        os.makedirs(empty)
        usual = self.env["PATH"]
        for path in (empty, failing + os.pathsep + usual):
            with self.subTest(path=path):
                self.env["PATH"] = path
                self.write_settings(NO_KEYBOARD)
                main = self.open_main()
                self.env["PATH"] = usual  # for the clipboard tool
                self.key("F1")
                help_window = self.wait_window(HELP)
                self.activate(help_window)
                self.key("ctrl+a", "ctrl+c")  # read-only, yet its text can be copied
                harness.wait_for(lambda: "Quick exercises" in self.clipboard(), what="the help text")
                self.key("x")  # typing changes nothing
                self.key("ctrl+a", "ctrl+c")
                harness.wait_for(lambda: "Quick exercises" in self.clipboard(), what="the help text")
                self.close_window(help_window)
                self.wait_no_window(HELP)
                self.close_main(main)


if __name__ == "__main__":
    harness.main()
