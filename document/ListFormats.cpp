#include "document/ListFormats.h"

#include <QCoreApplication>
#include <QLibrary>

namespace voxtrel {

namespace {

ListFormats::Found& Current() {
    static ListFormats::Found found;
    return found;
}

} // namespace

void ListFormats::Use(const ListFormats* Formats) {
    Current() = {Formats, {}};
}

ListFormats::Found ListFormats::Find() {
    Found& found = Current();
    if (found.Formats || !found.Reason.isEmpty()) {
        return found;
    }
    // The library stays loaded for the rest of the run: the formats' code lives in it.
    QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/voxtrel-lists"));
    using Entry = const ListFormats* (*)();
    if (const auto entry = reinterpret_cast<Entry>(module.resolve("VoxtrelListFormats"))) {
        found.Formats = entry();
    }
    if (!found.Formats) {
        found.Reason = QCoreApplication::translate("voxtrel::ListFormats",
                                                   "The name list formats could not be loaded: %1")
                           .arg(module.errorString());
    }
    return found;
}

} // namespace voxtrel
