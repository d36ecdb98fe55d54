#include "document/NameRows.h"

#include <QCoreApplication>

#include "document/LatinForm.h"
#include "document/SpreadsheetDamage.h"
#include "names/Baza.h"
#include "names/CodePage.h"
#include "names/NameFileLayout.h"
#include <optional>

namespace voxtrel {
namespace {

QString codePoint(char32_t u) {
    return QStringLiteral("U+%1").arg(static_cast<uint>(u), 4, 16, QLatin1Char('0')).toUpper();
}

// One character, from its code point.
QString character(uint u) {
    // Not fromUcs4, which takes a leading U+FEFF for a byte-order mark and drops it.
    return QChar::requiresSurrogates(u)
               ? QString(QChar(QChar::highSurrogate(u))) + QChar(QChar::lowSurrogate(u))
               : QString(QChar(static_cast<char16_t>(u)));
}

// Why Name cannot be a record's name; none when it can. Every character the code page
// cannot hold is named.
std::optional<QString> nameProblem(const QString& name, const CodePage& page) {
    const QList<uint> chars = name.toUcs4();
    for (const uint u : chars) {
        if (u == '\r' || u == '\n' || u == 0x2028 || u == 0x2029) {
            return QCoreApplication::translate("voxtrel::NameRows", "the name holds a line break");
        }
        if (QChar::category(u) == QChar::Other_Control) {
            return QCoreApplication::translate("voxtrel::NameRows",
                                               "the name holds the control character %1")
                .arg(codePoint(u));
        }
    }
    if (chars.size() > layout::NameSize) {
        return QCoreApplication::translate("voxtrel::NameRows",
                                           "the name has %1 characters; a name holds at most %2")
            .arg(chars.size())
            .arg(layout::NameSize);
    }
    QStringList refused;
    for (const uint u : chars) {
        const QString one = character(u);
        const QString shown = QStringLiteral("\"%1\" (%2)").arg(one, codePoint(u));
        if (!page.canEncode(one) && !refused.contains(shown)) {
            refused << shown;
        }
    }
    if (!refused.isEmpty()) {
        return QCoreApplication::translate("voxtrel::NameRows", "%1 cannot be written in %2")
            .arg(refused.join(QStringLiteral(", ")), page.Name());
    }
    return std::nullopt;
}

// Name with each character the code page cannot hold replaced by its Latin form.
QString transliterated(const QString& name, const CodePage& page) {
    QString out;
    for (const uint u : name.toUcs4()) {
        const QString one = character(u);
        out += page.canEncode(one) ? one : LatinForm(one);
    }
    return out;
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
        return QCoreApplication::translate("voxtrel::NameRows", "a number");
    case ListRow::Cell::Formula:
        return QCoreApplication::translate("voxtrel::NameRows", "a formula");
    case ListRow::Cell::Error:
        return QCoreApplication::translate("voxtrel::NameRows", "an error value");
    case ListRow::Cell::Boolean:
        return QCoreApplication::translate("voxtrel::NameRows", "TRUE or FALSE");
    case ListRow::Cell::Date:
        return QCoreApplication::translate("voxtrel::NameRows", "a date");
    case ListRow::Cell::Text:
        break;
    }
    return QCoreApplication::translate("voxtrel::NameRows", "text");
}

} // namespace

NameRows::NameRows(const Baza& Table, Places Style, bool Transliterate)
    : m_Table(Table), m_Style(Style), m_Transliterate(Transliterate) {}

QString NameRows::Place(int Row, int Column) const {
    if (m_Style == Places::Lines) {
        return QCoreApplication::translate("voxtrel::NameRows", "line %1").arg(Row);
    }
    return Column < 0 ? QCoreApplication::translate("voxtrel::NameRows", "row %1").arg(Row)
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

void NameRows::Note(const QString& Text) {
    m_Notes << Text;
}

void NameRows::Take(const ListRow& Row) {
    if (m_Header) {
        m_Header = false;
        m_HasWas = Row.Fields == QList<QByteArray>{"index", "name", "was"};
        if (Row.Fields != QList<QByteArray>{"index", "name"} && !m_HasWas) {
            Refuse(Row.Row, m_Style == Places::Lines ? -1 : 0,
                   QCoreApplication::translate(
                       "voxtrel::NameRows",
                       "the header must be \"index,name\" (or \"index,name,was\")"));
        }
        return;
    }
    const QString columns =
        m_HasWas ? QStringLiteral("index,name,was") : QStringLiteral("index,name");
    if (Row.Fields.size() < 2 || Row.Fields.size() > (m_HasWas ? 3 : 2)) {
        Refuse(Row.Row, -1,
               Row.Fields.size() < 2 ? QCoreApplication::translate(
                                           "voxtrel::NameRows", "a column is missing (expected %1)")
                                           .arg(columns)
                                     : QCoreApplication::translate("voxtrel::NameRows",
                                                                   "an extra column (expected %1)")
                                           .arg(columns));
        return;
    }
    qint64 index = -1;
    if (!parseIndex(Row.Fields[0], index)) {
        Refuse(Row.Row, 0,
               QCoreApplication::translate("voxtrel::NameRows",
                                           "the index \"%1\" is not a whole number")
                   .arg(QString::fromUtf8(Row.Fields[0]).left(20)));
        return;
    }
    if (index >= m_Table.Count()) {
        Refuse(Row.Row, 0,
               m_Table.Count() == 0
                   ? QCoreApplication::translate(
                         "voxtrel::NameRows", "the index %1 is out of range: the file has no names")
                         .arg(index)
                   : QCoreApplication::translate("voxtrel::NameRows",
                                                 "the index %1 is out of range (0 to %2)")
                         .arg(index)
                         .arg(m_Table.Count() - 1));
        return;
    }
    if (m_Seen.contains(index)) {
        Refuse(Row.Row, 0,
               QCoreApplication::translate("voxtrel::NameRows", "the index %1 is also on %2")
                   .arg(index)
                   .arg(Place(m_Seen.value(index), 0)));
        return;
    }
    m_Seen.insert(index, Row.Row);
    if (Row.NameCell != ListRow::Cell::Text) {
        // A spreadsheet would have changed what the name says: nothing is taken silently.
        Refuse(Row.Row, 1,
               QCoreApplication::translate(
                   "voxtrel::NameRows",
                   "the name cell holds %1, not text; format the name column as Text "
                   "and type the name again")
                   .arg(cellKind(Row.NameCell)));
        return;
    }
    if (Row.NameTooLong) {
        Refuse(Row.Row, 1,
               QCoreApplication::translate(
                   "voxtrel::NameRows",
                   "the name has more than %1 characters; a name holds at most %1")
                   .arg(layout::NameSize));
        return;
    }
    if (!QByteArrayView(Row.Fields[1]).isValidUtf8()) {
        Refuse(Row.Row, 1,
               QCoreApplication::translate(
                   "voxtrel::NameRows", "the name is not UTF-8 text; save the list as UTF-8 CSV"));
        return;
    }
    const CodePage& page = m_Table.Encoding();
    // A name typed with combining accents is taken as the characters they make.
    const QString typed = page.Fitted(QString::fromUtf8(Row.Fields[1]));
    const QString old = m_Table.Get_Nazwa(static_cast<qint32>(index));
    if (typed == old) {
        return; // changes nothing, whatever it holds; a patch applied twice changes nothing
    }
    const QString name = m_Transliterate ? transliterated(typed, page) : typed;
    if (const std::optional<QString> why = nameProblem(name, page)) {
        Refuse(Row.Row, 1, *why);
        return;
    }
    if (name == old) {
        return;
    }
    NameChange change{static_cast<qint32>(index), old, name, Row.Row, {}, false, typed, {}};
    if (name != typed) {
        m_Replacements << QStringLiteral("%1: %2 \u2192 %3").arg(Place(Row.Row, 1), typed, name);
    }
    if (m_HasWas) {
        // A row without its third cell, as spreadsheets leave an empty one, was made where
        // the name was empty: it guards that empty name as "" does.
        const QByteArray was = Row.Fields.size() == 3 ? Row.Fields[2] : QByteArray();
        if (!QByteArrayView(was).isValidUtf8()) {
            Refuse(Row.Row, -1,
                   QCoreApplication::translate("voxtrel::NameRows",
                                               "the former name is not UTF-8 text"));
            return;
        }
        change.Was = page.Fitted(QString::fromUtf8(was));
        change.HasWas = true;
        if (old != change.Was) {
            // Made for a file whose name here was another: applying it would overwrite a
            // name that has moved on.
            if (++m_ConflictCount <= MaxReported) {
                m_Conflicts << QCoreApplication::translate(
                                   "voxtrel::NameRows",
                                   "%1: index %2: expected \"%3\", found \"%4\"")
                                   .arg(Place(Row.Row, -1))
                                   .arg(index)
                                   .arg(change.Was, old);
            }
        }
    }
    change.Damage = SpreadsheetDamage::Of(old, typed);
    if (!change.Damage.isEmpty() && ++m_DamageCount <= MaxReported) {
        m_Damaged << QCoreApplication::translate("voxtrel::NameRows",
                                                 "%1: index %2: \"%3\" \u2192 \"%4\" looks like %5")
                         .arg(Place(Row.Row, 1))
                         .arg(index)
                         .arg(old, typed, change.Damage);
    }
    m_Changes.append(change);
}

QString NameRows::Refused(const QString& Why) {
    return QCoreApplication::translate("voxtrel::NameRows",
                                       "The name list was refused; no name was changed.\n") +
           Why;
}

ListCheck NameRows::Result() {
    if (m_Header && m_Faults == 0) {
        Refuse(1, -1,
               QCoreApplication::translate("voxtrel::NameRows",
                                           "the header \"index,name\" is missing"));
    }
    QString damage;
    if (m_DamageCount > 0) {
        damage =
            (m_DamageCount == 1
                 ? QCoreApplication::translate(
                       "voxtrel::NameRows", "1 name looks converted by a spreadsheet, not renamed")
                 : QCoreApplication::translate(
                       "voxtrel::NameRows", "%1 names look converted by a spreadsheet, not renamed")
                       .arg(m_DamageCount)) +
            QCoreApplication::translate("voxtrel::NameRows", "; no name was changed:\n") +
            m_Damaged.join(QLatin1Char('\n'));
        if (m_DamageCount > m_Damaged.size()) {
            damage += QCoreApplication::translate("voxtrel::NameRows", "\n... and %1 more.")
                          .arg(m_DamageCount - m_Damaged.size());
        }
        damage += QCoreApplication::translate(
            "voxtrel::NameRows",
            "\nA spreadsheet that opens a CSV list turns names that look like numbers, dates, "
            "times or formulas into values. Export the names as .xlsx, whose name column is "
            "Text, and edit that instead.");
    }
    if (m_Faults == 0 && m_ConflictCount > 0) {
        QString why =
            (m_ConflictCount == 1
                 ? QCoreApplication::translate("voxtrel::NameRows",
                                               "1 name is not what the patch says it was")
                 : QCoreApplication::translate("voxtrel::NameRows",
                                               "%1 names are not what the patch says they were")
                       .arg(m_ConflictCount)) +
            QCoreApplication::translate("voxtrel::NameRows", "; no name was changed:\n") +
            m_Conflicts.join(QLatin1Char('\n'));
        if (m_ConflictCount > m_Conflicts.size()) {
            why += QCoreApplication::translate("voxtrel::NameRows", "\n... and %1 more.")
                       .arg(m_ConflictCount - m_Conflicts.size());
        }
        return {ListCheck::Outcome::Conflict,
                std::move(m_Changes),
                why,
                m_Replacements,
                damage,
                m_Notes};
    }
    if (m_Faults == 0) {
        return {
            ListCheck::Outcome::Ready, std::move(m_Changes), {}, m_Replacements, damage, m_Notes};
    }
    QString why = m_Problems.join(QLatin1Char('\n'));
    if (m_Faults > m_Problems.size()) {
        why +=
            QCoreApplication::translate("voxtrel::NameRows", "\n... and %1 more lines with faults.")
                .arg(m_Faults - m_Problems.size());
    }
    return {ListCheck::Outcome::Refused, {}, Refused(why), {}, {}, m_Notes};
}

} // namespace voxtrel
