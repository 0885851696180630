# SPDX-License-Identifier: GPL-3.0-or-later
"""A class on a private PostgreSQL server: two portable copies of the program as two machines
of one learner, and a teacher's copy. Each machine's attempt reaches the server, the other
machine, and the teacher's Class page."""
import datetime
import glob
import os
import pwd
import shutil
import subprocess
import tempfile
import unittest

import atspi
import harness
from harness import wait_for

EXERCISES = "Orvella Clavora - Exercises"
PROGRESS = "Orvella Clavora - Progress"
MAIN = "Orvella Clavora - Exercises"
SCHEMA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "packaging", "class", "schema.sql")


def server_binaries():
    """The folder of postgres, initdb and psql: PATH's, else the newest of Debian's."""
    candidates = [os.path.dirname(os.path.realpath(p)) for p in [shutil.which("postgres")] if p]
    candidates += sorted(glob.glob("/usr/lib/postgresql/*/bin"), key=lambda p: int(p.split("/")[-2]), reverse=True)
    for folder in candidates:
        if all(os.access(os.path.join(folder, name), os.X_OK) for name in ("postgres", "initdb", "psql")):
            return folder
    return None


class ClassServer:
    """initdb and postgres in a folder of their own, reached by a Unix socket there; as nobody
    under root, which the server refuses."""

    def __init__(self):
        self.binaries = server_binaries()
        if not self.binaries:
            raise unittest.SkipTest("PostgreSQL's server is not installed: apt-get install postgresql")
        self.folder = tempfile.mkdtemp(prefix="clavora-class-server-")
        os.chmod(self.folder, 0o755)
        as_user = None
        if os.geteuid() == 0:
            nobody = pwd.getpwnam("nobody")
            os.chown(self.folder, nobody.pw_uid, nobody.pw_gid)
            as_user = nobody.pw_uid
        data = os.path.join(self.folder, "data")
        run = dict(user=as_user, stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT, cwd=self.folder)
        subprocess.run([self.tool("initdb"), "-D", data, "-U", "postgres", "-A", "trust", "-E", "UTF8",
                        "--no-locale", "--no-sync"], check=True, **run)
        self.server = subprocess.Popen([self.tool("postgres"), "-D", data, "-k", self.folder, "-c",
                                        "listen_addresses=", "-c", "fsync=off"], **run)
        wait_for(lambda: self.psql("postgres", "SELECT 1", check=False) is not None, timeout=60,
                 what="the class server")

    def tool(self, name):
        return os.path.join(self.binaries, name)

    def psql(self, database, sql, check=True):
        result = subprocess.run([self.tool("psql"), "-X", "-At", "-v", "ON_ERROR_STOP=1", "-h", self.folder, "-U",
                                 "postgres", "-d", database, "-c", sql], capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            if check:
                raise AssertionError(result.stderr)
            return None
        return result.stdout.strip()

    def connection(self, role):
        return f"host={self.folder} dbname=clavora user={role}"

    def close(self):
        self.server.terminate()
        self.server.wait(timeout=30)
        shutil.rmtree(self.folder, ignore_errors=True)


class Class(atspi.AccessibleProgramTest):
    def setUp(self):
        super().setUp()
        self.server = ClassServer()
        self.server.psql("postgres", "CREATE DATABASE clavora")
        subprocess.run([self.server.tool("psql"), "-X", "-q", "-h", self.server.folder, "-U", "postgres", "-d",
                        "clavora", "-f", SCHEMA], check=True, capture_output=True)
        self.server.psql("clavora", "CREATE ROLE anna LOGIN IN ROLE clavora_learner;"
                         " CREATE ROLE tina LOGIN IN ROLE clavora_teacher;"
                         " INSERT INTO clavora.learners VALUES ('anna', 'Anna Example');"
                         " INSERT INTO clavora.classes (name, teacher) VALUES ('5a', 'tina');"
                         " INSERT INTO clavora.class_members SELECT id, teacher, 'anna' FROM clavora.classes")
        self.machines = {}

    def tearDown(self):
        super().tearDown()
        self.server.close()

    def use(self, name, role):
        """A portable copy of its own with a home of its own, named to the server as `role`."""
        if name not in self.machines:
            folder = os.path.join(self.root, name)
            self.install(folder)
            home = os.path.join(self.root, name + "-home")
            os.makedirs(home)
            env = dict(self.env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))
            self.machines[name] = (folder, env)
            with open(os.path.join(folder, "Clavora.ini"), "w", newline="\n") as f:
                f.write(f"[KeyLayout]\nShowLayout=0\n[Class]\nServer={self.server.connection(role)}\n")
        self.folder, self.env = self.machines[name]

    def attempts_in_store(self):
        try:
            return int(self.sql("SELECT count(*) FROM attempts")[0][0])
        except (AssertionError, IndexError):
            return 0

    def on_server(self):
        return int(self.server.psql("clavora", "SELECT count(*) FROM clavora.attempts"))

    def type_one_attempt(self):
        main = self.open_main()
        self.key("alt+s")
        self.wait_clock_running(main)
        self.type(self.exercise_line(1))
        self.key("Return")
        self.confirm_box("Exercise Status")
        return main

    def test_two_machines_of_one_learner_and_the_teacher(self):
        self.use("first", "anna")
        first = self.type_one_attempt()
        wait_for(lambda: self.on_server() == 1, timeout=20, what="the first machine's attempt on the server")
        self.close_main(first)

        self.use("second", "anna")
        second = self.type_one_attempt()
        wait_for(lambda: self.on_server() == 2, timeout=20, what="the second machine's attempt on the server")
        wait_for(lambda: self.attempts_in_store() == 2, timeout=20, what="the first machine's attempt here")
        self.close_main(second)

        self.use("first", "anna")
        first = self.open_main()
        wait_for(lambda: self.attempts_in_store() == 2, timeout=20, what="the second machine's attempt there")
        self.close_main(first)
        self.assertEqual(self.on_server(), 2)

        self.use("teacher", "tina")
        self.open_main()
        self.key("ctrl+p")
        self.activate(self.wait_window(PROGRESS))
        # The page appears once the server has said that tina teaches.
        x, y, width, height = self.read_window(PROGRESS, must_name=("Class",))["Class"]["extents"]
        self.display.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)
        cells = [node for node in self.accessible_nodes(PROGRESS, must_name=("Anna Example",))
                 if node["role"] == "table cell" and node["showing"]]
        anna = next(node for node in cells if node["name"] == "Anna Example")
        row = [node["name"] for node in sorted(cells, key=lambda node: node["extents"][0])
               if node["extents"][1] == anna["extents"][1]]
        # Learner, classes, last practice, minutes, attempts: both machines' attempts.
        self.assertEqual([row[i] for i in (0, 1, 2, 4)], ["Anna Example", "5a", datetime.date.today().isoformat(), "2"])
        shot = os.path.join(os.getcwd(), "e2e-class-page.png")
        self.screenshot(shot)
        print(f"the teacher's Class page: {shot}", flush=True)

    def test_the_teachers_goals_reach_the_learners_window(self):
        self.server.psql("clavora", "INSERT INTO clavora.class_goals (class_id, teacher, speed_target, coach)"
                                    " SELECT id, teacher, 20, true FROM clavora.classes")
        self.use("first", "anna")
        main = self.open_main()
        # Read when the program connects after its first paint: the Coach on, its line shown.
        said = "Set by your teacher: the Coach on, a speed target of at least 20 WPM."
        self.read_window(MAIN, must_name=(said,))
        shot = os.path.join(os.getcwd(), "e2e-class-goals.png")
        self.screenshot(shot)
        print(f"the learner's window with the teacher's goals: {shot}", flush=True)
        self.close_main(main)
        self.assertIn("[ClassGoals]\nAccuracyMark=0\nSpeedTarget=20\nCoach=1\n", self.settings_text())


if __name__ == "__main__":
    harness.setup_from_argv()
    unittest.main()
