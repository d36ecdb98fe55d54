#include "app/StatusNotes.h"

#include <QCoreApplication>

#include "app/Questions.h"
#include "names/NameFileLayout.h"

#include <QLabel>
#include <QStatusBar>
#include <algorithm>

namespace voxtrel {
namespace {

QLabel* note(QStatusBar* bar, const char* name) {
    auto* label = new QLabel(bar);
    label->setObjectName(QLatin1String(name));
    bar->addPermanentWidget(label);
    return label;
}

} // namespace

StatusNotes::StatusNotes(QStatusBar* Bar)
    : m_NameLength(note(Bar, "NameLength")), m_OddSize(note(Bar, "OddSize")),
      m_Record(note(Bar, "Record")) {
    m_NameLength->setMinimumWidth(
        m_NameLength->fontMetrics().horizontalAdvance(
            QCoreApplication::translate("voxtrel::StatusNotes", "%1 of %1").arg(layout::NameSize)) +
        12);
    m_NameLength->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_NameLength->setContentsMargins(0, 0, 6, 0); // clear of the window's edge
    m_NameLength->hide();
    m_OddSize->hide();
    m_Record->setContentsMargins(0, 0, 6, 0);
}

void StatusNotes::NameLength(qsizetype Length, bool Shown) {
    m_NameLength->setText(QCoreApplication::translate("voxtrel::StatusNotes", "%1 of %2")
                              .arg(Length)
                              .arg(layout::NameSize));
    m_NameLength->setVisible(Shown);
}

void StatusNotes::OddSize(qint64 Bytes) {
    m_OddSize->setText(Bytes == 0 ? QString() : Questions::OddSizeNote(Bytes));
    m_OddSize->setVisible(Bytes != 0);
}

void StatusNotes::Record(qint32 Index, qint32 Count, const QString& Page) {
    m_Record->setText(Count == 0 ? Page
                                 : QCoreApplication::translate("voxtrel::StatusNotes",
                                                               "Record %1 of %2 \u00b7 %3")
                                       .arg(std::clamp(Index, 0, Count - 1))
                                       .arg(Count)
                                       .arg(Page));
}

} // namespace voxtrel
