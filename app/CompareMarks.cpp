#include "app/CompareMarks.h"

#include "app/MenuEntry.h"
#include "app/NameList.h"
#include "app/ToolBusy.h"
#include "document/FileTypes.h"
#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStatusBar>
#include <QWidget>
#include <utility>

namespace voxtrel {

CompareMarks::CompareMarks(QWidget* Window, QString Title, NameList* List, NameDocument& Document,
                           const AppServices& Services, QStatusBar* Status)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)), m_List(List),
      m_Document(Document), m_Services(Services), m_Status(Status),
      m_Actions{
          MenuEntry(this, tr("&Compare with file..."), "MnuCompare", {}, false),
          MenuEntry(this, tr("Export &differences..."), "MnuExportDifferences", {}, false),
          MenuEntry(this, tr("Next &difference"), "MnuNextDifference", QKeySequence(Qt::Key_F7)),
          MenuEntry(this, tr("Previous difference"), "MnuPreviousDifference",
                    QKeySequence(Qt::SHIFT | Qt::Key_F7))},
      m_Compared(Document.AppPath()) {
    m_List->setMarks(
        [this](qint32 record) { return m_Compared.Differs(m_Document.Table(), record); }, Tint());
    connect(m_Actions.MnuCompare, &QAction::triggered, this, [this] {
        if (!ToolBusy::Refuse(m_Document)) {
            Compare();
        }
    });
    connect(m_Actions.MnuExportDifferences, &QAction::triggered, this, [this] {
        if (!ToolBusy::Refuse(m_Document)) {
            ExportDifferences();
        }
    });
    connect(m_Actions.MnuNextDifference, &QAction::triggered, this, [this] { Step(true); });
    connect(m_Actions.MnuPreviousDifference, &QAction::triggered, this, [this] { Step(false); });
    // The compared file's name of the record shown, beside the count.
    connect(m_List, &NameList::RecordSelected, this, [this](qint32 Record) {
        m_Selected = Record;
        if (m_Compared.Active()) {
            ShowCount();
        }
    });
    // A rename's row follows the document through the list; the count is said again.
    connect(&m_Document, &NameDocument::NameChanged, this, [this] {
        if (m_Compared.Active()) {
            ShowCount();
        }
    });
}

QColor CompareMarks::Tint() {
    return QColor(255, 236, 170);
}

void CompareMarks::FileOpened() {
    m_Compared.Clear(); // marks against another file were the former file's
    MarkAll();
    m_Actions.MnuCompare->setEnabled(true);
    m_Actions.MnuExportDifferences->setEnabled(true);
}

void CompareMarks::Compare() {
    const QString path = m_Services.Files->OpenPath(m_Window, tr("Compare with file"),
                                                    QFileInfo(m_Document.FilePath()).absolutePath(),
                                                    FileTypes::NameFileFilter());
    if (path.isEmpty()) {
        return;
    }
    const OpenResult opened = m_Compared.Open(path, m_Document.Encoding());
    if (!opened.Notes.isEmpty()) {
        // The compared file held a cut save, which was rolled back first: said once, as an
        // open says it.
        m_Services.Messages->Show(m_Window, opened.Notes.join(QLatin1Char('\n')), m_Title,
                                  MessageBoxes::Icon::Warning);
    }
    if (!opened.Ok()) {
        m_Services.Messages->Show(m_Window, NativePath::Shown(opened.Reason), m_Title,
                                  MessageBoxes::Icon::Warning);
        return;
    }
    MarkAll();
}

void CompareMarks::MarkAll() {
    m_List->ShowAll();
    if (m_Compared.Active()) {
        ShowCount();
    }
}

void CompareMarks::ShowCount() {
    const qint32 count = m_Compared.Count(m_Document.Table());
    const std::optional<QString> other = m_Compared.OtherName(m_Selected);
    m_Status->showMessage(
        (count == 1
             ? tr("%n name differs from %1 (F7: next, Shift+F7: previous)%2", nullptr, 1)
             : tr("%n names differ from %1 (F7: next, Shift+F7: previous)%2", nullptr, count))
            .arg(NativePath::Shown(QFileInfo(m_Compared.Path()).fileName()))
            .arg(other ? tr(" \u00b7 record %1 there: \"%2\"").arg(m_Selected).arg(*other)
                       : QString()));
}

void CompareMarks::Step(bool Forward) {
    // By the rows the list shows, a filter's included.
    if (m_Compared.Active()) {
        (void)m_List->SelectNext(Forward, [this](qint32 record) {
            return m_Compared.Differs(m_Document.Table(), record);
        });
    }
}

void CompareMarks::ExportDifferences() {
    if (!m_Compared.Active()) {
        m_Services.Messages->Show(m_Window,
                                  tr("Compare with a file first (Menu > Compare "
                                     "with file...)."),
                                  m_Title, MessageBoxes::Icon::Information);
        return;
    }
    // Which way the patch runs, in words: with the game's file open and the modded copy
    // compared, the mod is "turns the open file into the compared one".
    const QString open = QFileInfo(m_Document.FilePath()).fileName();
    const QString other = QFileInfo(m_Compared.Path()).fileName();
    const int way = m_Services.Messages->Choose(
        m_Window,
        tr("Export a patch that turns %1 into %2 (it applies the renames of the "
           "open file), or one that turns %2 into %1?")
            .arg(NativePath::Shown(other), NativePath::Shown(open)),
        m_Title,
        {tr("&Turns %1 into %2").arg(NativePath::Shown(other), NativePath::Shown(open)),
         tr("Turns %1 &into %2").arg(NativePath::Shown(open), NativePath::Shown(other)),
         tr("Cancel")});
    if (way != 0 && way != 1) {
        return;
    }
    const auto direction =
        way == 0 ? NameComparison::Direction::ToOpen : NameComparison::Direction::ToOther;
    const QFileInfo from(way == 0 ? m_Compared.Path() : m_Document.FilePath());
    const QFileInfo to(way == 0 ? m_Document.FilePath() : m_Compared.Path());
    const QString chosen = m_Services.Files->SavePath(
        m_Window, tr("Export differences"),
        QFileInfo(m_Document.FilePath())
            .dir()
            .filePath(QStringLiteral("patch %1 to %2.xlsx")
                          .arg(from.completeBaseName(), to.completeBaseName())),
        FileTypes::ListWriteFilter());
    if (chosen.isEmpty()) {
        return;
    }
    const QString path = FileTypes::ListTarget(chosen);
    const NameChanges rows = m_Compared.Differences(m_Document.Table(), direction);
    const SaveResult written =
        m_Document.ExportPatch(path, rows, NameLists::FormatFor(path), m_Compared.Path());
    m_Services.Messages->Show(
        m_Window,
        NativePath::Shown(written.Ok()
                              ? tr("%1 differences exported to \"%2\".").arg(rows.size()).arg(path)
                              : tr("The differences were not exported:\n%1").arg(written.Reason)),
        m_Title, written.Ok() ? MessageBoxes::Icon::Information : MessageBoxes::Icon::Warning);
}

} // namespace voxtrel
