#pragma once

#include <QString>

class QLabel;
class QStatusBar;

namespace voxtrel {

// The status bar's lasting notes, right of its messages: the name's length while it is typed,
// that a file not of a name file's size is open, and the record shown with the code page.
class StatusNotes {
public:
    explicit StatusNotes(QStatusBar* Bar);

    // "12 of 58", shown while the name field has the focus.
    void NameLength(qsizetype Length, bool Shown);
    // Bytes: the decompressed size of the open file when not a name file's, else 0.
    void OddSize(qint64 Bytes);
    // "Record 17 of 1209 · windows-1252"; Count 0 shows the code page alone.
    void Record(qint32 Index, qint32 Count, const QString& Page);

private:
    QLabel* m_NameLength;
    QLabel* m_OddSize;
    QLabel* m_Record;
};

} // namespace voxtrel
