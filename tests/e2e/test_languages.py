"""The program in German and French: the windows' captions, the status box and the help."""
import os
import re
import time

import harness
from harness import wait_for

NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"
NBSP = "\u00a0"
LANGUAGES = {
    "de": dict(locale="de_DE.UTF-8", main="Orvella Clavora - Übungen", start="alt+s", settings_key="alt+o",
               settings="Orvella Clavora - Optionen", status_title="Übungsergebnis",
               status=r"Vorgabeübung Nr\. 1 \(1 von 2\): (\d+)/\1 \(100 %\) richtig, \d+,\d Sekunden, \d+ WpM, \d+ WpM richtig\."),
    "fr": dict(locale="fr_FR.UTF-8", main="Orvella Clavora - Exercices", start="alt+d", settings_key="alt+o",
               settings="Orvella Clavora - Options", status_title="Résultat de l'exercice",
               status=r"Exercice prédéfini n° 1 \(1 sur 2\) : (\d+)/\1 \(100 %\) justes, \d+,\d secondes, \d+ MPM, \d+ MPM justes\."),
}


class Languages(harness.ProgramTest):
    def speak(self, language):
        self.env.pop("LC_ALL", None)
        self.env["LANG"] = LANGUAGES[language]["locale"]

    def status_box_text(self, title):
        """The text of a message box, through the copy a message box offers on Ctrl+C."""
        box = self.wait_window(title)
        self.activate(box)
        self.set_clipboard("")
        self.key("ctrl+c")
        copied = wait_for(self.clipboard, what="the box's text on the clipboard")
        self.key("Return")
        self.wait_no_window(title)
        # Title, text and buttons, each between lines of dashes.
        return [part.strip("\n") for part in re.split(r"-{5,}", copied) if part.strip()][1]

    def check_language(self, language):
        words = LANGUAGES[language]
        self.speak(language)
        self.write_settings(NO_KEYBOARD)
        self.start()
        main = self.wait_window(words["main"])
        self.activate(main)
        self.screenshot(os.path.join(os.getcwd(), f"e2e-language-{language}-exercises.png"))

        line = self.exercise_line(1)
        self.key(words["start"])
        time.sleep(0.3)  # at least one tick of the exercise clock
        self.type(line)
        self.key("Return")
        status = self.status_box_text(words["status_title"]).replace(NBSP, " ")
        self.assertRegex(status, "^" + words["status"] + "$")
        self.key("Escape")

        self.key(words["settings_key"])
        settings = self.wait_window(words["settings"])
        self.screenshot(os.path.join(os.getcwd(), f"e2e-language-{language}-settings.png"))
        self.close_window(settings)
        self.wait_no_window(words["settings"])
        self.close_main(main)
        # The settings file is the same in every language.
        self.assertEqual(self.setting("Exercises", "ExNum"), "1")

    def test_german(self):
        self.check_language("de")

    def test_french(self):
        self.check_language("fr")


if __name__ == "__main__":
    harness.main()
