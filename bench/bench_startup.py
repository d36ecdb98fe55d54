#!/usr/bin/env python3
"""Start-up of the editor against a bare Qt main window with a menu bar and a list, whole
processes on one virtual display, side by side: each is started, shows its window, and quits
after the first paint. Prints the medians of RUNS alternating runs and their ratio.

    python3 bench/bench_startup.py [build] [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
editor = os.path.join(build, "app", "voxtrel-editor")
bare = os.path.join(build, "bench", "bare_window")

display = ":%d" % (90 + os.getpid() % 50)
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1.0)
try:
    with tempfile.TemporaryDirectory() as tmp:
        env = dict(os.environ, DISPLAY=display, VOXTREL_QUIT_WHEN_SHOWN="1",
                   XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                   XDG_CACHE_HOME=os.path.join(tmp, "cache"))
        env.pop("QT_QPA_PLATFORM", None)

        def timed(program):
            start = time.perf_counter()
            subprocess.run([program], env=env, check=True, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL)
            return (time.perf_counter() - start) * 1000

        for program in (editor, bare):  # warm the file cache
            timed(program)
        editor_ms, bare_ms = [], []
        for _ in range(runs):
            editor_ms.append(timed(editor))
            bare_ms.append(timed(bare))
finally:
    xvfb.terminate()
    xvfb.wait()

e, b = statistics.median(editor_ms), statistics.median(bare_ms)
print(f"editor shown: median {e:.1f} ms; bare window: {b:.1f} ms; ratio {e / b:.2f} (limit 1.3)")
