#!/usr/bin/env python3
"""The programs' help in every shipped language.

Under LC_ALL=C every help text is exactly what english_help.txt keeps (--update writes it
anew): voxtrel-editor --help, voxtrel-names --help and each command's --help. In each
language that translations/ in the application folder holds, the same help runs, lists the
same commands with the same exit codes, and, for the languages in TRANSLATED, reads differently
from the English.

    python3 help_languages.py APP_DIR english_help.txt [--update]
"""
import os
import re
import subprocess
import sys

app, kept = os.path.abspath(sys.argv[1]), sys.argv[2]
update = "--update" in sys.argv[3:]
names = os.path.join(app, "voxtrel-names")
editor = os.path.join(app, "voxtrel-editor")

# Languages whose command line speaks them; the others may still show English.
TRANSLATED = {"de", "pl", "ru", "el"}


def environment(language):
    env = {k: v for k, v in os.environ.items() if not k.startswith("LC_")}
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if language:
        env.update(LC_ALL=f"{language}_XX.UTF-8", LANGUAGE=language, LANG=f"{language}_XX.UTF-8")
    else:
        env.update(LC_ALL="C", LANGUAGE="", LANG="C")
    return env


def run(args, language, code=0):
    # Started by their bare names from the application folder, as a user on the PATH does,
    # so that no build folder shows in a usage line.
    done = subprocess.run([os.path.basename(args[0])] + args[1:], env=environment(language),
                          cwd=app, executable=args[0], capture_output=True, text=True,
                          timeout=60)
    if done.returncode != code:
        sys.exit(f"{language or 'C'}: {' '.join(args)} exited {done.returncode}, not {code}:\n"
                 f"{done.stderr}")
    return done.stdout


def commands(overview):
    listed = overview.split("\n\n")[1:]
    block = next((b for b in listed if re.search(r"^\S.*:\n  \S", b, re.M)), "")
    return [m.group(1) for m in re.finditer(r"^  (\S+)\s", block, re.M)]


def helps(language):
    """Each help text by the command line that printed it."""
    out = {"voxtrel-editor --help": run([editor, "--help"], language),
           "voxtrel-names --help": run([names, "--help"], language)}
    for command in commands(out["voxtrel-names --help"]):
        out[f"voxtrel-names {command} --help"] = run([names, command, "--help"], language)
    run([names], language, code=2)
    run([names, "no-such-command"], language, code=2)
    return out


english = helps("")
if not commands(english["voxtrel-names --help"]):
    sys.exit("voxtrel-names --help lists no command")
text = "".join(f"$ {line}\n{output}\n" for line, output in english.items())
if update:
    with open(kept, "w", encoding="utf-8") as f:
        f.write(text)
with open(kept, encoding="utf-8") as f:
    if f.read() != text:
        sys.exit(f"the English help is not what {kept} keeps; run with --update to see the "
                 "difference in git")

faults = []
folder = os.path.join(app, "translations")
languages = sorted(m.group(1) for f in os.listdir(folder)
                   if (m := re.fullmatch(r"voxtrel_(\w+)\.qm", f)))
if not languages:
    faults.append(f"no translation in {folder}")
for language in languages:
    translated = helps(language)
    if translated.keys() != english.keys():
        faults.append(f"{language}: the commands differ: {sorted(translated)}")
    if language in TRANSLATED:
        faults += [f"{language}: {line} is English" for line in english
                   if translated.get(line) == english[line]]
if faults:
    sys.exit("\n".join(faults))
print(f"help checked in English and in {', '.join(languages)}")
