# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up modes, the quick-exercise run and the autostart entry, in the real program."""
import os
import re
import signal
import subprocess

import harness

MAIN = "Orvella Clavora - Exercises"
QUICK = "Orvella Clavora - Quick Exercises"
GAME = "Orvella Clavora - Game"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"
# The game's play area in client pixels, inside its frame line.
PLAY_AREA = (84, 28, 557, 310)


def exec_arguments(value):
    """An Exec value read back by the Desktop Entry rules: string escapes, then argument quoting."""
    value = re.sub(r"\\(.)", lambda m: {"s": " ", "n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), value)
    args, current, quoted, started, i = [], "", False, False, 0
    while i < len(value):
        c = value[i]
        if quoted and c == "\\" and i + 1 < len(value) and value[i + 1] in '"`$\\':
            current += value[i + 1]
            i += 1
        elif c == '"':
            quoted, started = not quoted, True
        elif c == " " and not quoted:
            if started:
                args.append(current)
            current, started = "", False
        else:
            current, started = current + c, True
        i += 1
    if started:
        args.append(current)
    return [a.replace("%%", "%") for a in args]


class SecondStart(harness.ProgramTest):
    def setUp(self):
        super().setUp()
        # A session bus of the test's own, where the running copy is found.
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, capture_output=True, text=True, check=True).stdout.split()
        self.env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        self.addCleanup(os.kill, int(out[1]), signal.SIGTERM)

    def test_a_second_start_on_the_same_settings_brings_the_first_forward_and_starts_nothing(self):
        self.write_settings(NO_KEYBOARD)
        main = self.open_main()
        self.display.run(["xdotool", "windowminimize", "--sync", str(main)], check=True)
        second = subprocess.run([os.path.join(self.folder, "clavora"), "/q"], env=self.env, timeout=10)
        self.assertEqual(second.returncode, 0)
        self.assertEqual(self.wait_window(MAIN), main)
        self.assertFalse(self.find_windows(QUICK))
        self.close_main(main)


class StartUp(harness.ProgramTest):
    def test_quick_run_ends_the_program_after_its_exercises(self):
        self.write_settings(NO_KEYBOARD + "[QuickEx]\nNumEx=1\nRepeats=1\nExNumMin=5\nExNumMax=5\n")
        self.start("/q")
        window = self.wait_window(QUICK)
        self.activate(window)
        self.wait_clock_running(window)
        self.type(self.exercise_line(5))
        self.key("Return")
        self.confirm_box("Exercise Status")
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.setting("Exercises", "ExNum"), "5")

    def test_switches_that_are_not_ours_start_normally(self):
        # Both in one start: either one taken for a switch would show the quick run.
        self.write_settings(NO_KEYBOARD)
        window = self.open_main("-q", "/x")
        self.assertFalse(self.find_windows(QUICK))
        self.close_main(window)

    def test_game_switch_wins_in_any_case_and_order(self):
        # Upper case, after the quick run's switch: one start meets both.
        self.write_settings(NO_KEYBOARD)
        self.start("/q", "/G")
        self.wait_window(GAME)
        self.assertFalse(self.find_windows(QUICK))
        self.process.kill()
        self.process.wait()

    def test_game_first_shares_mains_place_and_keeps_it_run_after_run(self):
        # 3000 twips are 200 pixels: the saved place is the frame's corner.
        self.write_settings(NO_KEYBOARD + "[Display]\nWinX=3000\nWinY=3000\n")
        for run in range(2):
            self.start("/g")
            game = self.wait_window(GAME)
            harness.wait_for(lambda: self.frame(game)[:2] == (200, 200), timeout=20,
                             what=f"the game's frame at the saved place, run {run + 1}")
            self.close_main(game)
            self.assertEqual((self.setting("Display", "WinX"), self.setting("Display", "WinY")), ("3000", "3000"))

        self.start("/g")
        game = self.wait_window(GAME)
        client = self.geometry(game)[:2]
        self.activate(game)
        self.key("alt+x")
        main = self.wait_window(MAIN)
        harness.wait_for(lambda: self.geometry(main)[:2] == client, timeout=20, what="Main where the game was")
        self.close_main(main)
        self.assertEqual((self.setting("Display", "WinX"), self.setting("Display", "WinY")), ("3000", "3000"))

    def test_the_window_in_use_keeps_the_focus_when_the_keyboard_opens_beside_it(self):
        # Each way of starting with the keyboard shown: the keys typed at once count.
        line = self.exercise_line(5)
        settings = (harness.ONLY_LETTER_A + "[KeyLayout]\nShowLayout=1\n[Exercises]\nExNum=5\nRepeats=1\n"
                    "[QuickEx]\nNumEx=1\nRepeats=1\nExNumMin=5\nExNumMax=5\n")
        for args, title in (([], MAIN), (["/q"], QUICK), (["/g"], GAME)):
            with self.subTest(args=args):
                self.write_settings(settings)
                self.start(*args)
                window = self.wait_window(title)
                self.wait_window(KEYBOARD)
                harness.wait_for(lambda: self.display.run(["xdotool", "getactivewindow"]).strip() == str(window),
                                 timeout=20, what=f"'{title}' to have the focus")
                if title == GAME:
                    self.key("alt+s")
                    harness.wait_for(lambda: any(c != (0, 0, 0) for _, c in self.picture(window, PLAY_AREA).pixels()),
                                     what="a letter")
                    self.type("a")
                    self.close_main(window)
                    self.assertGreater(int(self.sql("SELECT MAX(score) FROM games")[0][0]), 0)
                    continue
                if title == MAIN:
                    self.key("alt+s")
                self.type(line)
                self.key("Return")
                self.confirm_box("Exercise Status")
                if title == MAIN:
                    self.close_main(window)
                self.assertEqual(self.wait_exit(), 0)
                self.assertEqual(self.sql("SELECT typed FROM attempts"), [[line]])
                os.remove(self.store())

    def test_every_window_fits_the_screen_at_a_large_scale_factor(self):
        # wait_window checks that each frame lies whole on the screen. Without xdg-open on its
        # path the program shows the help in a window of its own.
        for scale, width, height in (("1.5", 1280, 1024), ("2", 1920, 1080)):
            with self.subTest(scale=scale):
                self.display.close()
                self.display = harness.Display(width, height)
                self.env.update(self.display.env, QT_SCALE_FACTOR=scale, PATH=self.root)
                for args, title in (([], MAIN), (["/g"], GAME)):
                    self.write_settings("[KeyLayout]\nShowLayout=1\n")
                    self.start(*args)
                    window = self.wait_window(title)
                    self.wait_window(KEYBOARD)
                    self.activate(window)
                    self.key("F1")
                    self.wait_window("Orvella Clavora - Help")
                    self.activate(window)
                    self.key("alt+t" if title == GAME else "alt+e")
                    self.wait_window("Orvella Clavora - Settings")
                    self.process.kill()
                    self.process.wait()

    def autostart_entry(self):
        return os.path.join(self.home, ".config", "autostart", "clavora-quick-exercises.desktop")

    def install_with_old_entry(self, folder):
        """The program in this folder, with an entry present: the setting loads as on."""
        self.install(folder)
        with open(os.path.join(folder, "Clavora.ini"), "w") as f:
            f.write(NO_KEYBOARD)
        os.makedirs(os.path.dirname(self.autostart_entry()))
        with open(self.autostart_entry(), "w") as f:
            f.write("[Desktop Entry]\nExec=old\n")
        return os.path.join(folder, "clavora")

    def test_autostart_entry_starts_the_program_from_a_folder_of_shell_words(self):
        program = self.install_with_old_entry(os.path.join(self.root, "my prog's (x) a;b&c|d *?~#!"))
        self.close_main(self.open_main(program=program))

        with open(self.autostart_entry(), encoding="utf-8") as f:
            exec_line = next(line[5:] for line in f.read().splitlines() if line.startswith("Exec="))
        args = exec_arguments(exec_line)
        self.assertEqual(args, [program, "/q"])
        self.start(*args[1:], program=args[0])
        self.wait_window(QUICK)

    def test_a_folder_a_launcher_would_misread_gets_no_entry_and_one_notice(self):
        program = self.install_with_old_entry(os.path.join(self.root, "subst$(touch X) `echo x` 100% back\\slash"))
        window = self.open_main(program=program)
        self.close_window(window)
        self.confirm_box("Quick Exercises at Log-in")
        self.assertEqual(self.wait_exit(), 0)
        self.assertFalse(os.path.exists(self.autostart_entry()))
        # The setting now loads as off: the next close says nothing more.
        self.close_main(self.open_main(program=program))
        self.assertFalse(os.path.exists(self.autostart_entry()))


if __name__ == "__main__":
    harness.main()
