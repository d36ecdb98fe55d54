#include "app/Questions.h"

#include <QCoreApplication>

#include "document/NameFileSize.h"
#include "document/SaveResult.h"
#include "names/NameFileLayout.h"

#include <QDir>
#include <QLocale>

namespace voxtrel::Questions {
namespace {

QString bytes(qint64 count) {
    return QLocale(QLocale::English).toString(count);
}

} // namespace

QString OpenOddSize(const QString& Name, qint64 Bytes) {
    return NameFileSize::WrongSize(Name, Bytes) +
           QCoreApplication::translate("voxtrel::Questions", " Open it anyway?");
}

QString SaveOddSize(const QString& Name, qint64 Bytes) {
    const qint64 difference = Bytes - layout::FileSize;
    const QString change =
        difference > 0
            ? QCoreApplication::translate("voxtrel::Questions", "the last %1 bytes are left out")
                  .arg(bytes(difference))
            : QCoreApplication::translate("voxtrel::Questions", "%1 bytes are added")
                  .arg(bytes(-difference));
    return QCoreApplication::translate(
               "voxtrel::Questions",
               "%1 decompressed to %2 bytes; a name file is %3 bytes. Saving writes a "
               "%3-byte name file: %4. Save?")
        .arg(Name, bytes(Bytes), bytes(layout::FileSize), change);
}

QStringList SaveOddSizeButtons() {
    return {QCoreApplication::translate("voxtrel::Questions", "&Save"),
            QCoreApplication::translate("voxtrel::Questions", "Cancel")};
}

QStringList ChangedOnDiskButtons() {
    return {QCoreApplication::translate("voxtrel::Questions", "&Overwrite"),
            QCoreApplication::translate("voxtrel::Questions", "Save &As..."),
            QCoreApplication::translate("voxtrel::Questions", "Cancel")};
}

QStringList UnsavedReadOnlyButtons() {
    return {QCoreApplication::translate("voxtrel::Questions", "Save &As..."),
            QCoreApplication::translate("voxtrel::Questions", "&Discard"),
            QCoreApplication::translate("voxtrel::Questions", "Cancel")};
}

QString ChangedOnDisk(const QString& Name) {
    return QCoreApplication::translate(
               "voxtrel::Questions",
               "%1 was changed on disk since it was opened. Overwrite it, or cancel and keep both?")
        .arg(Name);
}

QString UnsavedReadOnly(const QString& Name) {
    return QCoreApplication::translate(
               "voxtrel::Questions",
               "The names in %1 have changed, and %1 cannot be written. Save the "
               "changes to another file?")
        .arg(Name);
}

QString Written(const QString& Path, const SaveResult& Saved) {
    const QString how = Saved.HowWritten();
    return QCoreApplication::translate("voxtrel::Questions", "Written to %1%2")
        .arg(QDir::toNativeSeparators(Path),
             how.isEmpty() ? QString() : QStringLiteral(", ") + how + QLatin1Char('.'));
}

QString OddSizeNote(qint64 Bytes) {
    return QCoreApplication::translate("voxtrel::Questions", "Not a name file's size: %1 bytes")
        .arg(bytes(Bytes));
}

QString Refused(const QStringList& Characters, const QString& Page, const QString& Title,
                bool RestKept) {
    QStringList quoted;
    for (const QString& c : Characters) {
        quoted << QStringLiteral("'%1'").arg(c);
    }
    return QCoreApplication::translate("voxtrel::Questions",
                                       "%1 cannot be stored in the %2 (%3) code page%4")
        .arg(quoted.join(QStringLiteral(", ")), Title, Page,
             RestKept ? QCoreApplication::translate("voxtrel::Questions", "; the rest was kept.")
                      : QStringLiteral("."));
}

} // namespace voxtrel::Questions
