# SPDX-License-Identifier: GPL-3.0-or-later
"""Saves that must never lose a file: a full disk, SIGKILL in the middle of a save, and a
folder that only lets its settings file be written. The tmpfs mounts and the other user
need root; without it these tests are skipped."""
import os
import random
import re
import shutil
import signal
import subprocess
import time

import harness
from harness import wait_for

OLD_SETTINGS = "; my notes\n[Exercises]\nExNum=5\n[KeyLayout]\nShowLayout=0\n[Mine]\nKeep=this\n"
OLD_LOG = b"an old log\r\nthat must survive\r\n"
NOBODY = 65534
# One evaluated attempt: "Preset Exercise #5 (1 of 2): 0/40 (0%) ..." and its try-again sentence.
LOG_LINE = re.compile(r"Preset Exercise #\d+ \(\d+ of \d+\): .*\S$")


def needs_root(test):
    if os.geteuid() != 0:
        test.skipTest("needs root (to mount a small tmpfs and to run as another user)")


class Saves(harness.ProgramTest):
    def tearDown(self):
        super().tearDown()
        for mount in getattr(self, "mounts", []):
            subprocess.run(["umount", "-l", mount], check=False)

    def mount_tmpfs(self, folder, size_kb):
        os.makedirs(folder, exist_ok=True)
        result = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={size_kb}k", "tmpfs", folder],
                                capture_output=True, text=True)
        if result.returncode != 0:
            self.skipTest(f"cannot mount a tmpfs here: {result.stderr.strip()}")
        self.mounts = getattr(self, "mounts", []) + [folder]

    @staticmethod
    def fill(folder):
        """Fills the file system that holds the folder to the brim."""
        fd = os.open(os.path.join(folder, "filler"), os.O_WRONLY | os.O_CREAT)
        for size in (65536, 1):  # then the last few bytes
            try:
                while os.write(fd, b"\0" * size):
                    pass
            except OSError:
                pass
        os.close(fd)

    def read(self, path):
        with open(path, "rb") as f:
            return f.read()

    def type_one_attempt(self):
        """Starts the exercise, types one character and ENTER: one line in the log."""
        self.key("alt+s")
        self.wait_clock_running(self.wait_window("Orvella Clavora - Exercises"))
        self.type("x")
        self.key("Return")
        self.confirm_box("Exercise Status")

    def start_save_log(self, path, answer=True):
        """Saves the log over an existing file; `answer` answers the overwrite question."""
        self.key("alt+v")
        dialog = self.wait_window("Save Log As . . .")
        self.activate(dialog)
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: len(self.find_windows("Save Log As . . .")) > 1, what="the overwrite question")
        if answer:
            self.key("alt+y")

    def test_a_full_disk_keeps_the_settings_the_log_and_the_startup_entry(self):
        needs_root(self)
        disk = os.path.join(self.root, "disk")
        binary_kb = os.path.getsize(harness.BINARY) // 1024
        self.mount_tmpfs(disk, binary_kb + 4096)
        self.folder = os.path.join(disk, "program")
        self.install(self.folder)
        self.write_settings(OLD_SETTINGS)
        log = os.path.join(disk, "old.log")
        with open(log, "wb") as f:
            f.write(OLD_LOG)
        config = os.path.join(disk, "config")
        entry = os.path.join(config, "autostart", "clavora-quick-exercises.desktop")
        os.makedirs(os.path.dirname(entry))
        with open(entry, "w") as f:
            f.write("[Desktop Entry]\nExec=old\n")  # present: the setting loads as on
        old_entry = self.read(entry)
        self.env["XDG_CONFIG_HOME"] = config
        self.fill(disk)

        window = self.open_main()
        self.type_one_attempt()
        self.start_save_log(log)
        self.confirm_box("Save Error")
        self.assertEqual(self.read(log), OLD_LOG)

        self.close_window(window)
        self.confirm_box("Save Error")  # the settings and the start-up entry
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.read(os.path.join(self.folder, "Clavora.ini")), OLD_SETTINGS.encode())
        self.assertEqual(self.read(entry), old_entry)

    def kill_during(self, keys, latest):
        """Presses the keys that start a save, and kills the program at a random moment up
        to `latest` seconds later."""
        presser = subprocess.Popen(["xdotool", "key", *keys], env=self.env)
        time.sleep(random.uniform(0.0, latest))
        self.process.send_signal(signal.SIGKILL)
        self.process.wait()
        presser.wait()

    @staticmethod
    def closer(latest, saved):
        """Moves the latest moment of the kills towards the save, so that they keep landing
        around it whatever the machine's speed."""
        return latest * (0.8 if saved else 1.25)

    def test_fifty_kills_during_the_close_never_leave_a_damaged_settings_file(self):
        needs_root(self)  # only to keep the long run to the machines that run everything
        settings = os.path.join(self.folder, "Clavora.ini")
        saved, latest = 0, 0.03
        for _ in range(50):
            self.write_settings(OLD_SETTINGS)
            self.open_main()
            self.kill_during(["alt+F4"], latest)
            text = self.read(settings).decode()
            latest = self.closer(latest, text != OLD_SETTINGS)
            if text == OLD_SETTINGS:
                continue
            saved += 1
            self.assertTrue(text.startswith("; my notes\n[Exercises]\nExNum=5\n"), text)
            self.assertIn("[Mine]\nKeep=this\n", text)
            self.assertEqual(len(self.settings()), 31, text)  # 30 keys and the unknown one
        print(f"{saved} of 50 closes saved before the kill", flush=True)

    def test_fifty_kills_during_save_log_never_leave_a_damaged_log(self):
        needs_root(self)
        self.write_settings(OLD_SETTINGS)
        log = os.path.join(self.root, "old.log")
        saved, latest = 0, 0.03
        for _ in range(50):
            with open(log, "wb") as f:
                f.write(OLD_LOG)
            self.open_main()
            self.type_one_attempt()
            self.start_save_log(log, answer=False)
            self.kill_during(["alt+y"], latest)
            content = self.read(log)
            latest = self.closer(latest, content != OLD_LOG)
            if content == OLD_LOG:
                continue
            saved += 1
            self.assertRegex(content.decode(), LOG_LINE)
        print(f"{saved} of 50 log saves done before the kill", flush=True)

    def run_as_nobody(self):
        """Starts the program as an unprivileged user, with a home of its own."""
        home = os.path.join(self.root, "nobody-home")
        os.makedirs(home, exist_ok=True)
        os.chown(home, NOBODY, NOBODY)
        self.env.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=home)
        for folder in (self.root, self.folder):
            os.chmod(folder, 0o755)
        self.process = subprocess.Popen(
            ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
             os.path.join(self.folder, "clavora")],
            env=self.env, cwd=home, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = self.wait_window("Orvella Clavora - Exercises")
        self.activate(window)
        return window

    def test_a_writable_file_in_a_folder_that_is_not_is_saved_in_place(self):
        needs_root(self)
        self.write_settings(OLD_SETTINGS)
        settings = os.path.join(self.folder, "Clavora.ini")
        os.chmod(settings, 0o666)  # the administrator made only the file writable
        before = sorted(os.listdir(self.folder))
        self.close_main(self.run_as_nobody())
        text = self.read(settings).decode()
        self.assertTrue(text.startswith("; my notes\n[Exercises]\nExNum=5\n"), text)
        self.assertEqual(len(self.settings()), 31, text)
        self.assertEqual(sorted(os.listdir(self.folder)), before)

    def test_a_settings_file_nobody_may_write_shows_save_error_and_stays(self):
        needs_root(self)
        # Neither the folder nor its settings file may be written, so the program keeps its
        # settings in the user's config folder, which the administrator has locked as well.
        self.write_settings(OLD_SETTINGS)
        home = os.path.join(self.root, "nobody-home")
        config = os.path.join(home, ".config", "clavora")
        os.makedirs(config)
        with open(os.path.join(config, "Clavora.ini"), "w") as f:
            f.write(OLD_SETTINGS)
        window = self.run_as_nobody()
        self.close_window(window)
        self.confirm_box("Save Error")
        self.assertEqual(self.wait_exit(), 0)
        self.assertEqual(self.read(os.path.join(config, "Clavora.ini")).decode(), OLD_SETTINGS)
        self.assertEqual(self.settings_text(), OLD_SETTINGS)

if __name__ == "__main__":
    harness.main()
