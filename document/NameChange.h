#pragma once

#include <QList>
#include <QString>

namespace voxtrel {

// One rename that a name list asks for: record Index goes from OldName to NewName. Line is
// the list's line that asked for it (0 when it came from elsewhere).
struct NameChange {
    qint32 Index = 0;
    QString OldName;
    QString NewName;
    int Line = 0;
};

using NameChanges = QList<NameChange>;

} // namespace voxtrel
