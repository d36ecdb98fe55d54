#include "document/ImportPlan.h"

#include <QCoreApplication>

#include "document/NameDocument.h"
#include "document/NameFileSize.h"
#include "document/NameLists.h"
#include "names/CodePage.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <utility>

namespace voxtrel {
namespace {

// The file behind Path, links followed: its device and inode; none when it cannot be seen.
std::optional<std::pair<dev_t, ino_t>> Identity(const QString& Path) {
    struct stat st {};
    if (::stat(QFile::encodeName(Path).constData(), &st) != 0) {
        return std::nullopt;
    }
    return std::pair{st.st_dev, st.st_ino};
}

} // namespace

QStringList FileCheck::Replaced() const {
    QStringList replaced;
    for (const NameChange& c : Changes) {
        if (!c.Typed.isEmpty() && c.Typed != c.NewName) {
            replaced << QCoreApplication::translate("voxtrel::ImportPlan", "index %1: %2 \u2192 %3")
                            .arg(c.Index)
                            .arg(c.Typed, c.NewName);
        }
    }
    return replaced;
}

ImportPlan::ImportPlan(QString AppPath, QString OpenFile)
    : m_AppPath(std::move(AppPath)), m_OpenFile(std::move(OpenFile)) {}

ImportPlan::~ImportPlan() = default;

FileCheck ImportPlan::Judge(const ListCheck& Checked, const ImportOptions& Options) {
    FileCheck check;
    check.Changes = Checked.Changes;
    check.Notes = Checked.Notes;
    for (const NameChange& c : Checked.Changes) {
        check.Conflicts += c.HasWas && c.Was != c.OldName ? 1 : 0;
    }
    const bool forcedConflict = Checked.Result == ListCheck::Outcome::Conflict && Options.Force;
    if (!Checked.Ok() && !forcedConflict) {
        check.Result = Checked.Result == ListCheck::Outcome::Conflict ? FileCheck::Outcome::Conflict
                                                                      : FileCheck::Outcome::Refused;
        check.Reason = Checked.Reason;
        return check;
    }
    // Names a spreadsheet seems to have converted go in only when asked for.
    if (Checked.Damaged() && !Options.Force && !Options.DamageAsked) {
        check.Result = FileCheck::Outcome::Damaged;
        check.Reason = Checked.Damage;
        return check;
    }
    check.Result = FileCheck::Outcome::Ready;
    return check;
}

const QList<FileCheck>& ImportPlan::Check(const QByteArray& List,
                                          const QList<ImportTarget>& Targets,
                                          const ImportOptions& Options) {
    m_Options = Options;
    m_Checks.clear();
    m_Documents.clear();
    QList<std::pair<dev_t, ino_t>> seen;
    const auto open = m_OpenFile.isEmpty() ? std::nullopt : Identity(m_OpenFile);
    for (const ImportTarget& target : Targets) {
        auto document = std::make_unique<NameDocument>(m_AppPath);
        const CodePage& page = target.Encoding ? *target.Encoding : CodePage::Western();
        FileCheck check;
        const auto identity = Identity(target.File);
        if (identity && seen.contains(*identity)) {
            check.Result = FileCheck::Outcome::Duplicate;
            check.Reason =
                QCoreApplication::translate("voxtrel::ImportPlan", "The same file is given twice.");
        } else if (identity && identity == open) {
            check.Result = FileCheck::Outcome::Duplicate;
            check.Reason = QCoreApplication::translate(
                "voxtrel::ImportPlan", "It is the file open in the editor; Import names... "
                                       "applies a list to it.");
        } else {
            if (identity) {
                seen << *identity;
            }
            qint64 size = 0;
            const auto nameFileSize = [&size](qint64 Bytes) {
                size = Bytes;
                return false; // a file of another size is not rewritten as a name file
            };
            const OpenResult opened = document->Open(target.File, {}, nameFileSize);
            if (!opened.Ok()) {
                check.Result = FileCheck::Outcome::Unopened;
                check.Reason = opened.Result == OpenResult::Outcome::Declined
                                   ? NameFileSize::WrongSize(target.File, size)
                                   : opened.Reason;
            } else {
                document->setEncoding(page);
                check = Judge(NameLists::Check(List, document->Table(), Options.Transliterate),
                              Options);
                check.Likely = NameLists::LikelyEncoding(document->Table(), page);
                const std::optional<QString> readOnly = document->ReadOnly();
                if (check.Passes() && readOnly) {
                    check.Result = FileCheck::Outcome::ReadOnly;
                    check.Reason = readOnly->section(QLatin1Char(';'), 0, 0) + QLatin1Char('.');
                }
            }
            check.Notes = opened.Notes + check.Notes;
        }
        check.File = target.File;
        check.Encoding = page.Name();
        m_Checks << check;
        m_Documents.push_back(std::move(document));
    }
    return m_Checks;
}

bool ImportPlan::Passes() const {
    return std::all_of(m_Checks.begin(), m_Checks.end(),
                       [](const FileCheck& c) { return c.Passes(); });
}

ImportWrite ImportPlan::Write() {
    ImportWrite result;
    if (!Passes() || m_Checks.isEmpty()) {
        return result; // Refused: nothing is written
    }
    SaveOptions options;
    options.OverwriteChanged = m_Options.OverwriteChanged;
    for (qsizetype i = 0; i < m_Checks.size(); ++i) {
        const FileCheck& check = m_Checks[i];
        NameDocument& document = *m_Documents[size_t(i)];
        if (check.Changes.isEmpty()) {
            result.Unchanged << check.File;
            continue;
        }
        SaveResult saved;
        if (const Result<qsizetype> imported = document.Import(check.Changes); imported.Ok()) {
            saved = document.Save(options);
        } else {
            saved.Reason = imported.Reason();
        }
        (saved.Ok() ? result.Written : result.NotWritten) << check.File;
        result.Saves.push_back({check.File, saved});
    }
    result.Result =
        result.NotWritten.isEmpty() ? ImportWrite::Outcome::Written : ImportWrite::Outcome::Partly;
    return result;
}

} // namespace voxtrel
