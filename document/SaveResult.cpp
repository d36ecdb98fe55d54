#include "document/SaveResult.h"

#include <QCoreApplication>

#include <QDir>

namespace voxtrel {

QString SaveResult::HowWritten() const {
    switch (WrittenInPlace) {
    case InPlace::No:
        break;
    case InPlace::Folder:
        return QCoreApplication::translate("voxtrel::SaveResult",
                                           "in place: its folder takes no new file beside it");
    case InPlace::LongName:
        return QCoreApplication::translate(
            "voxtrel::SaveResult",
            "in place: its name leaves no room for a temporary name beside it");
    case InPlace::Links:
        return QCoreApplication::translate(
            "voxtrel::SaveResult",
            "in place: it has other names (hard links), which keep seeing it");
    case InPlace::Owner:
        return QCoreApplication::translate(
            "voxtrel::SaveResult", "in place: a new file could not keep its owner and group");
    }
    return {};
}

QString SaveResult::FailureText(const QString& FileName) const {
    switch (Result) {
    case Outcome::Saved:
        return {};
    case Outcome::Rescued:
        return QCoreApplication::translate("voxtrel::SaveResult", "%1 was not saved.\n%2")
            .arg(FileName, Reason);
    case Outcome::Locked:
        return Reason;
    case Outcome::ChangedOnDisk:
        return QCoreApplication::translate("voxtrel::SaveResult",
                                           "%1 changed while it was being read; nothing written.")
            .arg(FileName);
    case Outcome::Declined:
    case Outcome::Failed:
        break;
    }
    return QCoreApplication::translate("voxtrel::SaveResult",
                                       "%1 was not saved; it is unchanged.\n%2")
        .arg(FileName, Reason);
}

} // namespace voxtrel
