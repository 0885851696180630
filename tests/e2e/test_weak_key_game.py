# SPDX-License-Identifier: GPL-3.0-or-later
"""What the program does with a seeded history: the weak-key game, and the end of a quick run, whose
streak goes to the desktop's notifications."""
import os
import time

import harness
from harness import wait_for

MAIN = "Orvella Clavora - Exercises"
GAME = "Orvella Clavora - Game"
QUICK = "Orvella Clavora - Quick Exercises"
# The lower-case letters without the space bar, and letters fast enough to pile up.
GAME_SETTINGS = """[RndEx]
LowerCase=1
Space=0
[Game]
StartLevel=100
[KeyLayout]
ShowLayout=0
"""
QUICK_SETTINGS = "[KeyLayout]\nShowLayout=0\n[QuickEx]\nNumEx=1\nRepeats=1\nExNumMin=5\nExNumMax=5\n"
WEAK = "qp"  # the keys history_seed.py makes weak


class QuickRun:
    def finish_quick_run(self):
        """A quick run of one exercise, typed and passed, up to the end of its status box."""
        self.seed_history(QUICK_SETTINGS)
        self.start("/q")
        window = self.wait_window(QUICK)
        self.activate(window)
        self.wait_clock_running(window)
        self.type(self.exercise_line(5))
        self.key("Return")
        self.confirm_box("Exercise Status")


class WeakKeyGame(harness.ProgramTest):
    def games(self):
        return int(self.sql("SELECT COUNT(*) FROM games")[0][0])

    def play_typing_weak_keys(self, shot=None):
        """Starts a game and strikes q and p until a letter left alone ends it. Returns the share of
        those strokes that hit a letter on screen: it grows with the share of q and p among the letters."""
        played = self.games()
        self.key("alt+s")
        if shot:
            time.sleep(2)  # letters pile up for the picture
            self.screenshot(shot)
        deadline = time.monotonic() + 60
        while self.games() == played and time.monotonic() < deadline:
            self.display.run(["xdotool", "type", "--delay", "10", WEAK * 25], check=True)
        self.assertEqual(self.games(), played + 1, "the game did not end")
        codes = ",".join(str(ord(c)) for c in WEAK)
        hits, strays = self.sql(f"SELECT SUM(hits), SUM(stray_keys) FROM game_letters WHERE letter IN ({codes})"
                                " AND game = (SELECT MAX(id) FROM games)")[0]
        hits, strays = int(hits or 0), int(strays or 0)
        self.assertGreater(hits + strays, 100, "too few strokes to compare")
        return hits / (hits + strays)

    def test_weak_keys_ticked_the_missed_letters_fall_far_more_often(self):
        self.seed_history(GAME_SETTINGS)
        self.start("/g")
        game = self.wait_window(GAME)
        self.activate(game)
        usual = self.play_typing_weak_keys()
        self.key("alt+w")
        shot = os.path.join(os.getcwd(), "e2e-weak-key-game.png")
        weak = self.play_typing_weak_keys(shot)
        # About a quarter of the letters are q or p with the weights, one in 13 without.
        self.assertGreater(weak, 1.5 * usual, f"hit share {weak:.2f} with weak keys, {usual:.2f} without")
        self.close_main(game)
        self.assertEqual(self.setting("History", "WeakKeyGame"), "1")


class QuickRunEnd(QuickRun, harness.ProgramTest):
    def test_a_quick_run_with_a_streak_ends_at_once_after_its_status_box(self):
        self.finish_quick_run()
        self.assertEqual(self.wait_exit(timeout=20), 0)
        self.assertEqual(self.setting("Exercises", "ExNum"), "5")


if __name__ == "__main__":
    harness.main()
