#!/usr/bin/env python3
"""End to end: the real editor, in a copy of the application folder, on a virtual display.

It opens the sample through the real open-file dialog, finds a name with the search box,
renames it, saves with Ctrl+S, and checks the saved file with Python's own zlib. Then it
renames again and undoes that with Ctrl+Z, renames once more and quits: it answers the
question about unsaved changes with Cancel, then with Discard, and checks the file kept the
saved name.
Keys go in through xdotool, as a person's would.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import zlib

from display import start_xvfb, xdo

HEADER, RECORD, NAME = 9872, 88, 58
TITLE = "Voxtrel String Editor 2011"


def wait_for(what, check, timeout=30.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = check()
        if result:
            return result
        time.sleep(0.05)
    raise SystemExit(f"timed out waiting for {what}")


def windows(env, name):
    return [w for w in xdo(env, "search", "--onlyvisible", "--name", name).split() if w]


def tool_running(tool):
    """Whether the decompression is still going; the list fills the moment it ends."""
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            if os.readlink(f"/proc/{pid}/exe") == tool:
                return True
        except OSError:
            pass
    return False


def name_at(data, i):
    return data[HEADER + RECORD * i: HEADER + RECORD * i + NAME].split(b"\0")[0]


def main():
    app_src = sys.argv[1]
    with tempfile.TemporaryDirectory() as tmp:
        app = os.path.join(tmp, "app")
        shutil.copytree(app_src, app, symlinks=True)
        # An empty working folder: not another editor's lock or files that the copy took along.
        shutil.rmtree(os.path.join(app, "zlib", "temp"))
        os.makedirs(os.path.join(app, "zlib", "temp"))
        user = os.path.join(tmp, "my files")
        os.makedirs(user)
        chosen = os.path.join(user, "unnamed_1846.bin")
        shutil.copy(os.path.join(app, "samples", "unnamed_1846.bin"), chosen)
        os.chmod(chosen, 0o644)  # the sample is read-only; the user's copy is not
        original = zlib.decompress(open(chosen, "rb").read())

        # A record whose first six letters lead the search to it and no earlier line.
        names = [name_at(original, i) for i in range(1209)]
        target = next(i for i in range(40, 1209)
                      if len(names[i]) >= 6 and all(not n.lower().startswith(names[i][:6].lower()) for n in names[:i]))
        prefix = names[target][:6].decode("latin-1")
        new_name = "Zed Renamed"

        xvfb, display = start_xvfb()
        env = dict(os.environ, DISPLAY=f":{display}")
        env.pop("QT_QPA_PLATFORM", None)
        env["ASAN_OPTIONS"] = "detect_leaks=0"
        env["XDG_CONFIG_HOME"] = os.path.join(tmp, "config")  # what the editor remembers
        editor = None
        try:
            editor = subprocess.Popen([os.path.join(app, "voxtrel-editor")], cwd=tmp, env=env)
            main_window = wait_for("the main window", lambda: windows(env, TITLE))[0]
            xdo(env, "windowfocus", "--sync", main_window)

            xdo(env, "key", "--clearmodifiers", "ctrl+o")
            dialog = wait_for("the open dialog", lambda: windows(env, "Otw"))[0]
            xdo(env, "windowfocus", "--sync", dialog)
            xdo(env, "type", "--delay", "5", chosen)
            xdo(env, "key", "Return")
            unpacked = os.path.join(app, "zlib", "temp", "names.bin.unzlib")
            tool = os.path.join(app, "zlib", "zlibtool")
            wait_for("the file to open",
                     lambda: os.path.exists(unpacked) and not tool_running(tool) and not windows(env, "Otw"))
            xdo(env, "windowfocus", "--sync", main_window)

            xdo(env, "key", "Tab")  # from the list to the search box, all of it selected
            xdo(env, "type", "--delay", "20", prefix)
            xdo(env, "key", "Tab")  # to the name field
            xdo(env, "key", "ctrl+a")
            xdo(env, "type", "--delay", "20", new_name)
            before = open(chosen, "rb").read()
            xdo(env, "key", "ctrl+s")
            wait_for("the save", lambda: open(chosen, "rb").read() != before)
            wait_for("the confirmation", lambda: len(windows(env, TITLE)) >= 2)
            xdo(env, "key", "Return")

            saved = zlib.decompress(open(chosen, "rb").read())
            expected = bytearray(original)
            expected[HEADER + RECORD * target: HEADER + RECORD * target + NAME] = \
                new_name.encode("latin-1").ljust(NAME, b"\0")
            if saved != bytes(expected):
                diff = [i for i in range(len(saved)) if i >= len(expected) or saved[i] != expected[i]]
                raise SystemExit(f"saved file differs at {len(diff)} bytes, first at {diff[:5]}; "
                                 f"record {target} reads {name_at(saved, target)!r}")
            wait_for("the confirmation to close", lambda: len(windows(env, TITLE)) == 1)
            xdo(env, "windowfocus", "--sync", main_window)

            # Renamed and undone: nothing is left unsaved, so this saves nothing new.
            xdo(env, "key", "ctrl+a")
            xdo(env, "type", "--delay", "20", "Undo Me")
            wait_for("the modified mark", lambda: "*" in xdo(env, "getwindowname", main_window))
            xdo(env, "key", "ctrl+z")
            wait_for("the undo back to the saved name",
                     lambda: xdo(env, "getwindowname", main_window) == f"unnamed_1846.bin - {TITLE}")
            xdo(env, "key", "ctrl+a")
            xdo(env, "type", "--delay", "20", "Not Kept")
            xdo(env, "key", "ctrl+q")
            wait_for("the question about unsaved changes", lambda: len(windows(env, TITLE)) >= 2)
            xdo(env, "key", "Escape")  # Cancel: the editor stays
            wait_for("the question to close", lambda: len(windows(env, TITLE)) == 1)
            if editor.poll() is not None:
                raise SystemExit("the editor closed although the question was cancelled")
            xdo(env, "windowfocus", "--sync", main_window)
            xdo(env, "key", "ctrl+q")
            wait_for("the question again", lambda: len(windows(env, TITLE)) >= 2)
            xdo(env, "key", "alt+d")  # Discard
            editor.wait(30)
            if zlib.decompress(open(chosen, "rb").read()) != bytes(expected):
                raise SystemExit("the discarded rename reached the file")
            print(f"renamed record {target} ({names[target].decode('latin-1')!r}) to {new_name!r}")
            print("1 passed, 0 failed")
        finally:
            if editor and editor.poll() is None:
                editor.terminate()
                editor.wait(10)
            xvfb.terminate()
            xvfb.wait(10)


if __name__ == "__main__":
    main()
