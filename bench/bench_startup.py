#!/usr/bin/env python3
"""Start-up of the editor, started with no file and a translation loaded, against a bare Qt
main window with a menu bar and an empty list (bench/bare_window), side by side on one
virtual display. Each is timed the same way: from just before the process is started to the
moment its window is first mapped, which both print (as the monotonic clock's nanoseconds)
under VOXTREL_QUIT_WHEN_SHOWN before they quit. Prints the medians of RUNS alternating runs
and their ratio.

    python3 bench/bench_startup.py [build] [RUNS] [LANGUAGE]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
language = sys.argv[3] if len(sys.argv) > 3 else "de"
editor = os.path.join(build, "app", "voxtrel-editor")
bare = os.path.join(build, "bench", "bare_window")
translation = os.path.join(build, "app", "translations", f"voxtrel_{language}.qm")
if not os.path.isfile(translation):
    sys.exit(f"no {translation}: build the translations first")

display = ":%d" % (90 + os.getpid() % 50)
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
time.sleep(1.0)
try:
    with tempfile.TemporaryDirectory() as tmp:
        env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
        env.update(DISPLAY=display, VOXTREL_QUIT_WHEN_SHOWN="1", LANGUAGE=language,
                   LANG=f"{language}_XX.UTF-8", LC_ALL=f"{language}_XX.UTF-8",
                   XDG_CONFIG_HOME=os.path.join(tmp, "config"),
                   XDG_CACHE_HOME=os.path.join(tmp, "cache"))
        env.pop("QT_QPA_PLATFORM", None)

        def timed(program):
            start = time.monotonic_ns()
            done = subprocess.run([program], env=env, check=True, capture_output=True, text=True)
            mapped = [line for line in done.stdout.splitlines() if line.startswith("mapped ")]
            if not mapped:
                sys.exit(f"{program} did not say when its window was mapped:\n{done.stderr}")
            return (int(mapped[0].split()[1]) - start) / 1e6

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
print(f"to the window mapped, medians of {runs}: editor ({language}) {e:.1f} ms; "
      f"bare window {b:.1f} ms; ratio {e / b:.2f} (limit 1.3)")
