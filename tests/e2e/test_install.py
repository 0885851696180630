# SPDX-License-Identifier: GPL-3.0-or-later
"""The installed program, run by an ordinary user from a read-only prefix."""
import os
import re
import subprocess
import unittest

import harness

NOBODY = 65534
SETTINGS = "Orvella Clavora - Settings"
MAIN = "Orvella Clavora - Exercises"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
PROGRESS = "Orvella Clavora - Progress"
OWN_EXERCISES = "Zz My Own Drills"
PACKAGING = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging")
# The Qt plug-ins the package's check finds a dependency for.
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "qt-plugins.txt")) as f:
    PACKAGED_PLUGINS = {line.strip() for line in f if line.strip() and not line.startswith("#")}


def make_read_only(folder):
    for path, folders, files in os.walk(folder):
        for name in folders + files:
            item = os.path.join(path, name)
            if not os.path.islink(item):
                os.chmod(item, os.stat(item).st_mode & ~0o222)
    os.chmod(folder, 0o555)


@unittest.skipUnless(os.geteuid() == 0, "installs as root and runs the program as another user")
class Installed(harness.ProgramTest):
    def setUp(self):
        super().setUp()
        os.chmod(self.root, 0o755)
        self.prefix = os.path.join(self.root, "prefix")
        build = os.path.dirname(harness.BINARY)
        subprocess.run(["cmake", "--install", build, "--prefix", self.prefix], check=True,
                       stdout=subprocess.DEVNULL)
        make_read_only(self.prefix)
        runtime = os.path.join(self.root, "runtime")
        os.makedirs(runtime, mode=0o700)
        own = os.path.join(self.home, ".local", "share", "clavora", "Exercises")
        os.makedirs(own)
        with open(os.path.join(own, OWN_EXERCISES + ".txt"), "w") as f:
            f.write("my own first line\n")
        for folder in (self.home, runtime):
            subprocess.run(["chown", "-R", f"{NOBODY}:{NOBODY}", folder], check=True)
        self.env.pop("XDG_CONFIG_HOME")
        self.env["XDG_RUNTIME_DIR"] = runtime

    def start(self, *args, program=None):
        program = os.path.join(self.prefix, "bin", "clavora")
        self.process = subprocess.Popen(
            ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups", program, *args],
            env=self.env, cwd=self.home, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.process

    def user_settings(self):
        path = os.path.join(self.home, ".config", "clavora", "Clavora.ini")
        with open(path, encoding="utf-8") as f:
            return f.read()

    def test_settings_go_to_the_users_config_and_data_come_from_the_prefix(self):
        main = self.open_main()
        self.click(main, 204, 27)  # the exercise number box, saved as ExNum
        self.key("ctrl+a")
        self.type("7")
        self.close_main(main)
        self.assertIn("ExNum=7", self.user_settings())
        self.assertFalse(os.path.exists(os.path.join(self.prefix, "bin", "Clavora.ini")))
        # The history is among the user's data, not beside the settings.
        self.assertTrue(os.path.exists(os.path.join(self.home, ".local", "share", "clavora", "History.sqlite")))

        # Restarted, it loads the saved setting; the user's exercise file is offered beside
        # the installed ones and can be chosen.
        main = self.open_main()
        self.key("alt+e")
        dialog = self.wait_window(SETTINGS)
        self.activate(dialog)
        self.key("alt+f")
        self.type("Zz")  # a list box selects the entry that starts with what is typed
        self.key("Return")
        self.wait_no_window(SETTINGS)
        self.activate(main)
        self.close_main(main)
        text = self.user_settings()
        self.assertIn("ExNum=7", text)
        self.assertIn(f"PresetFile={OWN_EXERCISES}", text)

        # The installed exercises: a preset exercise starts without "Exercise Not Found".
        with open(os.path.join(self.home, ".config", "clavora", "Clavora.ini"), "w") as f:
            f.write("[Exercises]\nExType=0\nExNum=3\nPresetFile=QWERTY - United States\n"
                    "[KeyLayout]\nShowLayout=1\n")
        main = self.open_main()
        self.wait_window(KEYBOARD)
        self.activate(main)
        self.key("alt+s")
        with open(os.path.join(self.prefix, "share", "clavora", "Exercises", "QWERTY - United States.txt"),
                  encoding="utf-8") as f:
            line = f.read().splitlines()[2][:40].rstrip(" ")
        self.type(line)
        self.key("Return")
        self.confirm_box("Exercise Status")
        self.assertFalse(self.find_windows("Exercise Not Found"))
        # A layout that could not be read would show a notice box under the keyboard's title.
        self.assertEqual(len(self.find_windows(KEYBOARD)), 1)
        # The progress window opens in the installed program too.
        self.activate(main)
        self.key("ctrl+p")
        progress = self.wait_window(PROGRESS)
        # Every Qt plug-in loaded by now, the history's SQLite driver among them, is one the
        # package depends on. (Qt asks every image plug-in there is when it reads an installed
        # theme's icon; the icons are PNG, which Qt reads itself.)
        with open(f"/proc/{self.process.pid}/maps") as f:
            maps = f.read()
        loaded = {line.split()[-1].split("/plugins/")[1] for line in maps.splitlines()
                  if "/qt6/plugins/" in line and "/imageformats/" not in line}
        self.assertIn("sqldrivers/libqsqlite.so", loaded)
        # Without a class, nothing of PostgreSQL.
        self.assertNotIn("libpq", maps)
        self.assertLessEqual(loaded, PACKAGED_PLUGINS)
        # Docks find the menu entry by the window's class, and show the window's own icon.
        with open(os.path.join(PACKAGING, "org.orvella.Clavora.desktop")) as f:
            window_class = re.search(r"^StartupWMClass=(.*)$", f.read(), re.M).group(1)
        self.assertIn(f'"{window_class}"', self.display.run(["xprop", "-id", str(main), "WM_CLASS"]))
        self.assertIn("Icon (48 x 48)", self.display.run(["xprop", "-id", str(main), "_NET_WM_ICON"]))
        self.close_window(progress)
        self.close_main(main)


if __name__ == "__main__":
    harness.main()
