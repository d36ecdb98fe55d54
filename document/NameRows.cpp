#include "document/NameRows.h"

#include "names/Baza.h"
#include "names/CodePage.h"
#include "names/NameFileLayout.h"

namespace voxtrel {
namespace {

QString codePoint(char32_t u) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0')).toUpper();
}

// Why Name cannot be a record's name, or empty when it can.
QString nameProblem(const QString& name, const CodePage& page) {
    const QList<uint> chars = name.toUcs4();
    for (const uint u : chars) {
        if (u == '\r' || u == '\n' || u == 0x2028 || u == 0x2029) {
            return QStringLiteral("the name holds a line break");
        }
        if (QChar::category(u) == QChar::Other_Control) {
            return QStringLiteral("the name holds the control character %1").arg(codePoint(u));
        }
    }
    if (chars.size() > layout::NameSize) {
        return QStringLiteral("the name has %1 characters; a name holds at most %2")
            .arg(chars.size())
            .arg(layout::NameSize);
    }
    for (const uint u : chars) {
        // Not fromUcs4, which takes a leading U+FEFF for a byte-order mark and drops it.
        const QString one = QChar::requiresSurrogates(u) ? QString(QChar(QChar::highSurrogate(u))) +
                                                               QChar(QChar::lowSurrogate(u))
                                                         : QString(QChar(static_cast<char16_t>(u)));
        if (!page.canEncode(one)) {
            return QStringLiteral("\"%1\" (%2) cannot be written in %3")
                .arg(one, codePoint(u), page.Name());
        }
    }
    return {};
}

// A record index: a whole number written in digits only.
bool parseIndex(const QByteArray& field, qint64& index) {
    if (field.isEmpty() || field.size() > 9) {
        return false;
    }
    for (const char c : field) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    index = field.toLongLong();
    return true;
}

QString cellKind(ListRow::Cell kind) {
    switch (kind) {
    case ListRow::Cell::Number:
        return QStringLiteral("a number");
    case ListRow::Cell::Formula:
        return QStringLiteral("a formula");
    case ListRow::Cell::Error:
        return QStringLiteral("an error value");
    case ListRow::Cell::Boolean:
        return QStringLiteral("TRUE or FALSE");
    case ListRow::Cell::Date:
        return QStringLiteral("a date");
    case ListRow::Cell::Text:
        break;
    }
    return QStringLiteral("text");
}

} // namespace

NameRows::NameRows(const Baza& Table, Places Style) : m_Table(Table), m_Style(Style) {}

QString NameRows::Place(int Row, int Column) const {
    if (m_Style == Places::Lines) {
        return QStringLiteral("line %1").arg(Row);
    }
    return Column < 0 ? QStringLiteral("row %1").arg(Row)
                      : QStringLiteral("%1%2").arg(QLatin1Char(Column == 0 ? 'A' : 'B')).arg(Row);
}

void NameRows::Refuse(int Row, int Column, const QString& Why) {
    Fault(QStringLiteral("%1: %2").arg(Place(Row, Column), Why));
}

void NameRows::Fault(const QString& Problem) {
    if (++m_Faults <= MaxReported) {
        m_Problems << Problem;
    }
}

void NameRows::Take(const ListRow& Row) {
    if (m_Header) {
        m_Header = false;
        if (Row.Fields != QList<QByteArray>{"index", "name"}) {
            Refuse(Row.Row, m_Style == Places::Lines ? -1 : 0,
                   QStringLiteral("the header must be \"index,name\""));
        }
        return;
    }
    if (Row.Fields.size() != 2) {
        Refuse(Row.Row, -1,
               Row.Fields.size() < 2 ? QStringLiteral("a column is missing (expected index,name)")
                                     : QStringLiteral("an extra column (expected index,name)"));
        return;
    }
    qint64 index = -1;
    if (!parseIndex(Row.Fields[0], index)) {
        Refuse(Row.Row, 0,
               QStringLiteral("the index \"%1\" is not a whole number")
                   .arg(QString::fromUtf8(Row.Fields[0]).left(20)));
        return;
    }
    if (index >= m_Table.Count()) {
        Refuse(
            Row.Row, 0,
            m_Table.Count() == 0
                ? QStringLiteral("the index %1 is out of range: the file has no names").arg(index)
                : QStringLiteral("the index %1 is out of range (0 to %2)")
                      .arg(index)
                      .arg(m_Table.Count() - 1));
        return;
    }
    if (m_Seen.contains(index)) {
        Refuse(Row.Row, 0,
               QStringLiteral("the index %1 is also on %2")
                   .arg(index)
                   .arg(Place(m_Seen.value(index), 0)));
        return;
    }
    m_Seen.insert(index, Row.Row);
    if (Row.NameCell != ListRow::Cell::Text) {
        // A spreadsheet would have changed what the name says: nothing is taken silently.
        Refuse(Row.Row, 1,
               QStringLiteral("the name cell holds %1, not text; format the name column as Text "
                              "and type the name again")
                   .arg(cellKind(Row.NameCell)));
        return;
    }
    if (!QByteArrayView(Row.Fields[1]).isValidUtf8()) {
        Refuse(Row.Row, 1,
               QStringLiteral("the name is not UTF-8 text; save the list as UTF-8 CSV"));
        return;
    }
    const QString name = QString::fromUtf8(Row.Fields[1]);
    const QString old = m_Table.Get_Nazwa(static_cast<qint32>(index));
    if (name == old) {
        return; // changes nothing, whatever it holds
    }
    const QString why = nameProblem(name, m_Table.Encoding());
    if (!why.isEmpty()) {
        Refuse(Row.Row, 1, why);
        return;
    }
    m_Changes.append({static_cast<qint32>(index), old, name, Row.Row});
}

QString NameRows::Refused(const QString& Why) {
    return QStringLiteral("The name list was refused; no name was changed.\n") + Why;
}

ListCheck NameRows::Result() {
    if (m_Header && m_Faults == 0) {
        Refuse(1, -1, QStringLiteral("the header \"index,name\" is missing"));
    }
    if (m_Faults == 0) {
        return {ListCheck::Outcome::Ready, std::move(m_Changes), {}};
    }
    QString why = m_Problems.join(QLatin1Char('\n'));
    if (m_Faults > m_Problems.size()) {
        why += QStringLiteral("\n... and %1 more lines with faults.")
                   .arg(m_Faults - m_Problems.size());
    }
    return {ListCheck::Outcome::Refused, {}, Refused(why)};
}

} // namespace voxtrel
