# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds: the program's windows read over AT-SPI, on a session bus of the
test's own. The client is a Debian package, for Debian's own Python."""
import json
import os
import subprocess
import sys

import harness

READER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "atspi_read.py")


class AccessibleProgramTest(harness.ProgramTest):
    def setUp(self):
        super().setUp()
        # In the test's own home and runtime folder: the accessibility bus it starts puts its
        # socket there, clear of other tests' buses.
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
                             env=self.env, capture_output=True, text=True, check=True).stdout.split()
        self.bus_pid = int(out[1])
        # The client below reads these when it is first used.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        os.environ["DISPLAY"] = self.env["DISPLAY"]
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def tearDown(self):
        super().tearDown()
        os.kill(self.bus_pid, 15)

    def accessible_window(self, title, timeout=20):
        """The window as a client in this process sees it: for one test of a class only, as
        the client keeps the accessibility bus it first found."""
        import pyatspi

        def find():
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == self.process.pid:
                    for window in app:
                        if window is not None and window.name == title:
                            return window
            return None
        return harness.wait_for(find, timeout=timeout, what=f"'{title}' over AT-SPI")

    @staticmethod
    def accessible_nodes(root):
        """Every node below the root, depth first."""
        stack = list(root)
        while stack:
            node = stack.pop()
            if node is not None:
                yield node
                stack.extend(node)

    def read_window(self, title, must_name=()):
        """The named nodes of a window by name, each with its text and its extents on the screen,
        read by a client process of its own, so that every test may read windows."""
        def read():
            result = subprocess.run([sys.executable, READER, str(self.process.pid), title], env=self.env,
                                    capture_output=True, text=True, timeout=30)
            nodes = json.loads(result.stdout) if result.returncode == 0 else None
            return nodes if nodes is not None and all(name in nodes for name in must_name) else None
        return harness.wait_for(read, timeout=20, interval=0.5, what=f"'{title}' over AT-SPI")
