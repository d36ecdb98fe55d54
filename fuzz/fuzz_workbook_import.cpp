// Any bytes through the workbook reader: no crash, no stall, and either a refusal that
// changes nothing or a set of renames that are all valid for the table. An input that starts
// with "parts\n" is the XML of the workbook, its sheet and its shared strings, separated by
// the byte 0x1E, packed here into a package with right checksums, so that mutations reach the XML
// readers instead of ending at a checksum; any other input is the package itself.
#include "document/NameWorkbook.h"
#include "names/Baza.h"
#include "names/CodePage.h"

#include <QFile>
#include <QList>
#include <QSet>
#include <QTemporaryDir>
#include <cstdlib>
#include <zlib.h>

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// A table of 40 short names, loaded once.
const voxtrel::Baza& table() {
    static QTemporaryDir dir;
    static voxtrel::Baza baza = [] {
        QByteArray image(9872 + 88 * 40, '\0');
        for (int r = 0; r < 40; ++r) {
            const QByteArray name = "N" + QByteArray::number(r);
            image.replace(9872 + 88 * r, name.size(), name);
        }
        const QString path = dir.filePath("t.unzlib");
        QFile f(path);
        check(f.open(QIODevice::WriteOnly) && f.write(image) == image.size());
        f.close();
        voxtrel::Baza b(dir.path());
        check(b.Wczytaj(path));
        return b;
    }();
    return baza;
}

void put16(QByteArray& out, quint16 v) {
    out.append(char(v & 0xFF)).append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v) {
    put16(out, quint16(v & 0xFFFF));
    put16(out, quint16(v >> 16));
}

// A zip package of Parts, stored unpacked.
QByteArray packed(const QList<std::pair<QByteArray, QByteArray>>& parts) {
    QByteArray out;
    QByteArray directory;
    for (const auto& [name, data] : parts) {
        const auto crc =
            quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
        const auto offset = quint32(out.size());
        QByteArray common;
        put16(common, 20);
        put16(common, 0); // flags
        put16(common, 0); // stored
        put32(common, 0); // time and date
        put32(common, crc);
        put32(common, quint32(data.size()));
        put32(common, quint32(data.size()));
        put16(common, quint16(name.size()));
        put16(common, 0); // extra
        put32(out, 0x04034b50);
        out += common + name + data;
        put32(directory, 0x02014b50);
        put16(directory, 20);
        directory += common;
        put16(directory, 0); // comment
        put32(directory, 0); // disk and internal attributes
        put32(directory, 0); // external attributes
        put32(directory, offset);
        directory += name;
    }
    const auto at = quint32(out.size());
    out += directory;
    put32(out, 0x06054b50);
    put32(out, 0);
    put16(out, quint16(parts.size()));
    put16(out, quint16(parts.size()));
    put32(out, quint32(directory.size()));
    put32(out, at);
    put16(out, 0);
    return out;
}

QByteArray fromParts(const QByteArray& input) {
    QList<QByteArray> three = input.mid(6).split('\x1E'); // record separators between parts
    while (three.size() < 3) {
        three << QByteArray();
    }
    const QByteArray relationships =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Target=\"/xl/worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rIdS\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
        "relationships/sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>";
    return packed({{"xl/workbook.xml", three[0]},
                   {"xl/_rels/workbook.xml.rels", relationships},
                   {"xl/worksheets/sheet1.xml", three[1]},
                   {"xl/sharedStrings.xml", three[2]}});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QByteArray zip = input.startsWith("parts\n") ? fromParts(input) : input;
    const voxtrel::Baza& t = table();
    const voxtrel::ListCheck checked = voxtrel::NameWorkbook::Check(zip, t);
    const voxtrel::NameChanges& changes = checked.Changes;
    if (checked.Result == voxtrel::ListCheck::Outcome::Refused) {
        check(changes.isEmpty() &&
              checked.Reason.startsWith(QStringLiteral("The name list was refused")));
        return 0;
    }
    check(checked.Result != voxtrel::ListCheck::Outcome::Unreadable);
    QSet<qint32> seen;
    for (const voxtrel::NameChange& c : changes) {
        check(c.Index >= 0 && c.Index < t.Count() && !seen.contains(c.Index));
        seen.insert(c.Index);
        check(c.OldName == t.Get_Nazwa(c.Index) && c.NewName != c.OldName);
        check(c.NewName.toUcs4().size() <= 58 && t.Encoding().canEncode(c.NewName));
        check(QStringView(c.NewName).isValidUtf16());
        for (const QChar ch : c.NewName) {
            check(ch.category() != QChar::Other_Control);
        }
    }
    return 0;
}
