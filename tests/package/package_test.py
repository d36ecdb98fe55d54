#!/usr/bin/env python3
"""The Debian package: built with cpack, checked with Debian's own validators, then unpacked
into a read-only folder and run from there. Working files must go to the user's cache folder,
and nothing may appear in the package's folders. The package is never installed.

    package_test.py BUILD_DIR SOURCE_DIR

Exits 77 (skipped) when a validator is missing, after running the checks it can.
"""
import glob
import os
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

build, source = sys.argv[1], sys.argv[2]
missing = []
failures = []


def tool(name):
    path = shutil.which(name)
    if not path:
        missing.append(name)
        print(f"SKIP: {name} is not installed; its check is left out")
    return path


def tree(root):
    """Every path under root with its size, to see that nothing changed."""
    found = {}
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.join(folder, name)
            found[os.path.relpath(path, root)] = os.lstat(path).st_size
    return found


subprocess.run(["cpack", "-G", "DEB"], cwd=build, check=True, stdout=subprocess.DEVNULL)
debs = glob.glob(os.path.join(build, "voxtrel-editor_*_amd64.deb"))
if len(debs) != 1:
    sys.exit(f"expected one voxtrel-editor_<version>_amd64.deb, found {debs}")
deb = debs[0]
print(f"package {os.path.basename(deb)}: {os.path.getsize(deb)} bytes")

if tool("desktop-file-validate"):
    r = subprocess.run(["desktop-file-validate", os.path.join(source, "packaging", "voxtrel-editor.desktop")],
                       capture_output=True, text=True)
    print("desktop-file-validate:", (r.stdout + r.stderr).strip() or "clean")
    if r.returncode != 0:
        failures.append("desktop-file-validate")
if tool("appstreamcli"):
    r = subprocess.run(["appstreamcli", "validate", "--no-net",
                        os.path.join(build, "packaging", "io.voxtrel.editor.metainfo.xml")],
                       capture_output=True, text=True)
    print("appstreamcli:", (r.stdout + r.stderr).strip())
    if r.returncode != 0:
        failures.append("appstreamcli validate")
if tool("lintian"):
    r = subprocess.run(["lintian", "--no-tag-display-limit", deb], capture_output=True, text=True)
    tags = [line for line in r.stdout.splitlines() if line[:2] in ("E:", "W:", "I:")]
    print("lintian:", "\n".join(tags) or "clean")
    if any(line.startswith("E:") for line in tags):
        failures.append("lintian errors")
    # The man pages are checked as strictly as the package: any tag on them is a fault.
    if any("manpage" in line for line in tags):
        failures.append("lintian tags on the man pages")

with tempfile.TemporaryDirectory() as tmp:
    root = os.path.join(tmp, "root")
    subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
    for folder, dirs, files in os.walk(root):
        for name in dirs + files + ["."]:
            path = os.path.join(folder, name)
            if not os.path.islink(path):
                os.chmod(path, os.stat(path).st_mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
    if shutil.which("man"):
        for page in sorted(glob.glob(os.path.join(root, "usr/share/man/man1/*.1.gz"))):
            r = subprocess.run(["man", "--warnings", "-l", page], capture_output=True, text=True,
                               env=dict(os.environ, MANWIDTH="80"))
            print(f"man --warnings {os.path.basename(page)}:", r.stderr.strip() or "clean")
            if r.returncode != 0 or r.stderr.strip():
                failures.append(f"man --warnings {os.path.basename(page)}")
    else:
        tool("man")
    before = tree(root)
    cache = os.path.join(tmp, "cache")
    env = dict(os.environ, HOME=os.path.join(tmp, "home"), XDG_CACHE_HOME=cache, QT_QPA_PLATFORM="offscreen")
    env["ASAN_OPTIONS"] = "detect_leaks=0"
    sample = os.path.join(root, "usr/share/voxtrel-editor/samples/unnamed_1846.bin")

    csv = os.path.join(tmp, "names.csv")
    r = subprocess.run([os.path.join(root, "usr/bin/voxtrel-names"), "export", sample, "-o", csv],
                       env=env, capture_output=True, text=True)
    if r.returncode != 0 or open(csv, "rb").read().count(b"\r\n") != 1210:
        failures.append(f"voxtrel-names export from the package: {r.returncode} {r.stderr}")
    if not os.path.isdir(os.path.join(cache, "voxtrel-editor")):
        failures.append("voxtrel-names did not work in the user's cache folder")

    # The modules loaded on first use, and the translations, ship beside the programs.
    app = os.path.join(root, "usr/lib/voxtrel-editor")
    shipped = ["libvoxtrel-lists.so", "libvoxtrel-sound.so"] + [
        f"translations/voxtrel_{language}.qm" for language in ("de", "pl", "ru", "el")]
    absent = [name for name in shipped if not os.path.isfile(os.path.join(app, name))]
    if absent:
        failures.append(f"not in the package: {absent}")
    book = os.path.join(tmp, "names.xlsx")
    r = subprocess.run([os.path.join(root, "usr/bin/voxtrel-names"), "export", sample, "-o", book],
                       env=dict(env, LANGUAGE="de", LC_ALL="de_DE.UTF-8"), capture_output=True,
                       text=True)
    if r.returncode != 0 or not open(book, "rb").read(4) == b"PK\x03\x04":
        failures.append(f"a workbook export from the package, in German: {r.returncode} {r.stderr}")

    chosen = os.path.join(tmp, "unnamed_1846.bin")
    shutil.copy(sample, chosen)
    os.chmod(chosen, 0o644)
    editor = subprocess.Popen([os.path.join(root, "usr/bin/voxtrel-editor"), chosen], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    working = os.path.join(cache, "voxtrel-editor", "work", "names.bin.unzlib")
    deadline = time.monotonic() + 30
    while not os.path.exists(working) and time.monotonic() < deadline and editor.poll() is None:
        time.sleep(0.05)
    editor.send_signal(signal.SIGTERM)
    editor.wait(10)
    if not os.path.exists(working):
        failures.append("the editor's working files did not appear under the user's cache folder")
    after = tree(root)
    if after != before:
        changed = sorted(set(after.items()) ^ set(before.items()))
        failures.append(f"the package's folders changed: {changed[:5]}")
    for folder, dirs, files in os.walk(root):
        for name in dirs + files + ["."]:
            path = os.path.join(folder, name)
            if not os.path.islink(path):
                os.chmod(path, os.stat(path).st_mode | stat.S_IWUSR)

if failures:
    sys.exit("FAILED: " + "; ".join(failures))
if missing:
    print("skipped in part: missing " + ", ".join(missing))
    sys.exit(77)
print("1 passed, 0 failed")
