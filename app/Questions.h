#pragma once

#include <QString>
#include <QStringList>

namespace voxtrel {

struct SaveResult;

// The words of the window's questions and confirmations, each in one place.
namespace Questions {

// Before opening a file that does not decompress to a name file's size.
QString OpenOddSize(const QString& Name, qint64 Bytes);
// Before writing such a file over itself as a name file: Save, or Cancel.
QString SaveOddSize(const QString& Name, qint64 Bytes);
QStringList SaveOddSizeButtons();
// Another program changed the file since it was opened: Overwrite, Save As..., or Cancel.
QString ChangedOnDisk(const QString& Name);
enum ChangedOnDiskAnswer { Overwrite, SaveAs, Cancel };
QStringList ChangedOnDiskButtons();
// Unsaved changes to a file that cannot be written: Save As..., Discard, or Cancel.
QString UnsavedReadOnly(const QString& Name);
enum UnsavedReadOnlyAnswer { SaveElsewhere, DiscardChanges, KeepEditing };
QStringList UnsavedReadOnlyButtons();
// The detail under "Save File": where, and how when not by a replace.
QString Written(const QString& Path, const SaveResult& Saved);
// What the status bar says while a file not of a name file's size is open.
QString OddSizeNote(qint64 Bytes);
// What the status bar says of characters the code page cannot hold.
QString Refused(const QStringList& Characters, const QString& Page, const QString& Title,
                bool RestKept);

} // namespace Questions
} // namespace voxtrel
