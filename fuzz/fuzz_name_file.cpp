// Any bytes load as a name file; load, save and load again give the same names and fields.
#include "names/Baza.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using voxtrel::Baza;
    const QString in = folder().filePath("in.unzlib");
    const QString out = folder().filePath("out.unzlib");
    {
        QFile f(in);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Baza first(folder().path());
    check(first.Wczytaj(in));
    check(first.Zapisz(out));
    check(QFile(out).size() == 117585);
    Baza second(folder().path());
    check(second.Wczytaj(out));
    check(second.Count() == 1209); // a saved file always has room for all 1209 records
    for (qint32 i = 0; i < first.Count(); ++i) {
        check(first.Get_Nazwa(i) == second.Get_Nazwa(i));
        check(first.Get_Pole(i) == second.Get_Pole(i));
        check(first.Get_Pole13(i) == second.Get_Pole13(i));
        check(first.Get_Pole26(i) == second.Get_Pole26(i));
    }
    for (qint32 i = first.Count(); i < second.Count(); ++i) {
        check(second.Get_Nazwa(i).isEmpty() && second.Get_Pole(i) == 0);
    }
    check(first.ToImage() == second.ToImage());
    return 0;
}
