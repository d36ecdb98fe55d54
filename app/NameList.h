#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QLineEdit;
class QListView;
class QStatusBar;
class QToolButton;

namespace voxtrel {

class NameDocument;
class NameFilter;
class NameListModel;

// The list of names and the search box under it: a view of the document's names (bold while
// a name differs from the name as last saved), finding names by their start (typing), anywhere
// in them (Enter, F3, back with Shift) and by walking (Up, Down from the box), and a filter
// that shows only the names holding the search text. Whatever the filter shows, selection
// means a record. It owns Edit > Find and Filter names, and follows the document's names.
class NameList : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* MnuFind;
        QAction* MnuFilter;
    };

    NameList(QListView* List, QLineEdit* Search, QToolButton* Filter, const NameDocument& Document,
             QStatusBar* Status, QObject* parent = nullptr);

    const Entries& Actions() const { return m_Actions; }

    // Lines of the records Marked holds get the background Tint.
    void setMarks(std::function<bool(qint32 Record)> Marked, const QColor& Tint);
    // Every name of the document anew, none selected.
    void Fill();
    // The record's row shows its name and its marks.
    void Show(qint32 Index);
    // Every row, after the names were read again, saved or compared.
    void ShowAll();
    // Find next (Enter, F3) and back: the next name containing the search text.
    void FindNext(bool Forward);
    // The record of the selected row, or -1.
    qint32 SelectedRecord() const;
    // Selects the record's row, when the filter shows it.
    void SelectRecord(qint32 Record);
    // Selects the next shown record after the selected one (before it, when not Forward) that
    // Matches holds, round the ends; false when none does.
    bool SelectNext(bool Forward, const std::function<bool(qint32 Record)>& Matches);
    // Shows only the names holding the search text, or all again; the toggle shows it.
    void setFiltering(bool On);
    bool Filtering() const;
    // The record of the view's row Row.
    qint32 RecordAt(int Row) const;

signals:
    // The user, or a search, selected the row of Record.
    void RecordSelected(qint32 Record);

private:
    void SearchChanged();
    // Shows whether the last search found a name: a tint and a status message when not.
    void setFound(bool Found);
    bool SearchEvent(QEvent* Event);
    // The search text as a filter: the box's own "Search..." is none.
    QString FilterText() const;

    QListView* m_List;
    QLineEdit* m_Search;
    QToolButton* m_Filter;
    const NameDocument& m_Document;
    QStatusBar* m_Status;
    NameListModel* m_Model;
    NameFilter* m_Proxy;
    Entries m_Actions;
};

} // namespace voxtrel
