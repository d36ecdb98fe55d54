#!/usr/bin/env python3
"""The man pages as man shows them: no warnings from man, the sections a reader looks for,
wrapped to the terminal, and every option the programs' --help gives described.

    man_pages_test.py PACKAGING_BUILD_DIR APP_DIR

Exits 77 (skipped) when man is not installed.
"""
import os
import re
import shutil
import subprocess
import sys

pages, app = sys.argv[1], sys.argv[2]
if not shutil.which("man"):
    print("SKIP: man is not installed")
    sys.exit(77)

SECTIONS = ["NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "EXIT STATUS", "EXAMPLES"]
failures = []
env = dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8", ASAN_OPTIONS="detect_leaks=0")
env.pop("QT_QPA_PLATFORM", None)


def options_of(*args):
    """The long options a --help lists, --help-all left out (Qt's, not described)."""
    out = subprocess.run([os.path.join(app, args[0])] + list(args[1:]) + ["--help"], env=env,
                         capture_output=True, text=True).stdout
    return set(re.findall(r"^\s+(?:-\w, )?(--[\w-]+)", out, re.M)) - {"--help-all"}


for program, commands in (("voxtrel-names", ["export", "import", "diff", "apply"]),
                          ("voxtrel-editor", [None])):
    page = os.path.join(pages, program + ".1")
    r = subprocess.run(["man", "--warnings", "-l", page], env=env, capture_output=True, text=True)
    shown = r.stdout
    if r.returncode != 0 or r.stderr.strip():
        failures.append(f"{program}: man --warnings says: {r.stderr.strip()}")
    headings = re.findall(r"^([A-Z][A-Z ]+)$", shown, re.M)
    missing = [s for s in SECTIONS if s not in headings]
    if missing:
        failures.append(f"{program}: no section {', '.join(missing)} (has {headings})")
    for line in shown.splitlines():
        if len(line) > 80:
            failures.append(f"{program}: a line of {len(line)} columns: {line.strip()}")
    for command in commands:
        for option in sorted(options_of(program, *([command] if command else []))):
            if option not in shown:
                failures.append(f"{program} {command or ''}: {option} is not in the man page")
    print(f"{program}: {len(headings)} sections, {len(shown.splitlines())} lines")

if failures:
    sys.exit("FAILED:\n" + "\n".join(failures))
print("1 passed, 0 failed")
