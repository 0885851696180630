# SPDX-License-Identifier: GPL-3.0-or-later
"""The program in German and French: the windows' captions, the status box and the help."""
import os
import subprocess

import harness
from harness import wait_for

NO_KEYBOARD = "[KeyLayout]\nShowLayout=0\n"
NBSP = "\u00a0"
LANGUAGES = {
    "de": dict(locale="de_DE.UTF-8", main="Orvella Clavora - Übungen", start="alt+s", settings_key="alt+o",
               settings="Orvella Clavora - Optionen", status_title="Übungsergebnis", save_key="alt+l",
               save_title="Log speichern unter . . .", help="Orvella Clavora - Hilfe",
               help_text="Zehnfingerschreiben lernen", usage="Aufruf: clavora",
               status=r"Vorgabeübung Nr\. 1 \(1 von 2\): (\d+)/\1 \(100 %\) richtig, \d+,\d Sekunden, \d+ WpM, \d+ WpM richtig\."),
    "fr": dict(locale="fr_FR.UTF-8", main="Orvella Clavora - Exercices", start="alt+d", settings_key="alt+o",
               settings="Orvella Clavora - Options", status_title="Résultat de l'exercice", save_key="alt+e",
               save_title="Enregistrer le journal sous . . .", help="Orvella Clavora - Aide",
               help_text="Apprendre la dactylographie", usage="Utilisation\u00a0: clavora",
               status=r"Exercice prédéfini n° 1 \(1 sur 2\) : (\d+)/\1 \(100 %\) justes, \d+,\d secondes, \d+ MPM, \d+ MPM justes\."),
}


class Languages(harness.ProgramTest):
    def speak(self, language):
        self.env.pop("LC_ALL", None)
        self.env["LANG"] = LANGUAGES[language]["locale"]

    def saved_log(self, words):
        """The log's lines, saved through the Save As dialog, which speaks the language too."""
        self.key(words["save_key"])
        dialog = self.wait_window(words["save_title"])
        self.activate(dialog)
        self.screenshot(self.shot("save"))
        path = os.path.join(self.root, "log.txt")
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: os.path.exists(path), what="the saved log")
        with open(path, encoding="utf-8", newline="") as f:
            return f.read().split("\r\n")

    def shot(self, what):
        """Where a screenshot for the person checking the windows goes."""
        return os.path.join(os.getcwd(), f"e2e-language-{self.language}-{what}.png")

    def check_language(self, language):
        words = LANGUAGES[language]
        self.language = language
        self.speak(language)
        self.write_settings(NO_KEYBOARD)
        # Without xdg-open the program shows the help in a window of its own.
        no_opener = os.path.join(self.root, "empty")
        os.makedirs(no_opener)
        usual = self.env["PATH"]
        self.env["PATH"] = no_opener
        self.start()
        self.env["PATH"] = usual  # for the clipboard tool
        main = self.wait_window(words["main"])
        self.activate(main)
        self.screenshot(self.shot("exercises"))

        line = self.exercise_line(1)
        self.key(words["start"])
        self.wait_clock_running(main)
        self.type(line)
        self.key("Return")
        self.confirm_box(words["status_title"])
        self.key("Escape")
        status = self.saved_log(words)[0].replace(NBSP, " ")
        self.assertRegex(status, "^" + words["status"] + "$")

        self.key(words["settings_key"])
        settings = self.wait_window(words["settings"])
        self.screenshot(self.shot("settings"))
        self.close_window(settings)
        self.wait_no_window(words["settings"])

        self.activate(main)
        self.key("F1")
        help_window = self.wait_window(words["help"])
        self.activate(help_window)
        self.key("ctrl+a", "ctrl+c")
        wait_for(lambda: words["help_text"] in self.clipboard(), what="the help in the language")
        self.close_window(help_window)
        self.wait_no_window(words["help"])
        self.close_main(main)
        # The settings file is the same in every language.
        self.assertEqual(self.setting("Exercises", "ExNum"), "1")

    def test_help_on_the_command_line(self):
        for language, words in LANGUAGES.items():
            with self.subTest(language=language):
                self.speak(language)
                env = dict(self.env)
                env.pop("DISPLAY")
                result = subprocess.run([os.path.join(self.folder, "clavora"), "--help"], env=env,
                                        capture_output=True, text=True, timeout=10)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertTrue(result.stdout.startswith(words["usage"]), result.stdout)

    def test_german(self):
        self.check_language("de")

    def test_french(self):
        self.check_language("fr")


if __name__ == "__main__":
    harness.main()
