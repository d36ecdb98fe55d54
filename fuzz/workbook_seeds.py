"""Seeds for the workbook reader's fuzz target: small workbooks of each shape the reader
must take apart, hostile ones included (escapes, an empty former name, a hidden first sheet
with hidden rows, a shared string the workbook lacks, deep nesting, one long shared string
that many cells point to), each also as its XML parts. Usage: workbook_seeds.py FOLDER"""
import io, os, re, sys, zipfile

import openpyxl

folder = sys.argv[1]
os.makedirs(folder, exist_ok=True)
MAIN = b'xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"'
SHARED_REL = (b'<Relationship Id="rIdS" Type="http://schemas.openxmlformats.org/officeDocument/'
              b'2006/relationships/sharedStrings" Target="sharedStrings.xml"/></Relationships>')


def save(name, wb):
    wb.save(os.path.join(folder, name))


def base():
    buffer = io.BytesIO()
    openpyxl.Workbook().save(buffer)
    return zipfile.ZipFile(buffer)


def variant(name, cells, shared=None):
    src = base()
    with zipfile.ZipFile(os.path.join(folder, name), 'w', zipfile.ZIP_DEFLATED) as dst:
        for item in src.infolist():
            data = src.read(item.filename)
            if item.filename == 'xl/worksheets/sheet1.xml':
                data = re.sub(rb'<sheetData>.*</sheetData>|<sheetData */>', lambda m: b'<sheetData>' + cells + b'</sheetData>', data)
            if item.filename == 'xl/_rels/workbook.xml.rels' and shared is not None:
                data = data.replace(b'</Relationships>', SHARED_REL)
            dst.writestr(item.filename, data)
        if shared is not None:
            dst.writestr('xl/sharedStrings.xml', b'<sst ' + MAIN + b'>' + shared + b'</sst>')


wb = openpyxl.Workbook()
ws = wb.active
for row in [['index', 'name', 'was'], [1, 'New', ''], [2, 'Ab_x005F_x0041_cd', 'N2'], [3, '0123', 'N3']]:
    ws.append(row)
save('patch.xlsx', wb)

wb = openpyxl.Workbook()
hidden = wb.active
hidden.append(['index', 'name'])
hidden.sheet_state = 'hidden'
shown = wb.create_sheet('names')
for row in [['index', 'name'], [1, 'One'], [2, 'Two']]:
    shown.append(row)
shown.row_dimensions[2].hidden = True
wb.active = 1
save('sheets.xlsx', wb)

head = (b'<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c></row>')
names = b'<si><t>index</t></si><si><t>name</t></si>'
variant('shared.xlsx', head + b'<row r="2"><c r="A2"><v>4</v></c><c r="B2" t="s"><v>2</v></c></row>'
        b'<row r="3"><c r="A3"><v>5</v></c><c r="B3" t="s"><v>9</v></c></row>',
        names + b'<si><r><t>Ri</t></r><r><t>ch_xD83D__xDE00_</t></r><rPh><t>x</t></rPh></si>')
variant('long.xlsx', head + (b'<row><c><v>1</v></c>' + b'<c t="s"><v>2</v></c>' * 50 + b'</row>') * 20,
        names + b'<si><t>' + b'A' * 20000 + b'</t></si>')
variant('deep.xlsx', b'<a>' * 2000)
variant('formula.xlsx', head + b'<row r="2"><c r="A2"><v>6</v></c><c r="B2" t="str"><f>1+1</f><v>2</v></c>'
        b'<c r="D2" t="inlineStr"><is><t>x</t></is></c></row>', names)

# Each workbook once more as its XML parts, which the fuzz target packs itself.
for name in sorted(os.listdir(folder)):
    if name.endswith('.xlsx'):
        with zipfile.ZipFile(os.path.join(folder, name)) as book:
            parts = [book.read(part) if part in book.namelist() else b''
                     for part in ('xl/workbook.xml', 'xl/worksheets/sheet1.xml', 'xl/sharedStrings.xml')]
        with open(os.path.join(folder, name[:-5] + '.parts'), 'wb') as out:
            out.write(b'parts\n' + b'\x1e'.join(parts))
