#!/usr/bin/env python3
"""End to end: the real editor as a screen reader meets it, over AT-SPI on a virtual display.

It opens a copy of the sample, types a search and Find next in the search box, and checks
that no list item took the screen reader's focus while the keyboard stayed in the box; then
that a renamed, unsaved name is described as such, that the pictures are named, and that the
list's items do take the focus once the list has it. Keys go in through xdotool.
Exits 77 (skipped) where AT-SPI or its Python binding is not installed.
"""
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

from display import start_xvfb, xdo

SKIP = 77
TITLE = "Voxtrel String Editor 2011"
SYSTEM_PYTHON = "/usr/bin/python3"  # the binding is the distribution's
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

if importlib.util.find_spec("pyatspi") is None:
    if sys.executable != SYSTEM_PYTHON and os.path.exists(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON, *sys.argv])
    print("skipped: python3-pyatspi is not installed")
    sys.exit(SKIP)
from gi.repository import Gio, GLib  # noqa: E402

pyatspi = None  # imported once the accessibility bus is up: it looks for the bus when imported


def accessibility_bus_up():
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                              "NameHasOwner", GLib.Variant("(s)", ("org.a11y.Bus",)), None,
                              Gio.DBusCallFlags.NONE, -1, None)
    return reply.unpack()[0]


def import_pyatspi():
    global pyatspi
    import pyatspi as binding
    pyatspi = binding


def pump_until(what, check, timeout=30.0):
    """Runs the AT-SPI event loop until check() holds."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        result = check()
        if result:
            return result
        time.sleep(0.02)
    raise SystemExit(f"timed out waiting for {what}")


def editor_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").startswith("Voxtrel String Editor"):
            return app
    return None


def find(node, role, name=None):
    """The first accessible of role (and name) under node, depth first."""
    if node.getRoleName() == role and (name is None or node.name == name):
        return node
    if node.getRoleName() == "list":
        return None  # its 1209 items are read by index, not walked
    for child in node:
        found = find(child, role, name)
        if found is not None:
            return found
    return None


def main():
    app_src = sys.argv[1]
    if not os.path.exists(BUS_LAUNCHER) or not shutil.which("dbus-run-session"):
        print("skipped: at-spi2-core or dbus is not installed")
        sys.exit(SKIP)
    if "DBUS_SESSION_BUS_ADDRESS" not in os.environ or "VOXTREL_OWN_BUS" not in os.environ:
        # A session bus of its own, so that no desktop's screen reader is disturbed.
        env = dict(os.environ, VOXTREL_OWN_BUS="1")
        sys.exit(subprocess.run(["dbus-run-session", "--", sys.executable, *sys.argv], env=env).returncode)

    with tempfile.TemporaryDirectory() as tmp:
        # A copy of the application folder, with a working folder of its own.
        app_dir = os.path.join(tmp, "app")
        shutil.copytree(app_src, app_dir, symlinks=True)
        shutil.rmtree(os.path.join(app_dir, "zlib", "temp"))
        os.makedirs(os.path.join(app_dir, "zlib", "temp"))
        chosen = os.path.join(tmp, "unnamed_1846.bin")
        shutil.copy(os.path.join(app_dir, "samples", "unnamed_1846.bin"), chosen)
        os.chmod(chosen, 0o644)
        xvfb, display = start_xvfb()
        env = dict(os.environ, DISPLAY=f":{display}", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=os.path.join(tmp, "config"), ASAN_OPTIONS="detect_leaks=0")
        env.pop("QT_QPA_PLATFORM", None)
        bus = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        pump_until("the accessibility bus", accessibility_bus_up)
        import_pyatspi()
        editor = None
        focused = []  # (role, name) of each object that took the focus, in order

        def on_focus(event):
            if event.detail1 == 1:
                focused.append((event.source.getRoleName(), event.source.name))

        try:
            editor = subprocess.Popen([os.path.join(app_dir, "voxtrel-editor"), chosen], cwd=tmp, env=env)
            app = pump_until("the editor on the accessibility bus", editor_app)
            pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
            names = pump_until("the list of names", lambda: find(app, "list", "Names"))
            pump_until("the names", lambda: names.childCount == 1209)
            window = pump_until("the main window", lambda: xdo(env, "search", "--name", TITLE).split())[0]
            xdo(env, "windowfocus", "--sync", window)

            xdo(env, "key", "ctrl+f")
            pump_until("the search box's focus", lambda: ("text", "Search") in focused)
            del focused[:]
            xdo(env, "type", "--delay", "20", "mund")  # no name starts with it
            xdo(env, "key", "F3")  # the first that holds it
            xdo(env, "key", "Tab")  # to the name field: every event of the search came before
            pump_until("the name field's focus", lambda: ("text", "Name") in focused)
            before = focused[:focused.index(("text", "Name"))]
            if any(role == "list item" for role, _ in before):
                raise SystemExit(f"list items took the focus while typing in the search box: {before}")

            xdo(env, "key", "End")
            xdo(env, "type", "Z")
            # What another process reads over the bus, once the typed letter has reached the
            # editor (a loaded machine may take a while).
            deadline = time.monotonic() + 30
            while True:
                result = subprocess.run([sys.executable, __file__, "--describe"], env=env,
                                        capture_output=True, text=True, timeout=60)
                if "Renamed, not saved" in result.stdout or time.monotonic() > deadline:
                    break
                time.sleep(0.2)
            if ("Renamed, not saved" not in result.stdout or "image: " not in result.stdout
                    or "unnamed image" in result.stdout):
                raise SystemExit(f"the renamed name or a picture reads wrong:\n{result.stdout}{result.stderr}")

            del focused[:]
            xdo(env, "key", "shift+Tab", "shift+Tab")  # to the list
            pump_until("the list's focus", lambda: ("list", "Names") in focused)
            xdo(env, "key", "Down")
            pump_until("the next name's focus", lambda: any(role == "list item" for role, _ in focused))
            print("1 passed, 0 failed")
        finally:
            if editor and editor.poll() is None:
                editor.kill()
                editor.wait(10)
            bus.terminate()
            bus.wait(10)
            xvfb.terminate()
            xvfb.wait(10)


def describe():
    """Prints, from a fresh connection, what a screen reader reads of the selected name and
    the pictures."""
    import_pyatspi()
    app = editor_app()
    names = find(app, "list", "Names")
    for i in range(names.childCount):
        item = names.getChildAtIndex(i)
        if item.description:
            print(f"item {i}: {item.name!r}: {item.description}")
    pictures = []
    pending = [app]
    while pending:
        node = pending.pop()
        if node.getRoleName() == "image":
            pictures.append(node.name)
        if node.getRoleName() != "list":
            pending.extend(node)
    if not pictures:
        print("no pictures")
    for name in pictures:
        print(f"image: {name!r}" if name else "unnamed image")


if __name__ == "__main__":
    describe() if sys.argv[1:] == ["--describe"] else main()
