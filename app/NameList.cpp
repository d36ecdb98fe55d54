#include "app/NameList.h"

#include "app/EventHook.h"
#include "app/MenuEntry.h"
#include "app/NameFilter.h"
#include "app/NameListModel.h"
#include "app/Search.h"
#include "document/NameDocument.h"
#include "document/NameSearch.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

namespace voxtrel {
namespace {

const QString SearchPlaceholder = QStringLiteral("Search...");

} // namespace

NameList::NameList(QListView* List, QLineEdit* Search, QToolButton* Filter,
                   const NameDocument& Document, QStatusBar* Status, QObject* parent)
    : QObject(parent), m_List(List), m_Search(Search), m_Filter(Filter), m_Document(Document),
      m_Status(Status), m_Model(new NameListModel(Document, this)), m_Proxy(new NameFilter(this)),
      m_Actions{MenuEntry(this, QStringLiteral("&Find"), "MnuFind", QKeySequence::Find),
                MenuEntry(this, QStringLiteral("Fi&lter names"), "MnuFilter",
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F))} {
    m_Actions.MnuFilter->setCheckable(true);
    m_Proxy->setSourceModel(m_Model);
    m_List->setModel(m_Proxy);
    connect(m_List->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const qint32 record = SelectedRecord();
        m_Proxy->setPinned(record); // the selected record stays shown while it is worked on
        if (record >= 0) {
            emit RecordSelected(record);
        }
    });
    connect(m_Search, &QLineEdit::textChanged, this, &NameList::SearchChanged);
    // The toggle beside the box and the menu entry are one switch: a click on the toggle
    // checks the entry, and the entry, however checked, filters and sets the toggle.
    connect(m_Filter, &QToolButton::toggled, m_Actions.MnuFilter, &QAction::setChecked);
    connect(m_Actions.MnuFilter, &QAction::toggled, this, &NameList::setFiltering);
    connect(m_Actions.MnuFind, &QAction::triggered, this, [this] {
        m_Search->setFocus(Qt::ShortcutFocusReason);
        Search::Select_All(m_Search);
    });
    // Renames from anywhere, and the same bytes read in another code page.
    connect(&m_Document, &NameDocument::NameChanged, this, &NameList::Show);
    connect(&m_Document, &NameDocument::EncodingChanged, this, &NameList::ShowAll);
    new EventHook(m_Search, [this](QEvent* e) { return SearchEvent(e); });
}

void NameList::setMarks(std::function<bool(qint32 Record)> Marked, const QColor& Tint) {
    m_Model->setMarks(std::move(Marked), Tint);
}

void NameList::Fill() {
    m_Proxy->setPinned(-1);
    m_Model->Reset();
}

void NameList::Show(qint32 Index) {
    m_Model->Changed(Index);
}

void NameList::ShowAll() {
    m_Model->ChangedAll();
}

qint32 NameList::RecordAt(int Row) const {
    return m_Proxy->index(Row, 0).data(NameListModel::RecordRole).toInt();
}

qint32 NameList::SelectedRecord() const {
    const int row = Search::CurrentRow(m_List);
    return row < 0 ? -1 : RecordAt(row);
}

void NameList::SelectRecord(qint32 Record) {
    const QModelIndex shown = m_Proxy->mapFromSource(m_Model->index(Record));
    if (shown.isValid()) {
        Search::SetCurrentRow(m_List, shown.row());
    }
}

bool NameList::SelectNext(bool Forward, const std::function<bool(qint32 Record)>& Matches) {
    const std::optional<int> row =
        NameSearch::Next(m_Proxy->rowCount(), Search::CurrentRow(m_List), Forward,
                         [this, &Matches](int at) { return Matches(RecordAt(at)); });
    if (row) {
        Search::SetCurrentRow(m_List, *row);
    }
    return row.has_value();
}

bool NameList::Filtering() const {
    return m_Filter->isChecked();
}

QString NameList::FilterText() const {
    return m_Search->text() == SearchPlaceholder ? QString() : m_Search->text();
}

void NameList::setFiltering(bool On) {
    m_Filter->setChecked(On); // its entry, already On, stays as it is
    const qint32 record = SelectedRecord();
    m_Proxy->setFilterFixedString(On ? FilterText() : QString());
    if (record >= 0) {
        SelectRecord(record); // the same record, where the filter still shows it
    }
}

void NameList::SearchChanged() {
    if (Filtering()) {
        // The list shows what holds the text; the record stays selected where it can.
        const qint32 record = SelectedRecord();
        m_Proxy->setFilterFixedString(FilterText());
        if (record >= 0) {
            SelectRecord(record);
        }
        setFound(m_Proxy->rowCount() > 0 || FilterText().isEmpty());
        return;
    }
    const bool found = Search::FindPrefix(m_List, m_Search->text());
    setFound(found || m_Search->text().isEmpty());
}

void NameList::FindNext(bool Forward) {
    setFound(Search::FindNext(m_List, m_Search->text(), Forward) >= 0);
}

void NameList::setFound(bool Found) {
    QPalette palette = m_Search->palette();
    const QColor base =
        Found ? QApplication::palette(m_Search).color(QPalette::Base) : QColor(255, 218, 218);
    if (palette.color(QPalette::Base) != base) {
        palette.setColor(QPalette::Base, base);
        m_Search->setPalette(palette);
    }
    if (!Found) {
        m_Status->showMessage(QStringLiteral("No name contains '%1'").arg(m_Search->text()));
    } else if (m_Status->currentMessage().startsWith(QStringLiteral("No name contains"))) {
        m_Status->clearMessage();
    }
}

bool NameList::SearchEvent(QEvent* Event) {
    switch (Event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(Event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_F3) {
            FindNext(!(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        // While filtering, the box's text is the filter: walking leaves it as it is.
        auto* key = static_cast<QKeyEvent*>(Event);
        if (!key->isAutoRepeat() && key->key() == Qt::Key_Up) {
            Search::Move_Selection(m_List, m_Search, 1, !Filtering());
        } else if (!key->isAutoRepeat() && key->key() == Qt::Key_Down) {
            Search::Move_Selection(m_List, m_Search, 2, !Filtering());
        }
        break;
    }
    case QEvent::FocusIn:
        // After the click that brought the focus has placed the cursor.
        QTimer::singleShot(0, m_Search, [this] { Search::Select_All(m_Search); });
        break;
    default:
        break;
    }
    return false;
}

} // namespace voxtrel
