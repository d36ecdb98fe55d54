#pragma once

#include "document/ListCheck.h"
#include "document/NameChange.h"
#include "document/SaveResult.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace voxtrel {

class CodePage;
class NameDocument;

// How a list goes into name files.
struct ImportOptions {
    // Conflicts with the patch's "was", and names a spreadsheet seems to have converted,
    // are applied all the same.
    bool Force = false;
    // Characters a file's code page cannot hold are replaced by their Latin forms.
    bool Transliterate = false;
    // Names a spreadsheet seems to have converted go to a preview that marks each and asks,
    // rather than being refused.
    bool DamageAsked = false;
    // A file another program changed since it was read is written all the same.
    bool OverwriteChanged = false;
};

// One file a list goes into, and the code page its names are read and written in.
struct ImportTarget {
    QString File;
    const CodePage* Encoding = nullptr; // none: windows-1252
};

// What checking the list against one file found. Only Ready files are written.
struct FileCheck {
    enum class Outcome {
        Ready,     // every check passed: Changes are what it gets (maybe none)
        Duplicate, // the same file as one before it (as given, or through a link), or the
                   // file open in the editor
        Unopened,  // not readable as a name file
        Refused,   // the list's rows are wrong for it (or the list could not be read)
        Conflict,  // names are not what the patch says they were; Force applies them
        Damaged,   // new names look like what a spreadsheet made of them; Force applies them
        ReadOnly,  // the file cannot be written as it is on disk now
    };
    Outcome Result = Outcome::Refused;
    QString File;     // as given
    QString Reason;   // for all but Ready
    QString Encoding; // the code page it was read in
    NameChanges Changes;
    qsizetype Conflicts = 0; // names not what the patch said, counted also when forced
    QStringList Notes;       // what the list's reader and the open noticed, a line each
    // The code page its names suggest instead of Encoding.
    std::optional<QString> Likely;

    [[nodiscard]] bool Passes() const { return Result == Outcome::Ready; }
    // Every character replaced: "index 4: Łukasz → Lukasz".
    [[nodiscard]] QStringList Replaced() const;
};

// What writing the checked files came to.
struct ImportWrite {
    enum class Outcome {
        Written, // every file with changes was saved
        Refused, // some file failed its checks: nothing was written
        Partly,  // a save failed after the checks passed: Written and NotWritten say which
    };
    Outcome Result = Outcome::Refused;
    QStringList Written;    // as given
    QStringList NotWritten; // as given, with changes that did not reach the file
    QStringList Unchanged;  // as given: nothing to change, not written
    // Each save, in the order of the files, for those with changes.
    QList<std::pair<QString, SaveResult>> Saves;

    [[nodiscard]] bool Ok() const { return Result == Outcome::Written; }
};

// One list into one name file or many, all or nothing: every file is opened and checked
// (readable, a name file, the list's rows and conflicts, its code page, writable, not the
// same file twice) before any is written; then each is saved by the journalled save, so that
// a failure leaves every file as it was or fully written. The window's Apply to other files,
// voxtrel-names import and apply all run it.
class ImportPlan {
public:
    // AppPath: the application folder, as NameDocument takes it. OpenFile: the file open in
    // the editor, which the plan refuses to write behind its back; empty for none.
    explicit ImportPlan(QString AppPath, QString OpenFile = {});
    ~ImportPlan();
    ImportPlan(const ImportPlan&) = delete;
    ImportPlan& operator=(const ImportPlan&) = delete;

    // Opens every target and checks the list (its bytes, as NameLists::Load reads them)
    // against it. Nothing is written.
    [[nodiscard]] const QList<FileCheck>&
    Check(const QByteArray& List, const QList<ImportTarget>& Targets, const ImportOptions& Options);
    // Whether every file checked passed.
    [[nodiscard]] bool Passes() const;
    const QList<FileCheck>& Checks() const { return m_Checks; }
    // Saves each checked file that has changes, when every file passed; else writes nothing.
    [[nodiscard]] ImportWrite Write();

    // The force rule for a list checked against one table: Ready, or why not.
    [[nodiscard]] static FileCheck Judge(const ListCheck& Checked, const ImportOptions& Options);

private:
    QString m_AppPath;
    QString m_OpenFile;
    ImportOptions m_Options;
    QList<FileCheck> m_Checks;
    std::vector<std::unique_ptr<NameDocument>> m_Documents; // beside m_Checks
};

} // namespace voxtrel
