# SPDX-License-Identifier: GPL-3.0-or-later
"""The typing game in the real program, checked through the pixels of screenshots."""
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

        # Before a game the Pause button is out of use, as it is again once a game has ended.
        idle = self.picture(game, PAUSE_BUTTON).data
        # Alt+S starts; the first letter comes after about a second and "a" defuses it.
        no_score = self.picture(game, SCORE).data
        self.key("alt+s")
        letter = wait_for(lambda: self.first_letter_pixel(game), timeout=15, what="a letter")
        running = self.picture(game, PAUSE_BUTTON).data
        self.assertNotEqual(running, idle, "the Pause button is out of use in a game")
        self.type("a")
        wait_for(lambda: self.picture(game, PLAY_AREA).pixel(*letter) == (0, 0, 0), timeout=15,
                 what="the letter to go")
        self.assertNotEqual(self.picture(game, SCORE).data, no_score, "the score did not rise")

        # Esc pauses: nothing on the play area moves. Esc again and the fuses burn on. On a busy
        # machine a letter may explode and end the game before Esc arrives: a new game is paused.
        for attempt in range(3):
            wait_for(lambda: self.first_letter_pixel(game), timeout=15, what="another letter")
            self.key("Escape")
            button = wait_for(lambda: (shown := self.picture(game, PAUSE_BUTTON).data) != running and shown,
                              timeout=15, what="the pause button to say Unpause, or the game to end")
            if button != idle:
                break
            self.key("alt+s")
            wait_for(lambda: self.picture(game, PAUSE_BUTTON).data == running, timeout=15, what="a new game")
        self.assertNotIn(button, (running, idle), "no game was paused in three")
        paused = self.picture(game, PLAY_AREA).data
        holds_for(lambda: self.picture(game, PLAY_AREA).data == paused, 1.5, what="the paused play area")
        self.key("Escape")
        wait_for(lambda: self.picture(game, PLAY_AREA).data != paused, timeout=15, what="the game to resume")

        # Alt+E ends the game, unless a letter has exploded and ended it already.
        self.key("alt+e")
        wait_for(lambda: self.picture(game, PAUSE_BUTTON).data == idle, timeout=15, what="the game to end")
        # A new game left alone: its first letter explodes about 6.1 s after the start, and
        # "GAME OVER!" fades from green to pure red over the next 5 s, then stays.
        self.key("alt+s")
        wait_for(lambda: self.picture(game, PAUSE_BUTTON).data != idle, timeout=15, what="the new game")
        wait_for(lambda: self.picture(game, PAUSE_BUTTON).data == idle, timeout=60, what="the game to end")
        # The exploded letter is pure red already: the text is what turns pure red afterwards.
        fading = self.picture(game, GAME_OVER)

        def turned_red(shown):
            return [point for point, colour in shown.pixels()
                    if colour == (255, 0, 0) and fading.pixel(*point) != colour]

        def all_red():
            shown = self.picture(game, GAME_OVER)
            return shown if len(turned_red(shown)) > 200 else None
        faded = wait_for(all_red, timeout=60, what="GAME OVER! in pure red")
        red = turned_red(faded)
        greener = [p for p in red if fading.pixel(*p)[1] > 0]
        self.assertGreater(len(greener), len(red) * 0.9, "GAME OVER! did not fade from green")
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
