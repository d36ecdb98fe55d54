#!/usr/bin/env python3
"""Every failure point of a save, one at a time. `voxtrel-names import` renames one name and
saves, under strace, which fails one file-system call at its N-th occurrence in each process
(the compression tool's included), for every call and every N up to the count of a clean run:
EIO everywhere, and ENOSPC for write as well. After every run the chosen file must be byte for
byte as it was, or, only when the exit code was 0, the correctly saved file; an unchanged file
must come with a non-zero exit code; and nothing may be left beside the file.

    fault_sweep.py APP_FOLDER [--every K]

--every K tries only every K-th occurrence (and always the first and last), for a shorter run.
"""
import argparse
import collections
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

CALLS = ["openat", "read", "write", "fsync", "fdatasync", "close", "rename", "renameat", "renameat2",
         "unlink", "unlinkat", "mkdir", "mkdirat", "linkat", "ftruncate", "flock"]

parser = argparse.ArgumentParser()
parser.add_argument("app")
parser.add_argument("--every", type=int, default=1)
parser.add_argument("--timeout", type=float, default=5.0)
args = parser.parse_args()
names = os.path.join(os.path.abspath(args.app), "voxtrel-names")
strace = shutil.which("strace")
if not strace:
    print("SKIP: strace is not installed")
    sys.exit(77)

with tempfile.TemporaryDirectory() as tmp:
    folder = os.path.join(tmp, "user")
    os.makedirs(folder)
    chosen = os.path.join(folder, "unnamed_1846.bin")
    pristine = os.path.join(tmp, "pristine.bin")
    shutil.copy(os.path.join(args.app, "samples", "unnamed_1846.bin"), pristine)
    os.chmod(pristine, 0o644)
    csv = os.path.join(tmp, "names.csv")
    with open(csv, "w", newline="") as f:
        f.write("index,name\r\n1,Renamed One\r\n")
    before = open(pristine, "rb").read()
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0", XDG_CACHE_HOME=os.path.join(tmp, "cache"),
               XDG_STATE_HOME=os.path.join(tmp, "state"))

    def fresh():
        shutil.copy(pristine, chosen)

    # The correctly saved file, and how often each process makes each call.
    fresh()
    log = os.path.join(tmp, "trace.txt")
    subprocess.run([strace, "-f", "-qq", "-o", log, "-e", "trace=" + ",".join(CALLS), names, "import", chosen, csv],
                   env=env, check=True, stdout=subprocess.DEVNULL)
    expected = open(chosen, "rb").read()
    if expected == before:
        sys.exit("the clean run changed nothing")
    # The new name is durable: after the rename onto the chosen file (relative to its
    # folder's descriptor), that folder is opened and synced.
    lines = open(log).read().splitlines()
    renamed = next((i for i, line in enumerate(lines)
                    if re.search(r"renameat\((\d+), \"\.unnamed_1846\.bin\.voxtrel-\d{6}\", \1, "
                                 r"\"unnamed_1846\.bin\"\) += 0$", line)), None)
    if renamed is None:
        sys.exit("the clean run renamed nothing onto the chosen file")
    dirfd = re.search(r"renameat\((\d+),", lines[renamed]).group(1)
    folder_fds = [m.group(1) for line in lines[renamed:]
                  for m in [re.search(r"openat\(" + dirfd + r", \"\.\", [^)]*O_DIRECTORY[^)]*\) = (\d+)", line)] if m]
    if not any(re.search(rf"fsync\({fd}\)\s+= 0", line) for fd in folder_fds for line in lines[renamed:]):
        sys.exit("the clean run did not sync the folder after renaming the new file into place")
    counts = collections.defaultdict(collections.Counter)
    for line in open(log):
        m = re.match(r"(\d+)\s+(\w+)\(", line)
        if m and m.group(2) in CALLS:
            counts[m.group(2)][m.group(1)] += 1
    most = {call: max(counts[call].values(), default=0) for call in CALLS}

    runs = failures = 0
    outcomes = collections.Counter()
    start = time.monotonic()
    for call in CALLS:
        for error in ["EIO", "ENOSPC"] if call == "write" else ["EIO"]:
            occurrences = list(range(1, most[call] + 1))
            if args.every > 1:
                occurrences = sorted(set(occurrences[::args.every] + occurrences[-1:]))
            for n in occurrences:
                fresh()
                p = subprocess.Popen([strace, "-f", "-qq", "-o", "/dev/null", "-e", f"trace={call}",
                                      "-e", f"inject={call}:error={error}:when={n}", names, "import", chosen, csv],
                                     env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                     start_new_session=True)
                try:
                    _, err = p.communicate(timeout=args.timeout)
                    code = p.returncode
                except subprocess.TimeoutExpired:
                    # An injected close() is skipped, not failed: the descriptor stays open, which
                    # a real close() never does, and a wait for that pipe to close never ends.
                    os.killpg(p.pid, signal.SIGKILL)
                    _, err = p.communicate()
                    code = None
                    outcomes["hung, killed"] += 1
                runs += 1
                now = open(chosen, "rb").read() if os.path.exists(chosen) else None
                left = sorted(set(os.listdir(folder)) - {"unnamed_1846.bin"})
                problem = None
                if now == before:
                    outcomes["unchanged, failed"] += code is not None
                    if code == 0:
                        problem = "unchanged, yet exit code 0"
                elif now == expected:
                    outcomes["saved"] += code is not None
                    if code is not None and code != 0:
                        problem = f"saved, yet exit code {code}"
                else:
                    problem = "the file is damaged" if now is not None else "the file is gone"
                if left:
                    problem = (problem + "; " if problem else "") + f"left beside the file: {left}"
                if problem:
                    failures += 1
                    print(f"FAIL {call}={error} at {n}: {problem}; exit {code}: "
                          f"{err.decode(errors='replace').strip()[-300:]}")
    seconds = time.monotonic() - start
    print(f"calls per process in a clean run: {most}")
    print(f"{runs} injected runs in {seconds:.0f} s: {dict(outcomes)}; {failures} failed")
    sys.exit(1 if failures else 0)
