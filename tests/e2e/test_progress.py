# SPDX-License-Identifier: GPL-3.0-or-later
"""The learner's history in the real program: what typing and playing leave in the store, the
progress window, the CSV export, and a store that survives the program being killed."""
import csv
import os
import shutil
import signal
import subprocess

import harness
from harness import wait_for

QUICK = "Orvella Clavora - Quick Exercises"
GAME = "Orvella Clavora - Game"
PROGRESS = "Orvella Clavora - Progress"
PRESET = "QWERTY - United States"
# The game draws only "a"; no keyboard window gets in the way.
SETTINGS = harness.ONLY_LETTER_A + """[KeyLayout]
ShowLayout=0
"""
PLAY_AREA = (80, 24, 565, 318)
BORDER = 4


def typed_with_mistakes(line):
    """The line with its first character and the one after the first blank struck wrong."""
    wrong = {"f": "d", "j": "k"}
    chars = list(line)
    for i in (0, line.index(" ") + 1):
        chars[i] = wrong[chars[i]]
    return "".join(chars)


def pairs_of(exercise, typed):
    """(expected, struck) code pairs of a line typed from start to end; 0 past the exercise's end."""
    counts = {}
    for i, struck in enumerate(typed):
        expected = ord(exercise[i]) if i < len(exercise) else 0
        counts[(expected, ord(struck))] = counts.get((expected, ord(struck)), 0) + 1
    return counts


class Progress(harness.ProgramTest):
    def type_attempt(self, window, text):
        self.wait_clock_running(window)
        self.type(text)
        self.key("Return")
        self.confirm_box("Exercise Status")

    def first_letter_pixel(self, game):
        for point, colour in self.picture(game, PLAY_AREA).pixels(BORDER):
            if colour != (0, 0, 0):
                return point
        return None

    def play_short_game(self):
        """One letter hit, one stray key, then the game ended by hand."""
        self.key("alt+g")
        game = self.wait_window(GAME)
        self.activate(game)
        self.key("alt+s")
        letter = wait_for(lambda: self.first_letter_pixel(game), timeout=15, what="a letter")
        self.type("a")
        wait_for(lambda: self.picture(game, PLAY_AREA).pixel(*letter) == (0, 0, 0), timeout=15,
                 what="the letter to go")
        self.type("b")
        self.key("alt+e")
        return game

    def export(self, progress, path):
        self.activate(progress)
        self.key("alt+e")
        self.activate(self.wait_window("Export History As . . ."))
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        self.confirm_box("Export")

    def test_attempts_and_game_are_kept_shown_and_exported(self):
        self.write_settings(SETTINGS)
        main = self.open_main()
        first, second = self.exercise_line(1), self.exercise_line(2)
        wrong = typed_with_mistakes(second)
        self.key("alt+s")
        # Two passes of the first exercise move on to the second, typed with two mistakes.
        self.type_attempt(main, first)
        self.type_attempt(main, first)
        self.type_attempt(main, wrong)
        self.key("Escape")
        self.play_short_game()

        attempts = self.sql("SELECT kind, quick_run, preset_file, exercise_number, exercise, typed, correct,"
                            " accuracy, passed, seconds > 0 FROM attempts ORDER BY id")
        self.assertEqual(attempts, [
            ["0", "0", PRESET, "1", first, first, str(len(first)), "100", "1", "1"],
            ["0", "0", PRESET, "1", first, first, str(len(first)), "100", "1", "1"],
            ["0", "0", PRESET, "2", second, wrong, str(len(second) - 2),
             str(round((len(second) - 2) * 100 / len(second))), "1", "1"]])
        expected = {}
        for exercise, typed in ((first, first), (first, first), (second, wrong)):
            for pair, count in pairs_of(exercise, typed).items():
                expected[pair] = expected.get(pair, 0) + count
        pairs = self.sql("SELECT expected, struck, SUM(count) FROM keystrokes GROUP BY expected, struck")
        self.assertEqual({(int(e), int(s)): int(c) for e, s, c in pairs}, expected)
        self.assertEqual(self.sql("SELECT SUM(mid_line_edits), SUM(backspaces) FROM line_edits"), [["", ""]])
        wait_for(lambda: self.sql("SELECT COUNT(*) FROM games") == [["1"]], what="the game in the store")
        self.assertEqual(self.sql("SELECT start_level, level_reached, score >= 0 FROM games"), [["1", "1", "1"]])
        self.assertEqual(self.sql("SELECT letter, hits, hit_seconds > 0, stray_keys FROM game_letters ORDER BY letter"),
                         [[str(ord("a")), "1", "1", "0"], [str(ord("b")), "0", "0", "1"]])

        # Ctrl+P in the game window opens the progress window with what was kept.
        self.key("ctrl+p")
        progress = self.wait_window(PROGRESS)
        self.screenshot(os.path.join(os.getcwd(), "e2e-progress-window.png"))

        exported = os.path.join(self.root, "history.csv")
        self.export(progress, exported)
        with open(exported, encoding="utf-8", newline="") as f:
            text = f.read()
        self.assertTrue(text.endswith("\r\n"))
        rows = list(csv.reader(text.splitlines()))
        self.assertEqual(rows[0], ["finished", "type", "quick run", "preset file", "exercise number", "exercise",
                                   "typed", "seconds", "correct characters", "accuracy", "wpm", "correct wpm",
                                   "passed"])
        self.assertEqual([row[1:7] + row[8:10] + row[12:] for row in rows[1:]], [
            ["preset", "no", PRESET, "1", first, first, str(len(first)), "100", "yes"],
            ["preset", "no", PRESET, "1", first, first, str(len(first)), "100", "yes"],
            ["preset", "no", PRESET, "2", second, wrong, str(len(second) - 2), attempts[2][7], "yes"]])
        with open(os.path.join(self.root, "history keys.csv"), encoding="utf-8", newline="") as f:
            keys = list(csv.reader(f.read().splitlines()))
        self.assertEqual(keys[0], ["key", "strokes", "errors", "error rate %", "median interval ms",
                                   "most struck instead"])
        strokes = {}
        for (exercise_code, struck), count in expected.items():
            total, errors = strokes.get(exercise_code, (0, 0))
            strokes[exercise_code] = (total + count, errors + (count if struck != exercise_code else 0))
        # Fewer than 20 strokes a key: counts, but no rate.
        self.assertEqual({row[0]: (int(row[1]), int(row[2]), row[3]) for row in keys[1:]},
                         {chr(code): (total, errors, "") for code, (total, errors) in strokes.items()})
        self.assertEqual({row[0]: row[5] for row in keys[1:] if row[5]}, {"f": "d", "j": "k"})

    def committed(self):
        """The store as a program opening it now would find it: integrity and attempts, read
        from a copy, so that the program of the next run recovers its own files."""
        copy = os.path.join(self.root, "copy")
        shutil.rmtree(copy, ignore_errors=True)
        os.makedirs(copy)
        for suffix in ("", "-wal"):
            if os.path.exists(self.store() + suffix):
                shutil.copy2(self.store() + suffix, os.path.join(copy, "History.sqlite" + suffix))
        copied = os.path.join(copy, "History.sqlite")
        self.assertEqual(self.sql("PRAGMA integrity_check", copied), [["ok"]])
        return self.sql("SELECT id, finished, typed, seconds FROM attempts ORDER BY id", copied)

    def attempts_committed(self):
        """The store opens when first used, so its tables may not be written yet: 0 then."""
        try:
            return len(self.committed())
        except AssertionError:
            return 0

    def quick_attempt(self, typed):
        """Starts a quick run, types one attempt and presses ENTER; the window, or None when the
        program was gone before it showed."""
        window = wait_for(lambda: self.find_windows(QUICK) or self.process.poll() is not None,
                          what="the window or the end of the program")
        if window is True:
            return None
        self.activate(window[0])
        self.type(typed)
        self.key("Return")
        return window[0]

    def test_killed_while_writing_keeps_every_earlier_attempt(self):
        """SIGKILL in the middle of a write to the store, once at each write of a run (about 19, the
        attempt's class outbox and UUID index included), until two runs in a row end with fewer
        writes than the one the kill waits for: the later writes of a run are all met by then.
        The store always opens with every attempt committed before exactly as it was."""
        self.write_settings(SETTINGS)
        self.start("/q")
        self.quick_attempt("fj")
        wait_for(lambda: self.attempts_committed() == 1, what="the first attempt")
        self.process.kill()
        self.process.wait()
        kept, killed_writing, runs_without_kill = self.committed(), 0, 0
        runs = 30
        for run in range(runs):
            if runs_without_kill == 2:
                runs = run
                break
            self.process = subprocess.Popen(
                ["strace", "-f", "-qq", "-o", "/dev/null", "-P", self.store(), "-P", self.store() + "-wal",
                 "-e", "trace=pwrite64", "-e", f"inject=pwrite64:signal=KILL:when={1 + run}",
                 os.path.join(self.folder, "clavora"), "/q"],
                env=self.env, cwd=self.root, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            window = self.quick_attempt(f"fj{run}")
            wait_for(lambda: self.process.poll() is not None or self.attempts_committed() > len(kept),
                     what="the kill or the attempt's commit")
            if self.process.poll() is not None:
                killed_writing += 1
                runs_without_kill = 0
            else:  # fewer writes in this run: killed after its commit
                runs_without_kill += 1
                os.kill(int(self.display.run(["xdotool", "getwindowpid", str(window)])), signal.SIGKILL)
                self.process.wait(timeout=30)
            rows = self.committed()
            self.assertEqual(rows[:len(kept)], kept, f"run {run}")
            self.assertIn(len(rows) - len(kept), (0, 1), f"run {run}")
            kept = rows
        print(f"{killed_writing} of {runs} runs killed in a write; {len(kept)} attempts committed", flush=True)
        self.assertGreaterEqual(killed_writing, 12)
        self.assertGreater(len(kept), 1)
        # The program opens the store it left and goes on recording.
        self.start("/q")
        self.quick_attempt("fj")
        wait_for(lambda: len(self.committed()) == len(kept) + 1, what="one more attempt")


if __name__ == "__main__":
    harness.main()
