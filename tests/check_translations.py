# SPDX-License-Identifier: GPL-3.0-or-later
"""Every text of the program is translated: lupdate, run on the sources into copies of the
.ts files, finds no unfinished and no vanished entry, and each translation keeps the
placeholders of its source."""
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def problems(ts):
    found = []
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            kind = translation.get("type")
            if kind:
                found.append(f"{name}: {kind}: {source!r}")
            elif sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation.text or "")):
                found.append(f"{name}: placeholders differ: {source!r} -> {translation.text!r}")
    return found


def main():
    lupdate, sources, folder = sys.argv[1:4]
    originals = sorted(glob.glob(os.path.join(folder, "*.ts")))
    if not originals:
        sys.exit(f"no .ts files in {folder}")
    with tempfile.TemporaryDirectory() as work:
        copies = [shutil.copy(ts, work) for ts in originals]
        subprocess.run([lupdate, "-silent", "-locations", "none", sources, "-ts", *copies], check=True)
        failures = [f"{os.path.basename(ts)}: {p}" for ts in copies for p in problems(ts)]
    if failures:
        print("\n".join(failures))
        print(f"{len(failures)} entries need work: run the clavora_lupdate target and translate them")
        sys.exit(1)
    print(f"{len(originals)} translations complete")


main()
