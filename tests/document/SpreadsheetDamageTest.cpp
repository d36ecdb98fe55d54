// What a spreadsheet makes of a CSV cell, told apart from a rename typed by hand.
#include "document/SpreadsheetDamage.h"

#include <gtest/gtest.h>

namespace voxtrel {
namespace {

TEST(SpreadsheetDamage, ConvertedValuesAreKnownAndRenamesAreNot) {
    const struct {
        const char* was;
        const char* now;
        const char* looks;
    } cases[] = {
        {"1e5", "100000", "a number"},
        {"0123", "123", "a number"},
        {"1,50", "1.5", "a number"},
        {"12345678901234567", "1.23457E+16", "a number"},
        {"50%", "0.5", "a number"},
        {"12/03", "12/03/2026", "a date"},
        {"12/03", "12-Mar", "a date"},
        {"2026-03-12", "12/03/2026", "a date"},
        {"00:30", "12:30:00 AM", "a time"},
        {"0:30", "00:30:00", "a time"},
        {"00:30", "0.020833333", "a time"},
        {"=SUM(1;2)", "3", "a formula's result"},
        {"-Bo", "#NAME?", "a formula's result"},
        {"true", "TRUE", "TRUE or FALSE"},
        // Renames that only look alike.
        {"0123", "0124", ""},
        {"12/03", "13/03/2026", ""},
        {"00:30", "00:31", ""},
        {"Player 1", "Player 100000", ""},
        {"Ulolo", "ULOLO", ""},
        {"", "123", ""},
        {"12", "12", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpreadsheetDamage::Of(QString::fromUtf8(c.was), QString::fromUtf8(c.now)),
                  QString::fromUtf8(c.looks))
            << c.was << " -> " << c.now;
    }
}

} // namespace
} // namespace voxtrel
