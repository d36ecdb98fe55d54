#include "app/CompareMarks.h"

#include "app/NameList.h"
#include "app/NameListModel.h"
#include "app/Search.h"

#include "document/NameDocument.h"
#include "document/NameLists.h"
#include "document/NativePath.h"

#include <QAction>
#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QListView>
#include <QStatusBar>
#include <utility>

namespace voxtrel {
namespace {

const QString NameFileFilter = QStringLiteral("Name files (*.bin);;All files (*)");
const QString PatchFilter = QStringLiteral("Workbooks (*.xlsx);;CSV lists (*.csv);;All files (*)");

} // namespace

CompareMarks::CompareMarks(QWidget* Window, QString Title, QListView* View, NameList* List,
                           NameDocument& Document, const AppServices& Services, QStatusBar* Status)
    : QObject(Window), m_Window(Window), m_Title(std::move(Title)), m_View(View), m_List(List),
      m_Document(Document), m_Services(Services), m_Status(Status), m_Compared(Document.AppPath()) {
    m_List->Model()->setCompared([this](qint32 record) { return Differs(record); });
}

void CompareMarks::Attach(const MainMenus& Menus, const std::function<bool()>& Busy) {
    connect(Menus.MnuCompare, &QAction::triggered, this, [this, Busy] {
        if (!Busy()) {
            Compare();
        }
    });
    connect(Menus.MnuExportDifferences, &QAction::triggered, this, [this, Busy] {
        if (!Busy()) {
            ExportDifferences();
        }
    });
    connect(Menus.MnuNextDifference, &QAction::triggered, this, [this] { Step(true); });
    connect(Menus.MnuPreviousDifference, &QAction::triggered, this, [this] { Step(false); });
}

QColor CompareMarks::Tint() {
    return QColor(255, 236, 170);
}

void CompareMarks::Compare() {
    const QString path =
        m_Services.Files->OpenPath(m_Window, QStringLiteral("Compare with file"),
                                   QFileInfo(m_Document.FilePath()).absolutePath(), NameFileFilter);
    if (path.isEmpty()) {
        return;
    }
    // The other file is read as any name file is, in a working folder of its own.
    NameDocument other(m_Document.AppPath());
    other.SetEncoding(m_Document.Encoding());
    const OpenResult opened = other.Open(path, {}, [](qint64) { return false; });
    if (!opened.Ok()) {
        m_Services.Messages->Show(
            m_Window,
            NativePath::Shown(opened.Result == OpenResult::Outcome::Declined
                                  ? QStringLiteral("\"%1\" is not a name file.").arg(path)
                                  : opened.Reason),
            m_Title, MessageBoxes::Icon::Warning);
        return;
    }
    m_Compared = other.Table();
    m_Path = path;
    MarkAll();
}

bool CompareMarks::Differs(qint32 Index) const {
    return Active() && Index < m_Compared.Count() &&
           m_Document.Table().Get_Nazwa_Bytes(Index) != m_Compared.Get_Nazwa_Bytes(Index);
}

void CompareMarks::Update(qint32 Index) {
    Q_UNUSED(Index); // its row follows the document through the model
    if (Active()) {
        ShowCount();
    }
}

void CompareMarks::MarkAll() {
    m_List->ShowAll();
    if (Active()) {
        ShowCount();
    }
}

void CompareMarks::ShowCount() {
    qint32 count = 0;
    for (qint32 i = 0; i < m_Document.Table().Count(); ++i) {
        count += Differs(i);
    }
    m_Status->showMessage(
        QStringLiteral("%1 %2 from %3 (F7: next, Shift+F7: previous)")
            .arg(count)
            .arg(count == 1 ? QStringLiteral("name differs") : QStringLiteral("names differ"))
            .arg(NativePath::Shown(QFileInfo(m_Path).fileName())));
}

void CompareMarks::Clear() {
    m_Path.clear();
    MarkAll();
}

void CompareMarks::Step(bool Forward) {
    // By the rows the list shows, a filter's included.
    const int count = m_View->model() ? m_View->model()->rowCount() : 0;
    if (!Active() || count == 0) {
        return;
    }
    const int from = std::max(Search::Current_Row(m_View), Forward ? -1 : 0);
    for (int step = 1; step <= count; ++step) {
        const int row = ((Forward ? from + step : from - step) % count + count) % count;
        if (Differs(m_List->RecordAt(row))) {
            Search::Set_Current_Row(m_View, row);
            return;
        }
    }
}

void CompareMarks::ExportDifferences() {
    if (!Active()) {
        m_Services.Messages->Show(m_Window,
                                  QStringLiteral("Compare with a file first (Menu > Compare "
                                                 "with file...)."),
                                  m_Title, MessageBoxes::Icon::Information);
        return;
    }
    const QFileInfo chosen(m_Document.FilePath());
    QString target = m_Services.Files->SavePath(
        m_Window, QStringLiteral("Export differences"),
        chosen.dir().filePath(chosen.completeBaseName() + QStringLiteral("-patch.xlsx")),
        PatchFilter);
    if (target.isEmpty()) {
        return;
    }
    if (QFileInfo(target).suffix().isEmpty()) {
        target += QStringLiteral(".xlsx");
    }
    const NameChanges rows = NameLists::Differences(m_Compared, m_Document.Table());
    const SaveResult written =
        m_Document.Export_Patch(target, rows, NameLists::FormatFor(target), m_Path);
    m_Services.Messages->Show(
        m_Window,
        NativePath::Shown(
            written.Ok()
                ? QStringLiteral("%1 differences exported to \"%2\".").arg(rows.size()).arg(target)
                : QStringLiteral("The differences were not exported:\n%1").arg(written.Reason)),
        m_Title, written.Ok() ? MessageBoxes::Icon::Information : MessageBoxes::Icon::Warning);
}

} // namespace voxtrel
