#!/usr/bin/env python3
"""Killed at any moment: `voxtrel-names import` is killed with SIGKILL at MOMENTS evenly spread
moments across a save's run. After every kill the chosen file must be the old file or the
correct new one, byte for byte. Nothing else is left beside it, but for a kill in the instant
between the new file getting its temporary name and its rename: that name is the editor's own
(".<name>.voxtrel-XXXXXX") and the next save removes it. A private working folder that a killed
run leaves behind is removed by a later run once it is over a day old.

    kill_test.py APP_FOLDER [MOMENTS]
"""
import fnmatch
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

app = os.path.abspath(sys.argv[1])
moments = int(sys.argv[2]) if len(sys.argv) > 2 else 300
in_place = len(sys.argv) > 3 and sys.argv[3] == "in-place"
names = os.path.join(app, "voxtrel-names")

with tempfile.TemporaryDirectory() as tmp:
    folder = os.path.join(tmp, "user")
    work = os.path.join(tmp, "tmp")  # the runs' temporary folder, to see what they leave
    os.makedirs(folder)
    os.makedirs(work)
    chosen = os.path.join(folder, "unnamed_1846.bin")
    pristine = os.path.join(tmp, "pristine.bin")
    shutil.copy(os.path.join(app, "samples", "unnamed_1846.bin"), pristine)
    os.chmod(pristine, 0o644)
    csv = os.path.join(tmp, "names.csv")
    with open(csv, "w", newline="") as f:
        f.write("index,name\r\n")
        for i in range(1209):
            f.write(f"{i},Killed {i}\r\n")
    env = dict(os.environ, TMPDIR=work, ASAN_OPTIONS="detect_leaks=0",
               XDG_STATE_HOME=os.path.join(tmp, "state"))
    second = os.path.join(folder, "second-name.bin")
    before = open(pristine, "rb").read()

    def run():
        if os.path.exists(second):
            os.unlink(second)
        shutil.copy(pristine, chosen)
        if in_place:
            os.link(chosen, second)
        return subprocess.Popen([names, "import", chosen, csv], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)

    durations = []
    for _ in range(5):
        start = time.monotonic()
        if run().wait() != 0:
            sys.exit("a clean run failed")
        durations.append(time.monotonic() - start)
    expected = open(chosen, "rb").read()
    duration = statistics.median(durations)

    old, new, temporaries, failures = 0, 0, 0, []
    for k in range(moments):
        p = run()
        time.sleep(duration * k / moments)
        p.send_signal(signal.SIGKILL)
        p.wait()
        if in_place:  # the next run rolls a cut write back
            subprocess.run([names, "export", chosen, "-o", os.devnull], env=env,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if open(second, "rb").read() != open(chosen, "rb").read():
                failures.append(f"moment {k}: the two names differ")
        now = open(chosen, "rb").read() if os.path.exists(chosen) else None
        if now == before:
            old += 1
        elif now == expected:
            new += 1
        else:
            failures.append(f"moment {k}: the file is {'gone' if now is None else 'damaged'}")
        left = sorted(set(os.listdir(folder)) - {"unnamed_1846.bin", "second-name.bin"})
        ours = fnmatch.filter(left, ".unnamed_1846.bin.voxtrel-??????")
        temporaries += len(ours) > 0
        if set(left) - set(ours):
            failures.append(f"moment {k}: left beside the file: {left}")
    left_behind = [d for d in os.listdir(work) if d.startswith("voxtrel-work-")]

    # A folder of a run killed two days ago goes at the next run; today's stay.
    stale = os.path.join(work, "voxtrel-work-stale1")
    os.makedirs(stale)
    open(os.path.join(stale, "names.bin.unzlib"), "wb").close()
    two_days_ago = time.time() - 2 * 86400
    os.utime(stale, (two_days_ago, two_days_ago))
    run().wait()
    if sorted(os.listdir(folder)) != sorted(["unnamed_1846.bin"] + (["second-name.bin"] if in_place else [])):
        failures.append(f"the next save left {os.listdir(folder)} beside the file")
    if os.path.exists(stale):
        failures.append("a private folder two days old was not removed")
    if left_behind and not all(os.path.exists(os.path.join(work, d)) for d in left_behind):
        failures.append("a private folder of today was removed")

    records = os.listdir(os.path.join(tmp, "state", "voxtrel-editor")) if in_place else []
    if records:
        failures.append(f"records left after every cut write was rolled back: {records}")
    print(f"{'in place: ' if in_place else ''}{moments} kills over a {duration * 1000:.0f} ms run: {old} left the old file, {new} the new one; "
          f"{temporaries} saw a temporary name, removed by the next save; "
          f"{len(left_behind)} private folders left behind, removed once a day old")
    for f in failures:
        print("FAIL", f)
    sys.exit(1 if failures else 0)
