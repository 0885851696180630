# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds over AT-SPI: a name on every control, the keyboard's keys."""
import atspi
import harness

MAIN = "Orvella Clavora - Exercises"
SETTINGS = "Orvella Clavora - Settings"
GAME = "Orvella Clavora - Game"
KEYBOARD = "Orvella Clavora - Keyboard Layout"


class Accessibility(atspi.AccessibleProgramTest):
    # What the user can reach or read, besides whatever takes the focus.
    ROLES = {"push button", "check box", "radio button", "text", "entry", "combo box", "spin button", "list"}

    def assert_every_control_named(self, title, must_include):
        controls = [node for node in self.accessible_nodes(title, must_include)
                    if node["showing"] and (node["role"] in self.ROLES or node["focusable"])]
        self.assertTrue(controls)
        unnamed = [f"{c['role']} at {c['extents']}" for c in controls if not c["name"].strip()]
        self.assertEqual(unnamed, [], title)
        names = {c["name"] for c in controls}
        for name in must_include:
            self.assertIn(name, names, title)

    def children(self, title):
        return [node["name"] for node in self.accessible_nodes(title) if node["depth"] == 1]

    def test_every_control_has_a_name_and_the_keyboard_its_keys(self):
        self.write_settings("[KeyLayout]\nShowLayout=1\nLayoutFile=QWERTY - United States\n")
        main = self.open_main()
        self.assert_every_control_named(MAIN, ["Exercise number", "Typing line", "Start Exercises"])
        keys = self.children(KEYBOARD)
        for name in ("` ~", "1 !", "Q", "TAB", "CAPS LOCK", "SHIFT", "ENTER", "SPACE", "ALT GR"):
            self.assertIn(name, keys)

        self.activate(main)
        self.key("alt+e")
        self.assert_every_control_named(SETTINGS,
                                        ["Launch quick exercises when I log in", "Custom keys", "Lowest quick exercise"])
        self.key("Escape")
        self.wait_no_window(SETTINGS)

        self.activate(main)
        self.key("alt+g")
        self.assert_every_control_named(GAME, ["Start level", "Start Game", "Weak keys"])
        self.assertIn("Play area", self.children(GAME))


if __name__ == "__main__":
    harness.main()
