#pragma once

#include "document/ListCheck.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace voxtrel {

class Baza;

// One row of a name list as read: its fields (UTF-8), the line or sheet row it stands on, and
// what the name cell holds where a spreadsheet says (text, or a value it would convert).
// NameTooLong: the reader stopped reading the name cell once it passed a name's length.
struct ListRow {
    enum class Cell { Text, Number, Formula, Error, Boolean, Date };
    int Row = 0;
    QList<QByteArray> Fields;
    Cell NameCell = Cell::Text;
    bool NameTooLong = false;
};

// The rules every name list follows, whatever its format: a header "index", "name" (and
// "was" for a patch), then any rows in any order, each naming a record once with a name its
// code page can hold. A patch's row applies only where the name is what it says it was (or
// already the new name); any other is a conflict. An empty or missing "was" says the name
// was empty. A row whose new name is what a spreadsheet makes of the current one is marked
// as damage. Rows are
// taken one at a time, so a list of any shape costs memory for one row; the first faults are
// kept as text, the rest counted.
class NameRows {
public:
    // How a place is named: a CSV's "line 12", or a sheet's cells ("B12").
    enum class Places { Lines, Cells };
    // Transliterate: a character the code page cannot hold is replaced by its Latin form
    // rather than refused.
    NameRows(const Baza& Table, Places Style, bool Transliterate = false);

    // The header first, then every row.
    void Take(const ListRow& Row);
    // A fault of the format itself, already worded with its place.
    void Fault(const QString& Problem);
    // Something the reader noticed that refuses nothing, said with the result.
    void Note(const QString& Text);
    // Ready with the renames, or Refused naming the faults.
    ListCheck Result();

    // Failing rows named in a refusal; the rest are only counted.
    static constexpr int MaxReported = 20;
    // The list was refused: these words, then the faults.
    static QString Refused(const QString& Why);

private:
    // Where: a row's index cell (0), name cell (1) or the row itself (-1).
    QString Place(int Row, int Column) const;
    void Refuse(int Row, int Column, const QString& Why);

    const Baza& m_Table;
    Places m_Style;
    bool m_Transliterate;
    bool m_Header = true;
    bool m_HasWas = false; // the list is a patch: its third column says what a name was
    QStringList m_Conflicts;
    int m_ConflictCount = 0;
    QStringList m_Replacements;
    QStringList m_Damaged;
    int m_DamageCount = 0;
    QStringList m_Notes;
    QStringList m_Problems;
    int m_Faults = 0;
    NameChanges m_Changes;
    QHash<qint64, int> m_Seen; // index -> row
};

} // namespace voxtrel
