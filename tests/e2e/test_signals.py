# SPDX-License-Identifier: GPL-3.0-or-later
"""Ending the program from outside: a signal saves the settings as closing the window does."""
import os
import signal
import subprocess

import harness

NO_KEYBOARD = "[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=0\n"


class Signals(harness.ProgramTest):
    def test_terminating_signals_save_then_end(self):
        for number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
            with self.subTest(signal=number.name):
                self.write_settings(NO_KEYBOARD)
                main = self.open_main()
                self.click(main, 204, 27)  # the exercise number box
                self.key("ctrl+a")
                self.type("7")
                self.display.run(["xdotool", "windowmove", "--sync", str(main), "300", "250"], check=True)
                harness.wait_for(lambda: self.geometry(main)[0] != 100, what="the window to move")
                self.process.send_signal(number)
                self.assertEqual(self.wait_exit(), 0)
                self.assertEqual(self.setting("Exercises", "ExNum"), "7")
                self.assertNotEqual(self.setting("Display", "WinX"), "1500")

    def test_a_signal_while_a_message_box_waits_still_saves_and_ends(self):
        self.write_settings(NO_KEYBOARD + "[Exercises]\nExNum=4\n")
        self.open_main()
        self.key("alt+s")
        self.type(self.exercise_line(4))
        self.key("Return")
        self.wait_window("Exercise Status")
        self.process.send_signal(signal.SIGTERM)
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.setting("Exercises", "ExNum"), "4")

    def test_a_signal_with_a_save_that_fails_says_so_without_a_box_and_ends(self):
        os.makedirs(os.path.join(self.folder, "Clavora.ini"))  # in the way of the settings file
        self.process = subprocess.Popen([os.path.join(self.folder, "clavora")], env=self.env, cwd=self.root,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        self.activate(self.wait_window("Orvella Clavora - Exercises"))
        self.process.send_signal(signal.SIGTERM)
        _, errors = self.process.communicate(timeout=30)
        self.assertEqual(self.process.returncode, 0)
        self.assertIn("Save Error: The settings could not be saved to", errors)

    def test_a_signal_during_a_game_records_it_and_keeps_the_start_level(self):
        self.write_settings(harness.ONLY_LETTER_A + NO_KEYBOARD)
        self.start("/g")
        game = self.wait_window("Orvella Clavora - Game")
        self.activate(game)
        self.key("alt+l", "ctrl+a")  # the start level box
        self.type("3")
        play_area = (80, 24, 565, 318)
        before = self.picture(game, play_area)
        self.key("alt+s")
        self.wait_changed(game, play_area, before, "the first letter")
        self.process.send_signal(signal.SIGTERM)
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.sql("SELECT start_level FROM games"), [["3"]])
        self.assertEqual(self.setting("Game", "StartLevel"), "3")


if __name__ == "__main__":
    harness.main()
