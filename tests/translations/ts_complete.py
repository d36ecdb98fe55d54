#!/usr/bin/env python3
"""A shipped translation is complete: lrelease finds no unfinished message and ignores no
untranslated one.

    python3 ts_complete.py LRELEASE FILE.ts
"""
import re
import subprocess
import sys
import tempfile

lrelease, ts = sys.argv[1], sys.argv[2]
with tempfile.TemporaryDirectory() as tmp:
    run = subprocess.run([lrelease, ts, "-qm", tmp + "/out.qm"], capture_output=True, text=True)
report = run.stdout + run.stderr
print(report, end="")
if run.returncode != 0:
    sys.exit(f"lrelease failed with {run.returncode}")
generated = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)",
                      report)
if not generated:
    sys.exit("lrelease said nothing of what it generated")
faults = []
if int(generated.group(3)):
    faults.append(f"{generated.group(3)} unfinished")
ignored = re.search(r"Ignored (\d+) untranslated source text", report)
if ignored and int(ignored.group(1)):
    faults.append(f"{ignored.group(1)} untranslated")
if faults:
    sys.exit(f"{ts}: " + ", ".join(faults))
print(f"{ts}: complete, {generated.group(1)} messages")
