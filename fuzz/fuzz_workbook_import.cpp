// Any bytes through the workbook reader: no crash, no stall, and either a refusal that
// changes nothing or a set of renames that are all valid for the table.
#include "document/NameWorkbook.h"
#include "names/Baza.h"
#include "names/CodePage.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstdlib>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray zip(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
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
