#pragma once

#include "app/AppServices.h"
#include "app/MainMenus.h"
#include "names/Baza.h"

#include <QObject>
#include <QString>
#include <functional>

class QListView;
class QStatusBar;

namespace voxtrel {

class NameDocument;
class NameList;

// Menu > Compare with file...: the names of the open file that differ from another name
// file's, marked in the list by a tint of their own (renames since the last save are bold),
// counted in the status bar and stepped through with F7 and Shift+F7; Export differences...
// writes them as a patch. Opening another file or comparing again replaces the marks.
class CompareMarks : public QObject {
    Q_OBJECT
public:
    CompareMarks(QWidget* Window, QString Title, QListView* View, NameList* List,
                 NameDocument& Document, const AppServices& Services, QStatusBar* Status);

    // Connects the menu entries; Busy says (and beeps) when the tool runs and they must wait.
    void Attach(const MainMenus& Menus, const std::function<bool()>& Busy);
    // Asks for the file to compare with, reads it, and marks the list.
    void Compare();
    // The count, after a record's name changed.
    void Update(qint32 Index);
    // Every row's tint and the count.
    void MarkAll();
    // Whether the record's name differs from the compared file's.
    bool Differs(qint32 Index) const;
    // Forgets the compared file: another file was opened.
    void Clear();
    // Selects the next (or previous) line that differs, round the ends.
    void Step(bool Forward);
    // Writes the patch of the open file against the compared one.
    void ExportDifferences();

    bool Active() const { return !m_Path.isEmpty(); }
    // The tint of a line that differs from the compared file.
    static QColor Tint();

private:
    void ShowCount();

    QWidget* m_Window;
    QString m_Title;
    QListView* m_View;
    NameList* m_List;
    NameDocument& m_Document;
    const AppServices& m_Services;
    QStatusBar* m_Status;
    Baza m_Compared;
    QString m_Path;
};

} // namespace voxtrel
