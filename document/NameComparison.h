#pragma once

#include "document/NameChange.h"
#include "document/OpenResult.h"
#include "names/Baza.h"

#include <QString>
#include <optional>

namespace voxtrel {

class CodePage;

// The open file's names against another name file's: which records differ, how many, and the
// patch of them. The other file is read once; the open file's names are passed in each time,
// so that renames since show at once.
class NameComparison {
public:
    // AppPath: the application folder, as NameDocument takes it.
    explicit NameComparison(const QString& AppPath);

    // Reads Path as any name file is read, in a working folder of its own, its names in
    // Encoding. A file of another size than a name file's is Declined with the reason. After
    // anything but Opened the file compared before stays compared.
    [[nodiscard]] OpenResult Open(const QString& Path, const CodePage& Encoding);
    // Compares with nothing.
    void Clear();

    bool Active() const { return !m_Path.isEmpty(); }
    // The file compared with; empty when none.
    QString Path() const { return m_Path; }
    // Whether record Index of Current has other name bytes than the compared file's.
    bool Differs(const Baza& Current, qint32 Index) const;
    // How many records of Current differ.
    qint32 Count(const Baza& Current) const;
    // Which way a patch of the differences runs.
    enum class Direction {
        ToOther, // turns the open file into the compared one: the mod, with the game's open
        ToOpen,  // turns the compared file into the open one
    };
    // The records that differ, as a patch in Way: ToOpen gives Current's names (was: the
    // compared file's), ToOther the compared file's (was: Current's).
    NameChanges Differences(const Baza& Current, Direction Way = Direction::ToOpen) const;
    // The compared file's name of record Index; none when not comparing or past its end.
    std::optional<QString> OtherName(qint32 Index) const;

private:
    QString m_AppPath;
    Baza m_Other;
    QString m_Path;
};

} // namespace voxtrel
