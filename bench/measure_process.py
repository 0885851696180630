#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The program's own figures as a user meets them, on a private Xvfb: exec to first paint,
CPU and memory after start beside a minimal Qt Widgets program's, idle CPU with the keyboard window
open, CPU per typed key, CPU of a game at level 200.

    bench/measure_process.py <clavora binary> <data folder> [--runs 5] [--idle 60] [--typing 30] [--game 60]
                             [--mappings]

With --keys, only the CPU per typed key: the minimal program's (typed into its line edit), and the
program's with the keyboard window open, without and with the Coach ("--coach"), each over the
minimal program's.

With --progress, the progress window's figures instead: the memory it adds on an empty store,
the CPU from Ctrl+P until it has painted on history_bench's ten-year store (30 days) and that of
then choosing "Everything", and the memory over 60 opens and closes between attempts and
games. The ten-year store is made by the binary's own history_bench, ending today, and kept
in the file --store names.

Prints the median of the runs for each figure. A benchmark, not a test: CI does not run it.
It needs the first_paint probe (bench/first_paint.cpp) and the minimal program
(bench/minimal_window.cpp), built with the benchmarks.
"""
import argparse
import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "e2e"))
from harness import Display, wait_for  # noqa: E402

MAIN = "Orvella Clavora - Exercises"
MINIMAL = "Minimal Qt Widgets program"
KEYBOARD = "Orvella Clavora - Keyboard Layout"
# The keyboard's caption names the next key while the Coach is on.
CAPTION_TAIL = {KEYBOARD: r"( - .*)?"}
GAME = "Orvella Clavora - Game"
KEYS_PER_SECOND = 19
# Ten letters and ten Backspaces: the typing line never fills, so every key is handled alike.
TYPED = list("asdfjkl;gh") + ["BackSpace"] * 10
# Level 200 sends 17.5 letters a second; with "a" the only letter, a faster stream of "a"s keeps
# the game going for the whole measurement.
GAME_SETTINGS = ("[RndEx]\nLowerCase=0\nUpperCase=0\nNumbers=0\nNumberPunc=0\nPunc=0\nShiftPunc=0\n"
                 "Space=0\nCustom=1\nCustomKeys=a\n[Game]\nStartLevel=200\n")
GAME_KEYS_PER_SECOND = 25
PROGRESS = "Orvella Clavora - Progress"
STATUS = "Exercise Status"
# Long enough for a window that has just been mapped to have painted, short enough that idle
# wake-ups add next to nothing to the CPU figures.
SETTLE = 1.0


def threads(pid):
    """CPU nanoseconds and voluntary context switches (a sleep, then a wake-up) of each thread."""
    figures = {}
    for task in glob.glob(f"/proc/{pid}/task/*"):
        try:
            with open(f"{task}/schedstat") as f:
                cpu = int(f.read().split()[0])
            with open(f"{task}/status") as f:
                wakeups = next(int(line.split()[1]) for line in f if line.startswith("voluntary_ctxt_switches:"))
            figures[os.path.basename(task)] = (cpu, wakeups)
        except (FileNotFoundError, ProcessLookupError):
            pass  # a thread that ended meanwhile
    return figures


def used_since(before, pid):
    """CPU nanoseconds and wake-ups of the threads since `before` (a threads() of the same process).
    A thread that ended meanwhile takes its share with it: Qt ends idle pool threads after 30 s."""
    cpu = wakeups = 0
    for task, (task_cpu, task_wakeups) in threads(pid).items():
        cpu_before, wakeups_before = before.get(task, (0, 0))
        cpu, wakeups = cpu + task_cpu - cpu_before, wakeups + task_wakeups - wakeups_before
    return cpu, wakeups


def memory(pid):
    """Resident and private dirty memory in MB."""
    values = {}
    with open(f"/proc/{pid}/smaps_rollup") as f:
        for line in f:
            parts = line.split()
            if parts[0] in ("Rss:", "Private_Dirty:"):
                values[parts[0][:-1]] = int(parts[1]) / 1024
    return values["Rss"], values["Private_Dirty"]


def mappings(pid):
    """Resident and private dirty kB of each mapped file (anonymous memory by its kind)."""
    totals, name = {}, None
    with open(f"/proc/{pid}/smaps") as f:
        for line in f:
            parts = line.split()
            if not parts[0].endswith(":"):
                name = parts[5] if len(parts) > 5 else "[anonymous]"
                totals.setdefault(name, [0, 0])
            elif parts[0] in ("Rss:", "Private_Dirty:"):
                totals[name][parts[0] == "Private_Dirty:"] += int(parts[1])
    return totals


def x_shared_image(pid):
    """Resident MB of the images the program shares with the X server (MIT-SHM): the pixels
    of its windows, which Qt draws there and the server reads without a copy."""
    return sum(rss for name, (rss, _) in mappings(pid).items()
               if name.startswith(("/memfd:xorg", "/SYSV"))) / 1024


def print_mappings(minimal, program, what):
    """The mappings whose memory differs from the minimal program's by 16 kB or more."""
    print(f"\nkB above the minimal program, {what}: resident, private dirty, mapping")
    # A copy of the program sits in a folder of its own each run.
    rename = lambda totals: {("<program>/" + os.path.basename(n) if "clavora-bench-" in n else n): v
                             for n, v in totals.items()}
    minimal, program = rename(minimal), rename(program)
    rows = []
    for name in set(minimal) | set(program):
        before, after = minimal.get(name, [0, 0]), program.get(name, [0, 0])
        difference = (after[0] - before[0], after[1] - before[1])
        if max(abs(difference[0]), abs(difference[1])) >= 16:
            rows.append((difference, name))
    for (rss, dirty), name in sorted(rows, reverse=True):
        print(f"{rss:8} {dirty:8}  {name}")


class Run:
    """One start of the program in a fresh folder and home, with or without the keyboard."""

    def __init__(self, display, args, keyboard, extra=(), settings="", minimal=False, store=None):
        self.display, self.args = display, args
        self.root = tempfile.mkdtemp(prefix="clavora-bench-")
        folder = os.path.join(self.root, "program")
        shutil.copytree(args.data, folder)
        program = os.path.join(folder, "clavora")
        shutil.copy2(args.minimal if minimal else args.binary, program)
        if store:
            shutil.copy2(store, os.path.join(folder, "History.sqlite"))
        with open(os.path.join(folder, "Clavora.ini"), "w") as f:
            f.write(f"[KeyLayout]\nShowLayout={1 if keyboard else 0}\n{settings}")
        # Pages of a file just written count as the program's private dirty memory until they
        # reach the disk: an installed program's never do.
        os.sync()
        home = os.path.join(self.root, "home")
        os.makedirs(home)
        env = dict(display.env, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=self.root,
                   LANG="C.UTF-8", LC_ALL="C.UTF-8")
        out = subprocess.run([args.probe, program, *extra], env=env, capture_output=True, text=True,
                             timeout=30, cwd=self.root).stdout.split()
        self.pid, self.mapped, self.painted = int(out[0]), float(out[1]), float(out[2])
        self.main = MINIMAL if minimal else GAME if "/g" in extra else MAIN
        titles = [self.main] + ([KEYBOARD] if keyboard else [])
        for title in titles:
            wait_for(lambda: self.window(title), what=f"window '{title}'")
        time.sleep(1.0)  # let the start settle
        self.startup_cpu = sum(cpu for cpu, _ in threads(self.pid).values()) / 1e6

    def window(self, title):
        out = self.display.run(["xdotool", "search", "--onlyvisible", "--name",
                                f"^{title}{CAPTION_TAIL.get(title, '')}$"])
        return out.split()[0] if out.split() else None

    def idle(self, seconds):
        """Percent of a core and wake-ups a second while nothing happens."""
        before = threads(self.pid)
        time.sleep(seconds)
        cpu, wakeups = used_since(before, self.pid)
        return cpu / 1e9 / seconds * 100, wakeups / seconds

    def press(self, keys, per_second):
        """Types keys at a steady pace; on a busy machine it may take longer than planned."""
        subprocess.run(["xdotool", "key", "--delay", str(1000 // per_second), *keys], env=self.display.env,
                       capture_output=True, check=True, timeout=len(keys) / per_second * 3 + 30)

    def typing(self, seconds):
        """Milliseconds of CPU per key while xdotool types at a steady pace into an exercise, or
        into the minimal program's line edit."""
        self.display.run(["xdotool", "windowactivate", "--sync", self.window(self.main)])
        if self.main == MAIN:
            self.display.run(["xdotool", "key", "alt+s"])
        time.sleep(0.5)
        count = seconds * KEYS_PER_SECOND
        keys = (TYPED * (count // len(TYPED) + 1))[:count]
        before = threads(self.pid)
        self.press(keys, KEYS_PER_SECOND)
        time.sleep(0.2)
        cpu, _ = used_since(before, self.pid)
        return cpu / 1e6 / count

    def game(self, seconds):
        """Percent of a core while a game runs and xdotool defuses its letters."""
        self.display.run(["xdotool", "windowactivate", "--sync", self.window(GAME)])
        self.display.run(["xdotool", "key", "alt+s"])
        time.sleep(0.5)
        count = int(seconds * GAME_KEYS_PER_SECOND)
        before = threads(self.pid)
        started = time.monotonic()
        self.press(["a"] * count, GAME_KEYS_PER_SECOND)
        elapsed = time.monotonic() - started
        cpu, _ = used_since(before, self.pid)
        return cpu / 1e9 / elapsed * 100

    def activate(self, title):
        self.display.run(["xdotool", "windowactivate", "--sync", wait_for(lambda: self.window(title), what=title)])

    def settled_cpu(self, action, done):
        """Milliseconds of CPU from `action` until `done` holds and the program has settled."""
        before = threads(self.pid)
        action()
        wait_for(done, timeout=30, what="the program to answer")
        time.sleep(SETTLE)
        cpu, _ = used_since(before, self.pid)
        return cpu / 1e6

    def open_progress(self, window=MAIN):
        """Milliseconds of CPU from Ctrl+P until the progress window has painted."""
        self.activate(window)
        return self.settled_cpu(lambda: self.display.run(["xdotool", "key", "ctrl+p"]),
                                lambda: self.window(PROGRESS))

    def choose_everything(self):
        """Milliseconds of CPU from choosing "Everything" (the last period) until it has painted."""
        self.activate(PROGRESS)
        self.display.run(["xdotool", "key", "alt+s"])  # "Show:", the period box's label
        return self.settled_cpu(lambda: self.display.run(["xdotool", "key", "End"]), lambda: True)

    def close_progress(self):
        self.activate(PROGRESS)
        self.display.run(["xdotool", "key", "alt+c"])
        wait_for(lambda: not self.window(PROGRESS), what="the progress window to close")

    def attempt(self):
        """Starts the exercises, finishes one attempt and closes its status box."""
        self.activate(MAIN)
        self.display.run(["xdotool", "key", "alt+s"])
        time.sleep(0.3)
        self.display.run(["xdotool", "type", "fj fj"])
        self.display.run(["xdotool", "key", "Return"])
        self.activate(STATUS)
        self.display.run(["xdotool", "key", "Return"])
        wait_for(lambda: not self.window(STATUS), what="the status box to close")

    def short_game(self):
        """A game started and ended at once, then back to the exercises."""
        self.activate(MAIN)
        self.display.run(["xdotool", "key", "alt+g"])
        self.activate(GAME)
        self.display.run(["xdotool", "key", "alt+s"])
        time.sleep(1.0)
        self.display.run(["xdotool", "key", "alt+e", "alt+x"])
        wait_for(lambda: self.window(MAIN), what="the exercise window")

    def end(self):
        try:
            os.kill(self.pid, 9)
        except ProcessLookupError:
            pass
        shutil.rmtree(self.root, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("binary")
    parser.add_argument("data")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--idle", type=float, default=60, help="seconds of idle measurement")
    parser.add_argument("--typing", type=int, default=30, help="seconds of typing")
    parser.add_argument("--game", type=int, default=60, help="seconds of a game at level 200")
    parser.add_argument("--mappings", action="store_true",
                        help="also list, per mapping, the memory above the minimal program's (last run)")
    parser.add_argument("--probe", help="the first_paint probe (default: bench/first_paint in the binary's build)")
    parser.add_argument("--minimal", help="the minimal Qt Widgets program (default: bench/minimal_window "
                        "in the binary's build)")
    parser.add_argument("--progress", action="store_true", help="measure the progress window instead")
    parser.add_argument("--keys", action="store_true", help="measure only the CPU per typed key")
    parser.add_argument("--store", default=os.path.join(tempfile.gettempdir(), "clavora-ten-years.sqlite"),
                        help="the ten-year store, made when missing")
    parser.add_argument("--opens", type=int, default=60, help="opens and closes of the progress window")
    args = parser.parse_args()
    bench = os.path.join(os.path.dirname(args.binary), "bench")
    args.probe = os.path.abspath(args.probe or os.path.join(bench, "first_paint"))
    args.minimal = os.path.abspath(args.minimal or os.path.join(bench, "minimal_window"))
    for option, path in (("--probe", args.probe), ("--minimal", args.minimal)):
        if not os.access(path, os.X_OK):
            parser.error(f"no {os.path.basename(path)} at {path}: build it, or name it with {option}")

    figures = {}
    last = {}  # the last run's mappings, by what ran

    def note(name, value):
        figures.setdefault(name, []).append(value)

    if args.progress:
        return measure_progress(args, bench, note, figures)
    if args.keys:
        return measure_keys(args, note, figures)
    display = Display()
    try:
        for run_number in range(args.runs):
            minimal = Run(display, args, False, minimal=True)
            try:
                rss, dirty = memory(minimal.pid)
                last["minimal"] = mappings(minimal.pid)
                note("minimal Qt Widgets program: start-up CPU (ms)", minimal.startup_cpu)
                note("minimal Qt Widgets program: resident memory (MB)", rss)
                note("minimal Qt Widgets program: private dirty memory (MB)", dirty)
            finally:
                minimal.end()
            for keyboard in (False, True):
                what = "with keyboard" if keyboard else "without keyboard"
                run = Run(display, args, keyboard)
                try:
                    note(f"exec to first window mapped, {what} (ms)", run.mapped)
                    note(f"exec to first paint, {what} (ms)", run.painted)
                    note(f"start-up CPU, {what} (ms)", run.startup_cpu)
                    rss, dirty = memory(run.pid)
                    last[what] = mappings(run.pid)
                    note(f"resident memory, {what} (MB)", rss)
                    note(f"private dirty memory, {what} (MB)", dirty)
                    if keyboard:
                        cpu, wakeups = run.idle(args.idle)
                        note("idle CPU, keyboard open (% of a core)", cpu)
                        note("idle wake-ups, keyboard open (per s)", wakeups)
                    note(f"CPU per key while typing, {what} (ms)", run.typing(args.typing))
                finally:
                    run.end()
            game = Run(display, args, False, extra=("/g",))
            try:
                cpu, wakeups = game.idle(min(args.idle, 10))
                note("idle CPU, game window before a game (% of a core)", cpu)
                note("idle wake-ups, game window before a game (per s)", wakeups)
            finally:
                game.end()
            game = Run(display, args, False, extra=("/g",), settings=GAME_SETTINGS)
            try:
                note("game at level 200, keys typed (% of a core)", game.game(args.game))
            finally:
                game.end()
            print(f"run {run_number + 1} of {args.runs} done", file=sys.stderr)
    finally:
        display.close()

    medians = {name: statistics.median(values) for name, values in figures.items()}
    # The keyboard is built after the window in use has painted: budget 1.15.
    with_keyboard, without = (medians[f"exec to first paint, {what} (ms)"] for what in ("with keyboard",
                                                                                     "without keyboard"))
    medians["exec to first paint, with keyboard / without"] = with_keyboard / without
    # Budgets: CPU 1.15 times the minimal program's with the keyboard shown; private dirty
    # memory within 0.6 MB of it.
    for what in ("without keyboard", "with keyboard"):
        medians[f"start-up CPU, {what} / minimal"] = (medians[f"start-up CPU, {what} (ms)"]
                                                      / medians["minimal Qt Widgets program: start-up CPU (ms)"])
        medians[f"private dirty memory, {what} - minimal (MB)"] = (
            medians[f"private dirty memory, {what} (MB)"] - medians["minimal Qt Widgets program: private dirty memory (MB)"])
    width = max(len(name) for name in medians)
    print(f"medians of {args.runs} runs of {args.binary}")
    for name, value in medians.items():
        print(f"{name:<{width}}  {value:8.3f}")
    if args.mappings:
        for what in ("without keyboard", "with keyboard"):
            print_mappings(last["minimal"], last[what], what)


def print_figures(args, figures):
    width = max(len(name) for name in figures)
    print(f"medians of {args.runs} runs of {args.binary}")
    for name, values in figures.items():
        print(f"{name:<{width}}  {statistics.median(values):8.3f}")


def measure_keys(args, note, figures):
    display = Display()
    runs = (("minimal Qt Widgets program", False, (), True),
            ("keyboard open", True, (), False),
            ("keyboard open, the Coach on", True, ("--coach",), False))
    try:
        for run_number in range(args.runs):
            for what, keyboard, extra, minimal in runs:
                run = Run(display, args, keyboard, extra=extra, minimal=minimal)
                try:
                    note(f"CPU per key while typing, {what} (ms)", run.typing(args.typing))
                finally:
                    run.end()
            print(f"run {run_number + 1} of {args.runs} done", file=sys.stderr)
    finally:
        display.close()
    floor = statistics.median(figures["CPU per key while typing, minimal Qt Widgets program (ms)"])
    for what, *_ in runs[1:]:
        # Budget: 1.3 times the minimal program's.
        figures[f"CPU per key while typing, {what} / minimal"] = [
            statistics.median(figures[f"CPU per key while typing, {what} (ms)"]) / floor]
    print_figures(args, figures)


def ten_year_store(args, bench):
    """history_bench's ten-year store, ending today so that "30 days" reaches its last month."""
    if not os.path.exists(args.store):
        history_bench = os.path.join(bench, "history_bench")
        env = dict(os.environ, HISTORY_BENCH_STORE=args.store,
                   HISTORY_BENCH_TODAY=time.strftime("%Y-%m-%d"))
        print(f"making {args.store} with {history_bench}", file=sys.stderr)
        subprocess.run([history_bench, "--benchmark_filter=dailyFiguresQuery", "--benchmark_min_time=0.01"],
                       env=env, check=True, stdout=subprocess.DEVNULL)
    return args.store


def measure_progress(args, bench, note, figures):
    store = ten_year_store(args, bench)
    display = Display()
    try:
        for run_number in range(args.runs):
            run = Run(display, args, False)
            try:
                before, image_before = memory(run.pid), x_shared_image(run.pid)
                note("progress window, empty store: CPU from Ctrl+P to painted (ms)", run.open_progress())
                after = memory(run.pid)
                note("progress window, empty store: resident memory added (MB)", after[0] - before[0])
                # What the window itself costs: its private memory, and its pixels shared with
                # the X server; the rest are pages of shared libraries and fonts read in.
                note("progress window, empty store: private dirty memory added (MB)", after[1] - before[1])
                note("progress window, empty store: its image shared with the X server (MB)",
                     x_shared_image(run.pid) - image_before)
            finally:
                run.end()
            run = Run(display, args, False, store=store)
            try:
                opened = run.open_progress()
                everything = run.choose_everything()
                note("progress window, ten years: CPU from Ctrl+P to painted, 30 days (ms)", opened)
                note("progress window, ten years: CPU of choosing Everything (ms)", everything)
                note("progress window, ten years: the two together (ms)", opened + everything)
            finally:
                run.end()
            print(f"run {run_number + 1} of {args.runs} done", file=sys.stderr)
        run = Run(display, args, False)
        try:
            started = time.monotonic()
            for number in range(1, args.opens + 1):
                run.attempt()
                if number % 6 == 0:
                    run.short_game()
                run.open_progress()
                run.close_progress()
                if number in (1, args.opens // 2, args.opens):
                    note(f"resident memory after {number} opens and closes (MB)", memory(run.pid)[0])
            note(f"minutes for {args.opens} opens and closes between attempts and games",
                 (time.monotonic() - started) / 60)
        finally:
            run.end()
    finally:
        display.close()
    print_figures(args, figures)


if __name__ == "__main__":
    main()
