#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Puts the licence's SPDX line at the top of every source file that lacks it.
Safe to run again, after merges: files that have the line are left alone."""
import pathlib
import subprocess

LICENCE = "SPDX-License-Identifier: GPL-3.0-or-later"
COMMENT = {".cpp": "//", ".h": "//", ".py": "#", ".sh": "#", ".txt": "#"}

root = pathlib.Path(__file__).resolve().parent.parent
files = subprocess.run(["git", "ls-files"], cwd=root, capture_output=True, text=True, check=True).stdout.split()
for name in files:
    path = root / name
    suffix = path.suffix
    if suffix == ".txt" and path.name != "CMakeLists.txt":
        continue  # exercise files, package lists: data, not source
    if suffix not in COMMENT or not path.is_file():
        continue
    text = path.read_text(encoding="utf-8")
    if LICENCE in "".join(text.splitlines(keepends=True)[:3]):
        continue
    line = f"{COMMENT[suffix]} {LICENCE}\n"
    if text.startswith("#!"):
        first, _, rest = text.partition("\n")
        text = first + "\n" + line + rest
    else:
        text = line + text
    path.write_text(text, encoding="utf-8")
    print(name)
