# SPDX-License-Identifier: GPL-3.0-or-later
"""Saves that must never lose a file: a full disk, SIGKILL at each step of a save, and a
folder that only lets its settings file be written. The tmpfs mounts and the other user
need root; without it these tests are skipped."""
import os
import re
import shutil
import subprocess

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

    def start_save_log(self, path):
        """Saves the log over an existing file, answering the overwrite question."""
        self.key("alt+v")
        dialog = self.wait_window("Save Log As . . .")
        self.activate(dialog)
        self.key("ctrl+a")
        self.type(path)
        self.key("Return")
        wait_for(lambda: len(self.find_windows("Save Log As . . .")) > 1, what="the overwrite question")
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

    def open_main_killed_at(self, syscall, when):
        """Starts the program under strace, which kills it on entering the when-th call of
        `syscall`, before the call is made."""
        self.process = subprocess.Popen(
            ["strace", "-f", "-qq", "-o", "/dev/null", "-e", f"trace={syscall}",
             "-e", f"inject={syscall}:signal=KILL:when={when}", os.path.join(self.folder, "clavora")],
            env=self.env, cwd=self.root, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = self.wait_window("Orvella Clavora - Exercises")
        self.activate(window)
        return window

    # A save writes a new file and syncs it, links it into the folder, renames it over the old
    # one and syncs the folder: a kill before each of those steps, and after the last. Nothing
    # else of the program calls fsync, linkat or rename first (the history syncs with fdatasync).
    KILLS = (("fsync", 1, False), ("linkat", 1, False), ("rename", 1, False), ("fsync", 2, True))

    def test_a_kill_at_each_step_of_the_save_at_the_close_leaves_the_old_settings_or_the_new(self):
        settings = os.path.join(self.folder, "Clavora.ini")
        for syscall, when, saved in self.KILLS:
            with self.subTest(syscall=syscall, when=when):
                self.write_settings(OLD_SETTINGS)
                self.close_window(self.open_main_killed_at(syscall, when))
                self.process.wait(timeout=30)
                text = self.read(settings).decode()
                if not saved:
                    self.assertEqual(text, OLD_SETTINGS)
                    continue
                self.assertTrue(text.startswith("; my notes\n[Exercises]\nExNum=5\n"), text)
                self.assertIn("[Mine]\nKeep=this\n", text)
                self.assertEqual(len(self.settings()), 31, text)  # 30 keys and the unknown one

    def test_a_kill_at_each_step_of_save_log_leaves_the_old_log_or_the_new(self):
        needs_root(self)
        self.write_settings(OLD_SETTINGS)
        log = os.path.join(self.root, "old.log")
        for syscall, when, saved in self.KILLS:
            with self.subTest(syscall=syscall, when=when):
                with open(log, "wb") as f:
                    f.write(OLD_LOG)
                self.open_main_killed_at(syscall, when)
                self.type_one_attempt()
                self.start_save_log(log)
                self.process.wait(timeout=30)
                content = self.read(log)
                if saved:
                    self.assertRegex(content.decode(), LOG_LINE)
                else:
                    self.assertEqual(content, OLD_LOG)

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
