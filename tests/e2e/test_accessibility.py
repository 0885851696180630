# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds over AT-SPI: a name on every control, the keyboard's keys."""
import atspi
import harness

MAIN = "Orvella Clavora - Exercises"
SETTINGS = "Orvella Clavora - Settings"
GAME = "Orvella Clavora - Game"
KEYBOARD = "Orvella Clavora - Keyboard Layout"


class Accessibility(atspi.AccessibleProgramTest):
    def controls(self, frame):
        """Every visible control below the frame that the user can reach or read, by role."""
        import pyatspi
        roles = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_TEXT,
                 pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_LIST}
        found = []
        for node in self.accessible_nodes(frame):
            states = node.getState()
            if states.contains(pyatspi.STATE_SHOWING) and (
                    node.getRole() in roles or states.contains(pyatspi.STATE_FOCUSABLE)):
                found.append(node)
        return found

    def assert_every_control_named(self, frame, must_include):
        controls = self.controls(frame)
        self.assertTrue(controls)
        unnamed = [f"{c.getRoleName()} at {c.queryComponent().getExtents(0)}" for c in controls if not c.name.strip()]
        self.assertEqual(unnamed, [], frame.name)
        names = {c.name for c in controls}
        for name in must_include:
            self.assertIn(name, names, frame.name)

    def test_every_control_has_a_name_and_the_keyboard_its_keys(self):
        self.write_settings("[KeyLayout]\nShowLayout=1\nLayoutFile=QWERTY - United States\n")
        main = self.open_main()
        self.assert_every_control_named(self.accessible_window(MAIN), ["Exercise number", "Typing line", "Start Exercises"])
        keys = [key.name for key in self.accessible_window(KEYBOARD)]
        for name in ("` ~", "1 !", "Q", "TAB", "CAPS LOCK", "SHIFT", "ENTER", "SPACE", "ALT GR"):
            self.assertIn(name, keys)

        self.activate(main)
        self.key("alt+e")
        self.assert_every_control_named(self.accessible_window(SETTINGS),
                                        ["Launch quick exercises when I log in", "Custom keys", "Lowest quick exercise"])
        self.key("Escape")
        self.wait_no_window(SETTINGS)

        self.activate(main)
        self.key("alt+g")
        game = self.accessible_window(GAME)
        self.assert_every_control_named(game, ["Start level", "Start Game", "Weak keys"])
        self.assertIn("Play area", [child.name for child in game])


if __name__ == "__main__":
    harness.main()
