# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds: the program's windows read over AT-SPI, on a session bus of the
test's own. The client is a Debian package, for Debian's own Python, and runs in a process of
its own with the test's environment, so that no test leaves its bus or display to the next."""
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
        self.env["DBUS_SESSION_BUS_ADDRESS"] = out[0]
        self.env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"

    def tearDown(self):
        super().tearDown()
        os.kill(self.bus_pid, 15)

    def accessible_nodes(self, title, must_name=(), timeout=20):
        """Every node below a window, depth first, as atspi_read.py gives them, once the window
        is there with nodes of these names."""
        def read():
            result = subprocess.run([sys.executable, READER, str(self.process.pid), title], env=self.env,
                                    capture_output=True, text=True, timeout=30)
            nodes = json.loads(result.stdout) if result.returncode == 0 else None
            return nodes if nodes is not None and set(must_name) <= {node["name"] for node in nodes} else None
        return harness.wait_for(read, timeout=timeout, interval=0.2, what=f"'{title}' over AT-SPI")

    def read_window(self, title, must_name=(), timeout=20):
        """The named nodes of a window by name (the first of each name), each with its text and
        its extents on the screen."""
        nodes = {}
        for node in self.accessible_nodes(title, must_name, timeout):
            if node["name"] and node["name"] not in nodes:
                nodes[node["name"]] = node
        return nodes
