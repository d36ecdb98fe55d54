#pragma once

#include <QList>
#include <QString>

namespace voxtrel {

// One rename that a name list asks for: record Index goes from OldName to NewName. Line is
// the list's line that asked for it (0 when it came from elsewhere). A patch also says what
// the name was where it was made (Was, when HasWas); Typed is the name as the list typed it,
// before characters the code page cannot hold were replaced. Damage says what a spreadsheet
// seems to have made of the old name ("a number"), empty when nothing.
struct NameChange {
    qint32 Index = 0;
    QString OldName;
    QString NewName;
    int Line = 0;
    QString Was;
    bool HasWas = false;
    QString Typed;
    QString Damage;
};

using NameChanges = QList<NameChange>;

} // namespace voxtrel
