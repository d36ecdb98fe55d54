#pragma once

#include <QObject>
#include <QString>

class QLineEdit;
class QListWidget;
class QStatusBar;

namespace voxtrel {

class NameDocument;

// The list of names and the search box under it: a line per record, bold while its name
// differs from the name as last saved, and finding names by their start (typing), anywhere
// in them (Enter, F3, back with Shift) and by walking (Up, Down from the box).
class NameList : public QObject {
    Q_OBJECT
public:
    NameList(QListWidget* List, QLineEdit* Search, const NameDocument& Document, QStatusBar* Status,
             QObject* parent = nullptr);

    // Every name of the document, unselected.
    void Fill();
    // The record's line shows its name and its mark.
    void Show(qint32 Index);
    // Every line, after the names were read again or saved.
    void ShowAll();
    // Find next (Enter, F3) and back: the next name containing the search text.
    void FindNext(bool Forward);

private:
    void MarkLine(qint32 Index);
    void SearchChanged();
    // Shows whether the last search found a name: a tint and a status message when not.
    void SetFound(bool Found);
    bool SearchEvent(QEvent* Event);

    QListWidget* m_List;
    QLineEdit* m_Search;
    const NameDocument& m_Document;
    QStatusBar* m_Status;
};

} // namespace voxtrel
