// Any bytes load as a name file; load, save and load again give the same names and fields.
// The round trip runs in memory, through the image Zapisz would write (the unit tests keep
// a round trip on disk).
#include "names/Baza.h"

#include <cstdlib>

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using voxtrel::Baza;
    const QByteArray in(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    Baza first{QString()};
    check(first.WczytajImage(in));
    const QByteArray image = first.ToImage();
    check(image.size() == 117585);
    Baza second{QString()};
    check(second.WczytajImage(image));
    check(second.Count() == 1209); // a saved image always has room for all 1209 records
    for (qint32 i = 0; i < first.Count(); ++i) {
        check(first.GetNazwaBytes(i) == second.GetNazwaBytes(i));
        check(first.Get_Pole(i) == second.Get_Pole(i));
        check(first.Get_Pole13(i) == second.Get_Pole13(i));
        check(first.Get_Pole26(i) == second.Get_Pole26(i));
    }
    for (qint32 i = first.Count(); i < second.Count(); ++i) {
        check(second.Get_Nazwa(i).isEmpty() && second.Get_Pole(i) == 0);
    }
    check(second.ToImage() == image);
    return 0;
}
