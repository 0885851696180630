# SPDX-License-Identifier: GPL-3.0-or-later
"""The desktop's own keyboard layout, as setxkbmap sets it on the X server, and the learner's weak
keys on the keyboard window."""
import os

import atspi
import harness
from harness import wait_for

MAIN = "Orvella Clavora - Exercises"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
PLACED = "[Display]\nWinX=1500\nWinY=1500\n"
# A point inside each key's border (the window's pixels), clear of its captions.
Q_KEY, P_KEY, A_KEY = (67, 47), (427, 47), (79, 87)
DARK_BLUE = (0, 0, 192)


def heat_colour(rate, top):
    """The heat map's scale: green at no errors, through yellow, to red at `top`."""
    position = min(max(rate / top, 0.0), 1.0)
    return round(255 * min(1.0, 2 * position)), round(200 * min(1.0, 2 * (1 - position))), 0


class DesktopLayout(harness.ProgramTest):
    def set_desktop_layout(self, layout):
        self.display.run(["setxkbmap", layout], check=True)
        self.assertIn(f"layout:     {layout}", self.display.run(["setxkbmap", "-query"]))

    def colours(self, window, *points):
        shot = os.path.join(self.root, "keyboard.png")
        self.screenshot(shot, window)
        return [self.pixel(shot, x, y) for x, y in points]

    def context_menu(self, window, access_key):
        """Opens the window's context menu and picks an entry by its access key."""
        self.activate(window)
        windows = lambda: self.display.run(["xdotool", "search", "--onlyvisible", "--pid",
                                            str(self.process.pid)]).split()
        before = len(windows())
        self.display.run(["xdotool", "mousemove", "--window", str(window), "300", "200", "click", "3"], check=True)
        wait_for(lambda: len(windows()) > before, what="the context menu")
        self.key(access_key)

    def test_a_first_start_on_a_german_desktop_takes_the_german_files(self):
        self.set_desktop_layout("de")
        self.assertFalse(os.path.exists(os.path.join(self.folder, "Clavora.ini")))
        main = self.open_main()
        # The keyboard shows by default, and it matches the desktop: nothing to say.
        self.wait_window(KEYBOARD)
        self.close_main(main)
        self.assertEqual(self.setting("KeyLayout", "Layout"), "QWERTZ - German")
        self.assertEqual(self.setting("Exercises", "PresetFile"), "QWERTZ - German")
        self.assertEqual(self.setting("KeyLayout", "ShowLayout"), "1")  # the rest as any first start
        self.assertEqual(self.setting("Exercises", "ExNum"), "1")

    def test_the_caption_names_the_desktops_keyboard_and_the_menu_switches_to_it(self):
        self.write_settings(PLACED + "[KeyLayout]\nLayout=QWERTY - United States\nShowLayout=1\n")
        self.set_desktop_layout("de")
        main = self.open_main()
        keyboard = self.wait_window(KEYBOARD + " (your keyboard is German)")
        shot = os.path.join(os.getcwd(), "e2e-desktop-layout-mismatch.png")
        self.screenshot(shot)

        self.context_menu(keyboard, "s")  # "Switch to the German layout"
        self.wait_window(KEYBOARD)
        # The desktop switches while the program runs: the caption follows.
        self.set_desktop_layout("fr")
        self.wait_window(KEYBOARD + " (your keyboard is French)")

        self.close_main(main)
        self.assertEqual(self.setting("KeyLayout", "Layout"), "QWERTZ - German")
        self.assertEqual(self.setting("Exercises", "PresetFile"), "QWERTZ - German")

    def test_the_caption_follows_a_switch_between_the_desktops_layouts(self):
        self.write_settings(PLACED + "[KeyLayout]\nLayout=QWERTY - United States\nShowLayout=1\n")
        self.display.run(["setxkbmap", "-layout", "us,de", "-option", "grp:shifts_toggle"], check=True)
        main = self.open_main()
        self.wait_window(KEYBOARD)
        both_shifts = ["xte", "keydown Shift_L", "keydown Shift_R", "keyup Shift_R", "keyup Shift_L"]
        self.display.run(both_shifts, check=True)  # to the second layout, German
        self.wait_window(KEYBOARD + " (your keyboard is German)")
        self.display.run(both_shifts, check=True)
        self.wait_window(KEYBOARD)
        self.close_main(main)

    def test_weak_keys_show_red_on_the_keyboard(self):
        self.seed_history(PLACED + "[KeyLayout]\nShowLayout=0\n")
        self.write_settings(PLACED + "[KeyLayout]\nShowLayout=1\n")
        main = self.open_main()
        keyboard = self.wait_window(KEYBOARD)
        self.assertEqual(self.colours(keyboard, Q_KEY), [DARK_BLUE])

        self.context_menu(keyboard, "w")  # "Show my weak keys"
        # q and p missed at 40 %, the other letters at 4 %: the scale ends at 50 %.
        red, green = heat_colour(0.4, 0.5), heat_colour(0.04, 0.5)
        wait_for(lambda: self.colours(keyboard, Q_KEY, P_KEY, A_KEY) == [red, red, green], timeout=20,
                 what="the weak keys in red")
        shot = os.path.join(os.getcwd(), "e2e-weak-keys.png")
        self.screenshot(shot, keyboard)

        # A held key lights over its colour.
        self.display.run(["xdotool", "keydown", "q"], check=True)
        wait_for(lambda: self.colours(keyboard, Q_KEY) != [red], timeout=20, what="q to light")
        self.display.run(["xdotool", "keyup", "q"], check=True)
        wait_for(lambda: self.colours(keyboard, Q_KEY) == [red], timeout=20, what="q red again")

        self.key("ctrl+h")
        wait_for(lambda: self.colours(keyboard, Q_KEY) == [DARK_BLUE], timeout=20, what="the finger zones again")
        self.key("ctrl+h")
        wait_for(lambda: self.colours(keyboard, Q_KEY) == [red], timeout=20, what="the weak keys again")
        self.close_main(main)
        self.assertEqual(self.setting("History", "ShowWeakKeys"), "1")


class SwedishDesktop(atspi.AccessibleProgramTest):
    def test_a_new_learner_on_a_swedish_desktop_practises_on_swedish_keys_with_swedish_words(self):
        self.display.run(["setxkbmap", "se"], check=True)
        self.assertFalse(os.path.exists(os.path.join(self.folder, "Clavora.ini")))
        main = self.open_main("--coach")
        # Named as the desktop names it, and matching it: no "your keyboard is".
        keyboard = self.wait_window(KEYBOARD + " (Swedish)")
        self.screenshot(os.path.join(os.getcwd(), "e2e-desktop-layout-swedish.png"), keyboard)
        self.activate(main)
        self.key("alt+s")
        line = wait_for(lambda: self.read_window(MAIN, ["Exercise"])["Exercise"]["text"], what="the Coach's line")
        with open("/usr/share/dict/swedish", encoding="latin-1") as words:
            swedish = set(words.read().split())
        self.assertTrue(line.split() and all(word in swedish for word in line.split()), line)
        self.close_main(main)
        self.assertEqual(self.setting("KeyLayout", "Layout"), "Swedish")
        self.assertEqual(self.setting("KeyLayout", "DesktopLayout"), "se")
        self.assertEqual(self.setting("Exercises", "PresetFile"), "Swedish")


if __name__ == "__main__":
    harness.main()
