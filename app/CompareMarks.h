#pragma once

#include "app/AppServices.h"
#include "document/NameComparison.h"

#include <QColor>
#include <QObject>
#include <QString>

class QAction;
class QStatusBar;

namespace voxtrel {

class NameDocument;
class NameList;

// Menu > Compare with file...: the names of the open file that differ from another name
// file's, marked in the list by a tint of their own (renames since the last save are bold),
// counted in the status bar and stepped through with F7 and Shift+F7; Export differences...
// writes them as a patch. Opening another file or comparing again replaces the marks. It owns
// those four menu entries.
class CompareMarks : public QObject {
    Q_OBJECT
public:
    // The menu entries it owns and runs; MainMenus places them.
    struct Entries {
        QAction* MnuCompare;
        QAction* MnuExportDifferences;
        QAction* MnuNextDifference;
        QAction* MnuPreviousDifference;
    };

    CompareMarks(QWidget* Window, QString Title, NameList* List, NameDocument& Document,
                 const AppServices& Services, QStatusBar* Status);

    const Entries& Actions() const { return m_Actions; }

    // Another file is open: the marks against the former one go, and comparing may begin.
    void FileOpened();
    // The tint of a line that differs from the compared file.
    static QColor Tint();
    // The file compared with, for the patch of the differences; none when not comparing.
    const NameComparison& Compared() const { return m_Compared; }

private:
    // Asks for the file to compare with, reads it, and marks the list.
    void Compare();
    // Selects the next (or previous) line that differs, round the ends.
    void Step(bool Forward);
    // Writes the patch of the open file against the compared one.
    void ExportDifferences();
    // Every row's tint and the count.
    void MarkAll();
    void ShowCount();

    QWidget* m_Window;
    QString m_Title;
    NameList* m_List;
    NameDocument& m_Document;
    const AppServices& m_Services;
    QStatusBar* m_Status;
    Entries m_Actions;
    NameComparison m_Compared;
    qint32 m_Selected = -1; // the record the list shows, for its name in the compared file
};

} // namespace voxtrel
