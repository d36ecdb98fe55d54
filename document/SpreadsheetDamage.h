#pragma once

#include <QString>

namespace voxtrel {

// What a spreadsheet program makes of a CSV cell when it opens the file and saves it again:
// text that looks like a number, a date, a time, a truth value or a formula comes back as
// the value it stands for ("0123" as "123", "00:30" as "12:30:00 AM", "=SUM(1;2)" as "3").
// A list whose new name is such a value of the current name was most likely never edited
// there, only damaged.
namespace SpreadsheetDamage {

// What Now looks like when it is Was converted by a spreadsheet ("a number", "a date",
// "a time", "TRUE or FALSE", "a formula's result"); empty when it does not.
[[nodiscard]] QString Of(const QString& Was, const QString& Now);

} // namespace SpreadsheetDamage
} // namespace voxtrel
