# SPDX-License-Identifier: GPL-3.0-or-later
"""The typing game in the real program, checked through the pixels of screenshots."""
import time

import harness
from harness import holds_for, wait_for

MAIN = "Orvella Clavora - Exercises"
GAME = "Orvella Clavora - Game"
# "a" is the only key the game may draw; the game starts at level 1, one letter every 1.09 s.
SETTINGS = harness.ONLY_LETTER_A + """[Display]
WinX=1500
WinY=1800
[Game]
StartLevel=1
[KeyLayout]
ShowLayout=0
"""
# Client-area rectangles in pixels (x, y, width, height).
PLAY_AREA = (80, 24, 565, 318)
SCORE = (540, 8, 109, 17)
GAME_OVER = (80 + 112, 24 + 128, 341, 59)
BORDER = 4  # the play area's frame line
PAUSE_BUTTON = (8, 116, 65, 29)


class Game(harness.ProgramTest):
    def first_letter_pixel(self, game):
        """A pixel of some shell in the play area (its background is the black window colour)."""
        for point, colour in self.picture(game, PLAY_AREA).pixels(BORDER):
            if colour != (0, 0, 0):
                return point
        return None

    def test_play_pause_game_over_and_back_to_the_exercises(self):
        self.write_settings(SETTINGS)
        self.start()
        main = self.wait_window(MAIN)
        self.activate(main)
        main_place = self.client_origin(main)

        self.key("alt+g")
        game = self.wait_window(GAME)
        self.wait_no_window(MAIN)
        self.assertEqual(self.client_origin(game), main_place)
        self.activate(game)

        # Alt+S starts; the first letter comes after about a second and "a" defuses it.
        no_score = self.picture(game, SCORE).data
        self.key("alt+s")
        letter = wait_for(lambda: self.first_letter_pixel(game), timeout=5, what="a letter")
        self.type("a")
        wait_for(lambda: self.picture(game, PLAY_AREA).pixel(*letter) == (0, 0, 0), timeout=2,
                 what="the letter to go")
        self.assertNotEqual(self.picture(game, SCORE).data, no_score, "the score did not rise")

        # Esc pauses: nothing on the play area moves. Esc again and the fuses burn on.
        wait_for(lambda: self.first_letter_pixel(game), timeout=5, what="another letter")
        running = self.picture(game, PAUSE_BUTTON)
        self.key("Escape")
        self.wait_changed(game, PAUSE_BUTTON, running, "the pause button to say Unpause")
        paused = self.picture(game, PLAY_AREA).data
        holds_for(lambda: self.picture(game, PLAY_AREA).data == paused, 1.5, what="the paused play area")
        self.key("Escape")
        self.wait_changed(game, PLAY_AREA, self.picture(game, PLAY_AREA), "the game to resume")

        # A new game left alone: its first letter explodes about 6.1 s after the start, and
        # "GAME OVER!" fades from green to red over the next 5 s.
        ended = self.picture(game, PAUSE_BUTTON)
        self.key("alt+e")
        self.wait_changed(game, PAUSE_BUTTON, ended, "the game to end")
        self.key("alt+s")
        started = time.monotonic()
        time.sleep(7.0 - (time.monotonic() - started))
        fading = self.picture(game, GAME_OVER)
        time.sleep(12.5 - (time.monotonic() - started))
        faded = self.picture(game, GAME_OVER)
        text = [point for point, colour in fading.pixels() if faded.pixel(*point) != colour]
        self.assertGreater(len(text), 200, "no GAME OVER text changed colour")
        greenish = [p for p in text if fading.pixel(*p)[1] > fading.pixel(*p)[0]]
        red = [p for p in text if faded.pixel(*p) == (255, 0, 0)]
        self.assertGreater(len(greenish), len(text) * 0.9, "GAME OVER! was not green at first")
        self.assertGreater(len(red), len(text) * 0.3, "GAME OVER! did not end pure red")
        holds_for(lambda: self.picture(game, GAME_OVER).data == faded.data, 0.5, what="the faded GAME OVER")

        # The Exercises button puts the exercise window where the game window stands.
        self.display.run(["xdotool", "windowmove", "--sync", str(game), "230", "170"], check=True)
        moved = wait_for(lambda: self.client_origin(game) != main_place and self.client_origin(game),
                         what="the game window to move")
        self.activate(game)
        self.key("alt+x")
        main = self.wait_window(MAIN)
        self.wait_no_window(GAME)
        self.assertEqual(self.client_origin(main), moved)
        self.close_main(main)
        self.assertEqual(self.setting("Game", "StartLevel"), "1")


if __name__ == "__main__":
    harness.main()
