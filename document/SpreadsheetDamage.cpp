#include "document/SpreadsheetDamage.h"

#include <QCoreApplication>

#include <QList>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <optional>

namespace voxtrel::SpreadsheetDamage {
namespace {

constexpr int SecondsPerDay = 24 * 60 * 60;

// A number as a spreadsheet reads one: digits with an optional sign, decimal mark (point or
// comma), exponent, thousands separators or percent sign.
std::optional<double> numberIn(QString text) {
    static const QRegularExpression shape(QStringLiteral(
        R"(^[+-]?(\d{1,3}([ ,.\x{00A0}]\d{3})+|\d+)?([.,]\d+)?([eE][+-]?\d{1,3})?%?$)"));
    text = text.trimmed();
    if (text.isEmpty() || !shape.match(text).hasMatch() ||
        !text.contains(QRegularExpression(QStringLiteral(R"(\d)")))) {
        return std::nullopt;
    }
    const bool percent = text.endsWith(QLatin1Char('%'));
    if (percent) {
        text.chop(1);
    }
    text.remove(QChar(0x00A0));
    text.remove(QLatin1Char(' '));
    // Either mark may be the decimal one: the last of them is, when it is not followed by
    // exactly three digits of a thousands group.
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','));
    const qsizetype point = text.lastIndexOf(QLatin1Char('.'));
    const qsizetype exponent = text.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    const qsizetype end = exponent < 0 ? text.size() : exponent;
    const qsizetype mark = std::max(comma, point);
    const bool decimal = mark >= 0 && (end - mark - 1 != 3 || (comma >= 0 && point >= 0));
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
            if (decimal && i == mark) {
                plain += QLatin1Char('.');
            }
        } else {
            plain += c;
        }
    }
    bool ok = false;
    const double value = QLocale::c().toDouble(plain, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return percent ? value / 100 : value;
}

bool same(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-5 * std::max(std::fabs(a), std::fabs(b));
}

// A time of day in seconds: "0:30", "00:30:15", "12:30:00 AM", "9:05 pm".
std::optional<int> timeIn(const QString& text) {
    static const QRegularExpression shape(
        QStringLiteral(R"(^(\d{1,2}):(\d{2})(:(\d{2}))?([.,]\d+)?\s*([AaPp][Mm])?$)"));
    const QRegularExpressionMatch m = shape.match(text.trimmed());
    if (!m.hasMatch()) {
        return std::nullopt;
    }
    int hour = m.captured(1).toInt();
    const int minute = m.captured(2).toInt();
    const int second = m.captured(4).toInt();
    const QString half = m.captured(6).toUpper();
    if (!half.isEmpty()) {
        if (hour < 1 || hour > 12) {
            return std::nullopt;
        }
        hour = hour % 12 + (half == QLatin1String("PM") ? 12 : 0);
    }
    if (hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    return (hour * 60 + minute) * 60 + second;
}

// The numbers of a date as typed or as a spreadsheet shows it ("12/03", "12-Mar",
// "12/03/2026", "2026-03-12 00:00:00"), a month's name counting as its number; empty when
// the text is no date.
QList<int> dateNumbers(const QString& text, bool withNames) {
    static const QStringList months = {
        QStringLiteral("jan"), QStringLiteral("feb"), QStringLiteral("mar"), QStringLiteral("apr"),
        QStringLiteral("may"), QStringLiteral("jun"), QStringLiteral("jul"), QStringLiteral("aug"),
        QStringLiteral("sep"), QStringLiteral("oct"), QStringLiteral("nov"), QStringLiteral("dec")};
    static const QRegularExpression numeric(
        QStringLiteral(R"(^(\d{1,4})([/.-])(\d{1,2})(\2(\d{1,4}))?( 0?0:00(:00)?)?$)"));
    static const QRegularExpression named(
        QStringLiteral(R"(^(\d{1,2})?[ -]?([A-Za-z]{3})[a-z]*\.?[ -]?(\d{1,4})?$)"));
    const QString t = text.trimmed();
    QList<int> numbers;
    if (const QRegularExpressionMatch m = numeric.match(t); m.hasMatch()) {
        for (const int group : {1, 3, 5}) {
            if (!m.captured(group).isEmpty()) {
                numbers << m.captured(group).toInt();
            }
        }
        return numbers;
    }
    if (!withNames) {
        return {};
    }
    if (const QRegularExpressionMatch m = named.match(t); m.hasMatch()) {
        const qsizetype month = months.indexOf(m.captured(2).toLower());
        if (month < 0 || (m.captured(1).isEmpty() && m.captured(3).isEmpty())) {
            return {};
        }
        numbers << int(month) + 1;
        for (const int group : {1, 3}) {
            if (!m.captured(group).isEmpty()) {
                numbers << m.captured(group).toInt();
            }
        }
    }
    return numbers;
}

// Whether every number of Part is among those of Whole.
bool within(QList<int> part, QList<int> whole) {
    for (const int n : part) {
        const qsizetype at = whole.indexOf(n);
        if (at < 0) {
            return false;
        }
        whole.removeAt(at);
    }
    return true;
}

bool errorValue(const QString& text) {
    static const QRegularExpression shape(QStringLiteral(
        R"(^(#NAME\?|#VALUE!|#REF!|#DIV/0!|#N/A|#NUM!|#NULL!|#SPILL!|#CALC!|Err:\d{3})$)"));
    return shape.match(text).hasMatch();
}

} // namespace

QString Of(const QString& Was, const QString& Now) {
    if (Was == Now) {
        return {};
    }
    if (Was.startsWith(QLatin1Char('=')) || (errorValue(Now) && !errorValue(Was))) {
        return QCoreApplication::translate("voxtrel::SpreadsheetDamage", "a formula's result");
    }
    const std::optional<double> before = numberIn(Was);
    const std::optional<double> after = numberIn(Now);
    if (before && after && same(*before, *after)) {
        return QCoreApplication::translate("voxtrel::SpreadsheetDamage", "a number");
    }
    const std::optional<int> clock = timeIn(Was);
    if (clock) {
        const std::optional<int> shown = timeIn(Now);
        if ((shown && *shown == *clock) ||
            (after && same(*after * SecondsPerDay, double(*clock)))) {
            return QCoreApplication::translate("voxtrel::SpreadsheetDamage", "a time");
        }
    }
    const QList<int> typed = dateNumbers(Was, true);
    const QList<int> shown = dateNumbers(Now, true);
    if (typed.size() >= 2 && shown.size() >= typed.size() && within(typed, shown)) {
        return QCoreApplication::translate("voxtrel::SpreadsheetDamage", "a date");
    }
    static const QStringList truth = {QStringLiteral("true"), QStringLiteral("false")};
    if (truth.contains(Was.trimmed().toLower()) && Now == Was.trimmed().toUpper()) {
        return QCoreApplication::translate("voxtrel::SpreadsheetDamage", "TRUE or FALSE");
    }
    return {};
}

} // namespace voxtrel::SpreadsheetDamage
