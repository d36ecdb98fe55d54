#include "app/NameList.h"

#include "app/EventHook.h"
#include "app/Search.h"
#include "document/NameDocument.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStatusBar>
#include <QTimer>

namespace voxtrel {

NameList::NameList(QListWidget* List, QLineEdit* Search, const NameDocument& Document,
                   QStatusBar* Status, QObject* parent)
    : QObject(parent), m_List(List), m_Search(Search), m_Document(Document), m_Status(Status) {
    connect(m_Search, &QLineEdit::textChanged, this, &NameList::SearchChanged);
    new EventHook(m_Search, [this](QEvent* e) { return SearchEvent(e); });
}

void NameList::Fill() {
    const Baza& table = m_Document.Table();
    m_List->clear();
    m_List->setUpdatesEnabled(false);
    QStringList names;
    names.reserve(table.Count());
    for (qint32 i = 0; i < table.Count(); ++i) {
        names << table.Get_Nazwa(i);
    }
    m_List->addItems(names);
    m_List->setUpdatesEnabled(true);
}

void NameList::Show(qint32 Index) {
    if (Index < 0 || Index >= m_List->count()) {
        return;
    }
    const QString name = m_Document.Table().Get_Nazwa(Index);
    if (m_List->item(Index)->text() != name) {
        m_List->item(Index)->setText(name);
    }
    MarkLine(Index);
}

void NameList::ShowAll() {
    for (qint32 i = 0; i < m_List->count(); ++i) {
        Show(i);
    }
}

void NameList::MarkLine(qint32 Index) {
    const bool renamed = m_Document.Table().Get_Nazwa(Index) != m_Document.SavedName(Index);
    QListWidgetItem* item = m_List->item(Index);
    if (item->font().bold() != renamed) {
        QFont font = item->font();
        font.setBold(renamed);
        item->setFont(font);
    }
}

void NameList::SearchChanged() {
    const bool found = Search::Find_Prefix(m_List, m_Search->text());
    SetFound(found || m_Search->text().isEmpty());
}

void NameList::FindNext(bool Forward) {
    SetFound(Search::Find_Next(m_List, m_Search->text(), Forward) >= 0);
}

void NameList::SetFound(bool Found) {
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
        auto* key = static_cast<QKeyEvent*>(Event);
        if (!key->isAutoRepeat() && key->key() == Qt::Key_Up) {
            Search::Move_Selection(m_List, m_Search, 1);
        } else if (!key->isAutoRepeat() && key->key() == Qt::Key_Down) {
            Search::Move_Selection(m_List, m_Search, 2);
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
