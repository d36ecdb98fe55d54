// Name lists as workbooks: what an export writes, and how the reader takes a package apart,
// decodes its text once, picks the sheet the user sees, and answers any package, however
// made, in bounded time and memory. Workbooks are made and read by an independent library
// (openpyxl) or by hand where a spreadsheet program would write them so.
#include "document/NameWorkbook.h"
#include "NameFiles.h"
#include "TestFiles.h"
#include "names/Baza.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

using namespace test;

// A table of k names "Player <i>", loaded from disk as the document loads it.
struct Table {
    QTemporaryDir dir;
    Baza table{dir.path()};

    explicit Table(int k = 5, const QString& prefix = QStringLiteral("Player "),
                   const QByteArray& image = {}) {
        const QString file = dir.filePath("names.unzlib");
        EXPECT_TRUE(WriteBytes(file, image.isEmpty() ? NameImage(k, prefix) : image));
        EXPECT_TRUE(table.Wczytaj(file));
    }
};

// Python that makes a workbook with openpyxl, then rewrites parts of it as another program
// would: edit(name, data) returns a part's new bytes.
const QString Rewrite = QStringLiteral(R"(
import sys, re, zipfile, openpyxl
def rewrite(source, target, edit, extra={}):
    src = zipfile.ZipFile(source); dst = zipfile.ZipFile(target, 'w', zipfile.ZIP_DEFLATED)
    for item in src.infolist():
        dst.writestr(item.filename, edit(item.filename, src.read(item.filename)))
    for name, data in extra.items():
        dst.writestr(name, data)
    dst.close()
def sheet_cells(cells):
    return lambda name, data: re.sub(rb'<sheetData>.*</sheetData>|<sheetData/>', b'<sheetData>' + cells + b'</sheetData>', data) if name == 'xl/worksheets/sheet1.xml' else data
)");

ListCheck checkFile(const QString& path, const Baza& table) {
    return NameWorkbook::Check(ReadBytes(path), table);
}

// A workbook as a spreadsheet program's own library writes it: inline strings, shared
// strings and a rich text run are read as their text; values a spreadsheet would convert are
// refused, each by its cell.
TEST(NameWorkbook, TextCellsImportExactlyAndConvertedValuesAreRefused) {
    Table t(10);
    QTemporaryDir dir;
    const QString made = dir.filePath("made.xlsx");
    const PythonRun run = SystemPython(QStringLiteral(R"(
import sys, datetime, re, zipfile, openpyxl
wb = openpyxl.Workbook(); ws = wb.active
ws.append(['index', 'name'])
for row in [[1, 'Jérôme Ünal'], [2, '0123'], ['3', '1e5'], [4, 'RICH'], [5, 'SHARED'], [6, '=1+1']]:
    ws.append(row)
ws['B7'].data_type = 's'   # text that a spreadsheet would take for a formula
ws.append([7, 42]); ws.append([8, datetime.date(2024, 3, 12)]); ws['A10'] = 9; ws['B10'] = '=SUM(1,2)'
wb.save(sys.argv[1] + '.tmp')
# Its cells are inline strings; two become shared strings, one of them a rich text run, as
# other programs write them.
shared = (b'<?xml version="1.0" encoding="UTF-8"?><sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="2" uniqueCount="2">'
          b'<si><r><t>Ri</t></r><r><rPr><b/></rPr><t xml:space="preserve">ch Run</t></r><rPh sb="0" eb="1"><t>x</t></rPh></si>'
          b'<si><t>Shared Name</t></si></sst>')
src = zipfile.ZipFile(sys.argv[1] + '.tmp'); dst = zipfile.ZipFile(sys.argv[1], 'w', zipfile.ZIP_DEFLATED)
for item in src.infolist():
    data = src.read(item.filename)
    if item.filename == 'xl/worksheets/sheet1.xml':
        data = re.sub(rb'<c r="B5" t="inlineStr"><is><t>RICH</t></is></c>', b'<c r="B5" t="s"><v>0</v></c>', data)
        data = re.sub(rb'<c r="B6" t="inlineStr"><is><t>SHARED</t></is></c>', b'<c r="B6" t="s"><v>1</v></c>', data)
        assert data.count(b't="s"') == 2
    if item.filename == '[Content_Types].xml':
        data = data.replace(b'</Types>', b'<Override PartName="/xl/sharedStrings.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml"/></Types>')
    if item.filename == 'xl/_rels/workbook.xml.rels':
        data = data.replace(b'</Relationships>', b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    dst.writestr(item, data)
dst.writestr('xl/sharedStrings.xml', shared)
dst.close()
ws = openpyxl.load_workbook(sys.argv[1]).active   # still a workbook to its reader
assert ws['B6'].value == 'Shared Name'
)"),
                                       {made});
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    const ListCheck refused = NameWorkbook::Check(ReadBytes(made), t.table);
    ASSERT_EQ(refused.Result, ListCheck::Outcome::Refused);
    for (const char* cell : {"B8: the name cell holds a number", "B9: the name cell holds a number",
                             "B10: the name cell holds a formula"}) {
        EXPECT_TRUE(refused.Reason.contains(cell)) << refused.Reason.toStdString();
    }
    EXPECT_TRUE(refused.Reason.contains("format the name column as Text"));
    EXPECT_EQ(refused.Reason.count('\n'), 3) << refused.Reason.toStdString();

    // Without the converted rows, every text comes in as it was typed.
    const PythonRun trimmed = SystemPython(
        QStringLiteral(
            "import sys, zipfile, re\n"
            "src = zipfile.ZipFile(sys.argv[1]); dst = zipfile.ZipFile(sys.argv[2], 'w')\n"
            "for item in src.infolist():\n"
            "    data = src.read(item.filename)\n"
            "    if item.filename == 'xl/worksheets/sheet1.xml':\n"
            "        data = re.sub(rb'<row r=\"(8|9|10)\".*?</row>', b'', data)\n"
            "    dst.writestr(item, data)\n"),
        {made, dir.filePath("text.xlsx")});
    ASSERT_EQ(trimmed.exitCode, 0) << trimmed.output.toStdString();
    const ListCheck text = NameWorkbook::Check(ReadBytes(dir.filePath("text.xlsx")), t.table);
    ASSERT_TRUE(text.Ok()) << text.Reason.toStdString();
    QStringList names;
    for (const NameChange& c : text.Changes) {
        names << QString::number(c.Index) + "=" + c.NewName;
    }
    EXPECT_EQ(names, QStringList({QString::fromUtf8("1=Jérôme Ünal"), "2=0123", "3=1e5",
                                  "4=Rich Run", "5=Shared Name", "6==1+1"}));
}

// The exported workbook as an independent reader sees it, and back through the checker.
TEST(NameWorkbook, ExportIsTextInATextColumnAndReadsBackAsNoChange) {
    Table t(1209);
    QTemporaryDir dir;
    const NameWorkbook::Written book = NameWorkbook::Write(t.table, dir.path() + "/");
    ASSERT_TRUE(book.Ok()) << book.Reason().toStdString();
    ASSERT_TRUE(WriteBytes(dir.filePath("out.xlsx"), book.Value()));
    const PythonRun read = SystemPython(QStringLiteral(R"(
import sys, openpyxl
ws = openpyxl.load_workbook(sys.argv[1]).active
names = [ws.cell(r, 2) for r in range(2, ws.max_row + 1)]
assert [c.value for c in ws[1]] == ['index', 'name']
assert all(c.data_type == 's' and c.number_format == '@' for c in names)
assert all(ws.cell(r, 1).value == r - 2 for r in range(2, ws.max_row + 1))
assert ws.column_dimensions['B'].number_format == '@' and ws.column_dimensions['B'].width >= 58
assert ws.freeze_panes == 'A2'
print(len(names), names[7].value)
)"),
                                        {dir.filePath("out.xlsx")});
    EXPECT_EQ(read.output.trimmed(), QString("1209 Player 7"));
    const ListCheck back = NameWorkbook::Check(book.Value(), t.table);
    EXPECT_TRUE(back.Ok()) << back.Reason.toStdString();
    EXPECT_TRUE(back.Changes.isEmpty());
}

// Packages made to exhaust the reader are refused before they can: a part that unpacks to
// 200 MiB, a stored part of 17 MiB, and XML that declares entities.
TEST(NameWorkbook, HostilePackagesAreRefusedUnread) {
    Table t;
    QTemporaryDir dir;
    const PythonRun made = SystemPython(QStringLiteral(R"(
import sys, re, zipfile, openpyxl
openpyxl.Workbook().save(sys.argv[1] + '/good.xlsx')
with zipfile.ZipFile(sys.argv[1] + '/good.xlsx') as good:
    parts = [(item, good.read(item.filename)) for item in good.infolist()]
def variant(name, change):
    out = zipfile.ZipFile(sys.argv[1] + '/' + name, 'w', zipfile.ZIP_DEFLATED)
    for item, data in parts:
        change(out, item, data)
    out.close()
def bomb(out, item, data):
    if item.filename == 'xl/worksheets/sheet1.xml':
        data = data + b' ' * (200 * 1024 * 1024)
    out.writestr(item, data)
def stored(out, item, data):
    if item.filename == 'xl/worksheets/sheet1.xml':
        data = data + b' ' * (17 * 1024 * 1024)
        item.compress_type = zipfile.ZIP_STORED
    out.writestr(item, data)
def entity(out, item, data):
    if item.filename == 'xl/workbook.xml':
        data = b'<!DOCTYPE lol [<!ENTITY a "aaaaaaaaaa"><!ENTITY b "&a;&a;&a;&a;">]>' + re.sub(rb'^<\?xml[^>]*\?>', b'', data)
    out.writestr(item, data)
variant('bomb.xlsx', bomb)
variant('stored.xlsx', stored)
variant('entity.xlsx', entity)
)"),
                                        {dir.path()});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    const struct {
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {ReadBytes(dir.filePath("bomb.xlsx")), "larger than 16 MiB when unpacked"},
        {ReadBytes(dir.filePath("stored.xlsx")), "larger than 16 MiB when unpacked"},
        {ReadBytes(dir.filePath("entity.xlsx")), "declares entities"},
        {QByteArray("PK\x03\x04 not really a package"), "cannot be opened"},
    };
    for (const auto& c : cases) {
        const ListCheck r = NameWorkbook::Check(c.bytes, t.table);
        EXPECT_EQ(r.Result, ListCheck::Outcome::Refused);
        EXPECT_TRUE(r.Reason.contains(c.says)) << r.Reason.toStdString();
    }
}

// A patch's empty former name is an empty text cell, and a row without its third cell says
// the name was empty: either way the row guards an empty name. A fourth cell is one too many,
// never read as the third.
TEST(NameWorkbook, APatchKeepsAnEmptyFormerNameAndItsColumns) {
    Table game(10, "Player ", WithName(NameImage(10), 7, "Ulolo Oranmundsen"));
    Table empty(10, "Player ", WithName(NameImage(10), 7, ""));
    QTemporaryDir dir;
    NameChange row;
    row.Index = 7;
    row.NewName = "Renamed";
    row.Was = "";
    row.HasWas = true;
    const NameWorkbook::Written patch = NameWorkbook::WritePatch({row}, dir.path() + "/");
    ASSERT_TRUE(patch.Ok()) << patch.Reason().toStdString();
    ASSERT_TRUE(WriteBytes(dir.filePath("p.xlsx"), patch.Value()));
    const PythonRun made = SystemPython(Rewrite + QStringLiteral(R"(
d = sys.argv[1]
sheet = zipfile.ZipFile(d + '/p.xlsx').read('xl/worksheets/sheet1.xml')
assert re.search(rb'<c r="C2"[^>]*t="inlineStr"><is><t></t></is></c>', sheet), sheet
assert openpyxl.load_workbook(d + '/p.xlsx').active['B2'].value == 'Renamed'
for name, rows in [('missing', [[7, 'Renamed']]), ('fourth', [[7, 'Renamed', None, 'Ulolo Oranmundsen']])]:
    wb = openpyxl.Workbook(); ws = wb.active
    ws.append(['index', 'name', 'was'])
    for r in rows: ws.append(r)
    wb.save(d + '/' + name + '.xlsx')
)"),
                                        {dir.path()});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();

    for (const char* name : {"p.xlsx", "missing.xlsx"}) {
        const ListCheck guarded = checkFile(dir.filePath(name), game.table);
        EXPECT_EQ(guarded.Result, ListCheck::Outcome::Conflict) << name;
        EXPECT_TRUE(guarded.Reason.contains("expected \"\", found \"Ulolo Oranmundsen\""))
            << guarded.Reason.toStdString();
        const ListCheck applies = checkFile(dir.filePath(name), empty.table);
        ASSERT_TRUE(applies.Ok()) << applies.Reason.toStdString();
        ASSERT_EQ(applies.Changes.size(), 1);
        EXPECT_EQ(applies.Changes[0].NewName, QString("Renamed"));
    }
    const ListCheck fourth = checkFile(dir.filePath("fourth.xlsx"), game.table);
    EXPECT_EQ(fourth.Result, ListCheck::Outcome::Refused);
    EXPECT_TRUE(fourth.Reason.contains("row 2: an extra column")) << fourth.Reason.toStdString();
}

// "_xHHHH_" in a cell is an escape, decoded once: a name that holds one is written with its
// underscore escaped and reads back as itself, and a cell that cannot be a name's text (half
// a surrogate pair, a shared string the workbook lacks) or an index (a number too large to
// be whole) is refused by its cell.
TEST(NameWorkbook, EscapesAreDecodedOnceAndWrittenSoTheyReadBack) {
    QByteArray image = WithName(NameImage(6), 1, "Ab_x0041_cd");
    image = WithName(image, 2, "_x005F_");
    Table t(6, "Player ", image);
    QTemporaryDir dir;
    const NameWorkbook::Written book = NameWorkbook::Write(t.table, dir.path() + "/");
    ASSERT_TRUE(WriteBytes(dir.filePath("out.xlsx"), book.Value()));
    const ListCheck back = NameWorkbook::Check(book.Value(), t.table);
    EXPECT_TRUE(back.Ok() && back.Changes.isEmpty()) << back.Reason.toStdString();

    const PythonRun made = SystemPython(Rewrite + QStringLiteral(R"(
d = sys.argv[1]
shared = zipfile.ZipFile(d + '/out.xlsx').read('xl/sharedStrings.xml')
assert b'<t>Ab_x005F_x0041_cd</t>' in shared and b'<t>_x005F_x005F_</t>' in shared, shared
openpyxl.Workbook().save(d + '/base.xlsx')
def cell(r, text): return b'<row r="%d"><c r="A%d"><v>%d</v></c><c r="B%d" t="inlineStr"><is><t>%s</t></is></c></row>' % (r, r, r - 1, r, text)
head = b'<row r="1"><c r="A1" t="inlineStr"><is><t>index</t></is></c><c r="B1" t="inlineStr"><is><t>name</t></is></c></row>'
rewrite(d + '/base.xlsx', d + '/good.xlsx', sheet_cells(head + cell(2, b'Ab_x005F_x0041_cd') + cell(3, b'x_x0041_y') + cell(4, b'_x00e9_t_x00E9_')))
shared_part = b'<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>Zero</t></si></sst>'
bad = head + cell(2, b'_xD800_') + b'<row r="3"><c r="A3"><v>2</v></c><c r="B3" t="s"><v>7</v></c></row>' + b'<row r="4"><c r="A4"><v>3</v></c><c r="B4" t="s"><v>0</v></c></row>' + b'<row r="5"><c r="A5"><v>1e300</v></c><c r="B5" t="s"><v>0</v></c></row>'
def with_shared(name, data):
    data = sheet_cells(bad)(name, data)
    if name == 'xl/_rels/workbook.xml.rels':
        data = data.replace(b'</Relationships>', b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    return data
rewrite(d + '/base.xlsx', d + '/bad.xlsx', with_shared, {'xl/sharedStrings.xml': shared_part})
)"),
                                        {dir.path()});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    const ListCheck good = checkFile(dir.filePath("good.xlsx"), t.table);
    ASSERT_TRUE(good.Ok()) << good.Reason.toStdString();
    ASSERT_EQ(good.Changes.size(), 2); // record 1 is named so already
    EXPECT_EQ(good.Changes[0].NewName, QString("xAy"));
    EXPECT_EQ(good.Changes[1].NewName, QString::fromUtf8("ét\u00e9"));

    const ListCheck bad = checkFile(dir.filePath("bad.xlsx"), t.table);
    ASSERT_EQ(bad.Result, ListCheck::Outcome::Refused);
    EXPECT_TRUE(bad.Reason.contains("B2: the text holds half of a surrogate pair"))
        << bad.Reason.toStdString();
    EXPECT_TRUE(bad.Reason.contains("B3: the cell points to shared string \"7\", which the "
                                    "workbook does not hold (it holds 1)"))
        << bad.Reason.toStdString();
    EXPECT_TRUE(bad.Reason.contains("A5: the index \"1e300\" is not a whole number"))
        << bad.Reason.toStdString();
    EXPECT_EQ(bad.Reason.count('\n'), 3) << bad.Reason.toStdString(); // B4 is right
}

// The names come from the sheet the user sees; the note names it when there are several,
// and counts the hidden rows that were read.
TEST(NameWorkbook, TheSheetReadIsTheFirstVisibleOneAndHiddenRowsAreCounted) {
    Table t(5);
    QTemporaryDir dir;
    const PythonRun made = SystemPython(QStringLiteral(R"(
import sys, openpyxl
wb = openpyxl.Workbook(); old = wb.active; old.title = 'old'
old.append(['index', 'name']); old.append([1, 'Wrong'])
ws = wb.create_sheet('names')
for row in [['index', 'name'], [1, 'One'], [2, 'Two']]: ws.append(row)
ws.row_dimensions[3].hidden = True
wb.active = 1
old.sheet_state = 'hidden'
wb.save(sys.argv[1])
)"),
                                        {dir.filePath("two.xlsx")});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    const ListCheck read = checkFile(dir.filePath("two.xlsx"), t.table);
    ASSERT_TRUE(read.Ok()) << read.Reason.toStdString();
    ASSERT_EQ(read.Changes.size(), 2);
    EXPECT_EQ(read.Changes[0].NewName, QString("One"));
    EXPECT_EQ(read.Notes,
              QStringList({"Read the sheet \"names\", the first visible one of 2 sheets.",
                           "1 hidden row was read: 3."}));
}

// Packages that cost the reader hours or gigabytes before: one shared string of 16 MB that
// 560,000 cells point to, 5.5 million nested elements, a sheet that unpacks to 44 MiB
// behind headers that declare 2,000 bytes, and a tag of a million attributes. Each is answered at
// once (the bound is generous for a loaded machine) and refused.
TEST(NameWorkbook, HostilePackagesAreAnsweredInBoundedTime) {
    Table t;
    QTemporaryDir dir;
    const PythonRun made = SystemPython(Rewrite + QStringLiteral(R"(
import struct, os
d = sys.argv[1]
openpyxl.Workbook().save(d + '/base.xlsx')
def rels(name, data):
    if name == 'xl/_rels/workbook.xml.rels':
        data = data.replace(b'</Relationships>', b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')
    return data
head = b'<row r="1"><c t="inlineStr"><is><t>index</t></is></c><c t="inlineStr"><is><t>name</t></is></c></row>'
row = b'<row><c><v>1</v></c>' + b'<c t="s"><v>0</v></c>' * 1000 + b'</row>'
cells = head + row * 560
long = b'<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>' + b'A' * (16 * 1000 * 1000) + b'</t></si></sst>'
rewrite(d + '/base.xlsx', d + '/shared.xlsx', lambda n, data: rels(n, sheet_cells(cells)(n, data)), {'xl/sharedStrings.xml': long})
rewrite(d + '/base.xlsx', d + '/deep.xlsx', sheet_cells(b'<a>' * 5500000))
rewrite(d + '/base.xlsx', d + '/lie.xlsx', sheet_cells(b'<row/>' * (7 * 1024 * 1024)))
rewrite(d + '/base.xlsx', d + '/wide.xlsx', sheet_cells(b'<row ' + b''.join(b'a%d=">" ' % i for i in range(1000000)) + b'/>'))
# The sheet's sizes in its local header and the central directory say 2,000 bytes.
data = bytearray(open(d + '/lie.xlsx', 'rb').read())
name = b'xl/worksheets/sheet1.xml'
for signature, size_at, name_at in [(b'PK\x03\x04', 22, 30), (b'PK\x01\x02', 24, 46)]:
    at = data.find(signature)
    while at >= 0:
        if data[at + name_at:at + name_at + len(name)] == name:
            assert struct.unpack_from('<I', data, at + size_at)[0] > 40 * 1024 * 1024
            struct.pack_into('<I', data, at + size_at, 2000)
        at = data.find(signature, at + 4)
open(d + '/lie.xlsx', 'wb').write(bytes(data))
for n in ['shared', 'deep', 'lie', 'wide']:
    assert os.path.getsize(d + '/' + n + '.xlsx') < 4 * 1024 * 1024, n  # under the list's cap
)"),
                                        {dir.path()});
    ASSERT_EQ(made.exitCode, 0) << made.output.toStdString();
    const struct {
        const char* file;
        const char* says;
    } cases[] = {
        {"shared.xlsx", "B2: the name has more than 58 characters"},
        {"deep.xlsx", "its elements nest more than 64 deep"},
        {"lie.xlsx", "is larger than 16 MiB when unpacked"},
        {"wide.xlsx", "a tag holds more than 64 attributes"},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = ReadBytes(dir.filePath(c.file));
        QElapsedTimer timer;
        timer.start();
        const ListCheck r = NameWorkbook::Check(bytes, t.table);
        EXPECT_LT(timer.elapsed(), 10000 * VOXTREL_SLOWDOWN) << c.file;
        EXPECT_EQ(r.Result, ListCheck::Outcome::Refused) << c.file;
        EXPECT_TRUE(r.Reason.contains(c.says)) << c.file << ": " << r.Reason.toStdString();
    }
}

} // namespace
} // namespace voxtrel
