#!/usr/bin/env python3
"""Whole-process timings of voxtrel-names on the 1209-name sample: export to a file, and an
import of all 1209 rows with its verified save, as CSV and as a workbook (runs alternate).
Prints the median of each over RUNS runs, the peak memory (GNU time) of reading the worst lists
under the 4 MiB cap, the time and peak memory of refusing hostile workbooks (the stall cases among them) and of
reading the largest legitimate one, and diff and apply.

    python3 bench/bench_cli.py [build/app] [RUNS]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

app = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/app")
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 21
names = os.path.join(app, "voxtrel-names")
sample = os.path.join(app, "samples", "unnamed_1846.bin")


def timed(args):
    start = time.perf_counter()
    subprocess.run([names] + args, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000


with tempfile.TemporaryDirectory() as tmp:
    target = os.path.join(tmp, "unnamed_1846.bin")
    shutil.copyfile(sample, target)
    exported = os.path.join(tmp, "out.csv")
    book = os.path.join(tmp, "out.xlsx")
    export_ms, export_xlsx_ms = [], []
    for _ in range(runs):
        export_ms.append(timed(["export", target, "-o", exported]))
        export_xlsx_ms.append(timed(["export", target, "-o", book]))

    # Two lists that rename every record, used in turn, so that every import saves.
    lists = []
    for tag in ("A", "B"):
        path = os.path.join(tmp, tag + ".csv")
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write("index,name\r\n")
            for i in range(1209):
                f.write(f"{i},Name {tag} {i}\r\n")
        lists.append(path)
    import_ms = [timed(["import", target, lists[n % 2]]) for n in range(runs)]
    # The same two lists as workbooks, made by the editor itself from files renamed by them.
    books = []
    for n, path in enumerate(lists):
        timed(["import", target, path])
        books.append(os.path.join(tmp, f"{n}.xlsx"))
        timed(["export", target, "-o", books[-1]])
    import_xlsx_ms = [timed(["import", target, books[n % 2]]) for n in range(runs)]

    # Patches: diff of two files, and a 200-row patch applied to ten copies (alternating with
    # its reverse, so that every run writes).
    other = os.path.join(tmp, "other.bin")
    shutil.copyfile(target, other)
    rows = os.path.join(tmp, "rows.csv")
    with open(rows, "w", encoding="utf-8", newline="") as f:
        f.write("index,name\r\n" + "".join(f"{i * 6},Patched {i}\r\n" for i in range(200)))
    subprocess.run([names, "import", other, rows], check=True, stdout=subprocess.DEVNULL)
    forward, backward = os.path.join(tmp, "forward.csv"), os.path.join(tmp, "backward.csv")
    quiet = {"stderr": subprocess.DEVNULL}
    subprocess.run([names, "diff", target, other, "-o", forward], check=True, **quiet)
    subprocess.run([names, "diff", other, target, "-o", backward], check=True, **quiet)
    diff_ms = [timed(["diff", target, other, "-o", os.path.join(tmp, "d.csv")]) for _ in range(runs)]
    copies = []
    for n in range(10):
        copies.append(os.path.join(tmp, f"copy_{1845 + n}.bin"))
        shutil.copyfile(target, copies[-1])
    apply_ms = [timed(["apply", (forward, backward)[n % 2]] + copies) for n in range(runs)]

    # Hostile workbooks, made by the system's Python.
    subprocess.run(["/usr/bin/python3", "-c", """
import sys, zipfile, openpyxl
openpyxl.Workbook().save(sys.argv[1] + '/good.xlsx')
with zipfile.ZipFile(sys.argv[1] + '/good.xlsx') as good:
    parts = [(i, good.read(i.filename)) for i in good.infolist()]
for name, extra, stored in [('bomb', 200, False), ('large', 17, True)]:
    with zipfile.ZipFile(sys.argv[1] + '/' + name + '.xlsx', 'w', zipfile.ZIP_DEFLATED) as out:
        for item, data in parts:
            if item.filename == 'xl/worksheets/sheet1.xml':
                data += b' ' * (extra << 20)
                item.compress_type = zipfile.ZIP_STORED if stored else zipfile.ZIP_DEFLATED
            out.writestr(item, data)
with zipfile.ZipFile(sys.argv[1] + '/entity.xlsx', 'w') as out:
    for item, data in parts:
        if item.filename == 'xl/workbook.xml':
            data = b'<!DOCTYPE x [<!ENTITY a "a"><!ENTITY b "&a;&a;">]>' + data.split(b'?>', 1)[-1]
        out.writestr(item, data)
""", tmp], check=True)
    # The stall cases: one shared string of 16 MB that 560,000 cells point to, 5.5 million
    # nested elements, and a sheet of 44 MiB behind headers that say 2,000 bytes.
    subprocess.run(["/usr/bin/python3", "-c", """
import sys, re, struct, zipfile, openpyxl
d = sys.argv[1]
def rewrite(target, cells, extra={}):
    src = zipfile.ZipFile(d + '/good.xlsx'); dst = zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED)
    for item in src.infolist():
        data = src.read(item.filename)
        if item.filename == 'xl/worksheets/sheet1.xml':
            data = re.sub(rb'<sheetData>.*</sheetData>|<sheetData */>', lambda m: b'<sheetData>' + cells + b'</sheetData>', data)
        if item.filename == 'xl/_rels/workbook.xml.rels' and extra:
            data = data.replace(b'</Relationships>', b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
        dst.writestr(item.filename, data)
    for name, data in extra.items():
        dst.writestr(name, data)
    dst.close()
head = b'<row r="1"><c t="inlineStr"><is><t>index</t></is></c><c t="inlineStr"><is><t>name</t></is></c></row>'
row = b'<row><c><v>1</v></c>' + b'<c t="s"><v>0</v></c>' * 1000 + b'</row>'
rewrite(d + '/shared.xlsx', head + row * 560, {'xl/sharedStrings.xml': b'<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>' + b'A' * 16000000 + b'</t></si></sst>'})
rewrite(d + '/deep.xlsx', b'<a>' * 5500000)
rewrite(d + '/lie.xlsx', b'<row/>' * (7 << 20))
data = bytearray(open(d + '/lie.xlsx', 'rb').read())
for signature, size_at, name_at in [(b'PK\\x03\\x04', 22, 30), (b'PK\\x01\\x02', 24, 46)]:
    at = data.find(signature)
    while at >= 0:
        if data[at + name_at:at + name_at + 24] == b'xl/worksheets/sheet1.xml':
            struct.pack_into('<I', data, at + size_at, 2000)
        at = data.find(signature, at + 4)
open(d + '/lie.xlsx', 'wb').write(bytes(data))
""", tmp], check=True)
    # The largest workbook a user makes: a patch of all 1209 names, each of 58 characters,
    # with the 58 characters it replaces.
    longest = os.path.join(tmp, "longest.bin")
    shutil.copyfile(target, longest)
    for n, tag in enumerate(("A", "B")):
        path = os.path.join(tmp, f"long{tag}.csv")
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write("index,name\r\n" + "".join(f"{i},{(tag + str(i)).ljust(58, 'é')}\r\n" for i in range(1209)))
        subprocess.run([names, "import", longest if n else target, path], check=True, stdout=subprocess.DEVNULL)
    subprocess.run([names, "diff", target, longest, "-o", os.path.join(tmp, "largest.xlsx")], check=True, **quiet)
    hostile = {}
    for name in ("bomb", "large", "entity", "shared", "deep", "lie", "largest"):
        start = time.perf_counter()
        run = subprocess.run(["/usr/bin/time", "-f", "%M", names, "import", target,
                              os.path.join(tmp, name + ".xlsx"), "--dry-run"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        hostile[name] = ((time.perf_counter() - start) * 1000, int(run.stderr.strip().splitlines()[-1]))

    # The worst shapes of list just under the cap: empty rows, one row repeated, CR line ends.
    cap = 4 * 1024 * 1024
    worst = {"',' rows": "index,name\n" + ",\n" * (cap // 2 - 8),
             "duplicate rows": "index,name\n" + "5,Five\n" * (cap // 7 - 3),
             "CR-only rows": "index,name\r" + "5,Five\r" * (cap // 7 - 3)}
    peaks = {}
    for what, text in worst.items():
        path = os.path.join(tmp, "worst.csv")
        with open(path, "w", newline="") as f:
            f.write(text)
        run = subprocess.run(["/usr/bin/time", "-f", "%M", names, "import", target, path, "--dry-run"],
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        peaks[what] = int(run.stderr.strip().splitlines()[-1])

print(f"export, 1209 names, whole process: median {statistics.median(export_ms):.1f} ms over {runs} runs")
print(f"export as a workbook: median {statistics.median(export_xlsx_ms):.1f} ms "
      f"({statistics.median(export_xlsx_ms) / statistics.median(export_ms):.2f} times CSV; limit 3)")
print(f"import, 1209 rows with save, whole process: median {statistics.median(import_ms):.1f} ms over {runs} runs")
print(f"import of a workbook, 1209 rows with save: median {statistics.median(import_xlsx_ms):.1f} ms (limit 60)")
print(f"diff of two files: median {statistics.median(diff_ms):.1f} ms "
      f"({statistics.median(diff_ms) / statistics.median(export_ms):.2f} times an export; limit 2)")
print(f"apply of a 200-row patch to ten files: median {statistics.median(apply_ms):.1f} ms "
      f"({statistics.median(apply_ms) / statistics.median(import_ms):.2f} times an import; limit 8)")
for name, (ms, kib) in hostile.items():
    what = "reading" if name == "largest" else "refusing"
    print(f"{what} the {name} workbook: {ms:.0f} ms, peak {kib / 1024:.1f} MiB (limits 2 s, 200 MiB)")
for what, kib in peaks.items():
    print(f"import of a 4 MiB list of {what}: peak {kib / 1024:.1f} MiB (limit 64 MiB)")
