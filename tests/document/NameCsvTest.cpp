// Name lists as CSV: what an export writes, and how the import checker takes a list apart,
// accepts it whole, or refuses it whole with the failing lines named.
#include "document/NameCsv.h"
#include "NameFiles.h"
#include "TestFiles.h"
#include "document/NameLists.h"
#include "names/Baza.h"
#include "names/CodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

using namespace test;

// A table of k names "Player <i>", loaded from disk as the document loads it.
struct Table {
    QTemporaryDir dir;
    Baza table{dir.path()};

    explicit Table(int k = 5, const QString& prefix = QStringLiteral("Player ")) {
        const QString file = dir.filePath("names.unzlib");
        EXPECT_TRUE(WriteBytes(file, NameImage(k, prefix)));
        EXPECT_TRUE(table.Wczytaj(file));
    }
};

struct Checked {
    bool ok;
    NameChanges changes;
    QString error;
};

Checked check(const QByteArray& csv, const Baza& table) {
    const ListCheck r = NameCsv::Check(csv, table);
    return {r.Ok(), r.Changes, r.Reason};
}

TEST(NameCsv, ExportHasAMarkAHeaderCrlfAndQuotesOnlyWhereNeeded) {
    Table t(4);
    t.table.Zmien_Dane(1, QString::fromUtf8("Müller, Jr."));
    t.table.Zmien_Dane(2, QStringLiteral("say \"hi\""));
    t.table.Zmien_Dane(3, QStringLiteral(" spaced "));
    EXPECT_EQ(NameCsv::Write(t.table), QByteArray("\xEF\xBB\xBFindex,name\r\n"
                                                  "0,Player 0\r\n"
                                                  "1,\"M\xC3\xBCller, Jr.\"\r\n"
                                                  "2,\"say \"\"hi\"\"\"\r\n"
                                                  "3,\" spaced \"\r\n"));
}

TEST(NameCsv, ExportReadsBackAsNoChangeWhateverTheNamesHold) {
    // Every byte value a name field can hold, control bytes and line breaks included.
    QByteArray image = NameImage(6);
    for (int r = 0; r < 6; ++r) {
        QByteArray name;
        for (int b = 1 + r * 43; b < 1 + (r + 1) * 43 && b < 256; ++b) {
            name += static_cast<char>(b);
        }
        image = WithName(image, r, name.left(58));
    }
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("n"), image));
    Baza table(dir.path());
    ASSERT_TRUE(table.Wczytaj(dir.filePath("n")));
    const Checked c = check(NameCsv::Write(table), table);
    EXPECT_TRUE(c.ok) << c.error.toStdString();
    EXPECT_TRUE(c.changes.isEmpty());
}

TEST(NameCsv, ImportTakesAnySubsetInAnyOrderWithOrWithoutMarkAndCr) {
    Table t;
    const QString fiftyEight = QString::fromUtf8("é").repeated(58);
    for (const QByteArray& csv :
         {QByteArray("index,name\n4,Four\n1,") + fiftyEight.toUtf8() + "\n0,Player 0\n",
          QByteArray("\xEF\xBB\xBFindex,name\r\n4,Four\r\n1,") + fiftyEight.toUtf8() +
              "\r\n0,Player 0",
          QByteArray("index,name\r\n\r\n4,\"Four\"\r\n1,\"") + fiftyEight.toUtf8() + "\"\r\n"}) {
        const Checked c = check(csv, t.table);
        ASSERT_TRUE(c.ok) << c.error.toStdString();
        ASSERT_EQ(c.changes.size(), 2);
        EXPECT_EQ(c.changes[0].Index, 4);
        EXPECT_EQ(c.changes[0].OldName, QString("Player 4"));
        EXPECT_EQ(c.changes[0].NewName, QString("Four"));
        EXPECT_EQ(c.changes[1].NewName, fiftyEight);
    }
    EXPECT_TRUE(check("index,name\r\n", t.table).ok); // a header alone changes nothing
}

// Each refusal names its line and its reason, and nothing is taken from the list.
TEST(NameCsv, RefusesEveryFaultWithItsLine) {
    Table t;
    const struct {
        QByteArray csv;
        const char* says;
    } cases[] = {
        {"index,name\n1\n", "line 2: a column is missing"},
        {"index,name\n1,A,B\n", "line 2: an extra column"},
        {"index,name\n1.5,A\n", "line 2: the index \"1.5\" is not a whole number"},
        {"index,name\n-1,A\n", "line 2: the index \"-1\" is not a whole number"},
        {"index,name\n 1,A\n", "line 2: the index \" 1\" is not a whole number"},
        {"index,name\n5,A\n", "line 2: the index 5 is out of range (0 to 4)"},
        {"index,name\n99999999999,A\n", "line 2: the index \"99999999999\" is not a whole number"},
        {"index,name\n1,A\n2,B\n1,C\n", "line 4: the index 1 is also on line 2"},
        {"index,name\n1," + QByteArray(59, 'x') + "\n",
         "line 2: the name has 59 characters; a name holds at most 58"},
        {"index,name\n1,\xC5\x81ukasz\n",
         "line 2: \"\xC5\x81\" (U+0141) cannot be written in windows-1252"},
        {"index,name\n1,\xF0\x9F\x98\x80\n",
         "line 2: \"\xF0\x9F\x98\x80\" (U+1F600) cannot be written"},
        // U+FEFF inside a name, not a byte-order mark: a character like any other.
        {"index,name\n1,a\xEF\xBB\xBF"
         "b\n",
         "line 2: \"\xEF\xBB\xBF\" (U+FEFF) cannot be written in windows-1252"},
        {"index,name\n1,\"two\nlines\"\n", "line 2: the name holds a line break"},
        {"index,name\n1,tab\there\n", "line 2: the name holds the control character U+0009"},
        {"index,name\n1,\xC3\n", "line 2: it is not UTF-8 text; save it as UTF-8 CSV"},
        {"index,name\n1,\"open\n2,B\n", "line 2: a quoted field is never closed"},
        {"index,name\n1,a\"b\n", "line 2: a quote inside a field that is not quoted"},
        {"name,index\n1,A\n", "line 1: the header must be \"index,name\""},
        {"1,A\n", "line 1: the header must be \"index,name\""},
        {"\n\n", "line 1: the header \"index,name\" is missing"},
        // CR, LF and CRLF each end a line.
        {"index,name\r1,A\r9,B\r", "line 3: the index 9 is out of range"},
        {"index,name\r\n1,A\r\n9,B\r\n", "line 3: the index 9 is out of range"},
        // UTF-16 without its mark cannot be told for sure.
        {QByteArray("i\0n\0d\0e\0", 8), "It is UTF-16 text without a byte-order mark"},
    };
    for (const auto& c : cases) {
        const Checked r = check(c.csv, t.table);
        EXPECT_FALSE(r.ok) << c.csv.toStdString();
        EXPECT_TRUE(r.changes.isEmpty());
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.says))) << r.error.toStdString();
        EXPECT_TRUE(r.error.startsWith("The name list was refused; no name was changed."))
            << r.error.toStdString();
    }
    // A good row beside a bad one is not taken either, and a row after an embedded line
    // break is counted on its own line.
    const Checked mixed = check("index,name\n1,\"Good\nstill\"\n0,Fine\n7,Bad\n", t.table);
    EXPECT_FALSE(mixed.ok);
    EXPECT_TRUE(mixed.changes.isEmpty());
    EXPECT_TRUE(mixed.error.contains("line 2: the name holds a line break"))
        << mixed.error.toStdString();
    EXPECT_TRUE(mixed.error.contains("line 5: the index 7 is out of range"))
        << mixed.error.toStdString();
    EXPECT_FALSE(mixed.error.contains("line 4"));
}

TEST(NameCsv, NamesTheFirstTwentyFailingLinesAndCountsTheRest) {
    Table t;
    QByteArray csv = "index,name\n";
    for (int i = 0; i < 25; ++i) {
        csv += "x,A\n";
    }
    const Checked c = check(csv, t.table);
    EXPECT_TRUE(c.error.contains("line 21:"));
    EXPECT_FALSE(c.error.contains("line 22:"));
    EXPECT_TRUE(c.error.endsWith("... and 5 more lines with faults.")) << c.error.toStdString();
}

TEST(NameCsv, RefusesFilesThatAreNoList) {
    Table t;
    QTemporaryDir dir;
    const auto unreadable = [&t](const QString& path, const char* says) {
        const ListCheck r = NameLists::Read(path, t.table);
        EXPECT_EQ(r.Result, ListCheck::Outcome::Unreadable) << path.toStdString();
        EXPECT_TRUE(r.Reason.contains(says)) << r.Reason.toStdString();
    };
    unreadable(dir.path(), "is a folder");
    unreadable(dir.filePath("missing.csv"), "does not exist");
    for (const QByteArray& empty : {QByteArray(), QByteArray("\xEF\xBB\xBF")}) {
        ASSERT_TRUE(WriteBytes(dir.filePath("empty.csv"), empty));
        unreadable(dir.filePath("empty.csv"), "is empty");
    }
    QFile big(dir.filePath("big.csv"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(NameLists::MaxFileSize + 1));
    big.close();
    unreadable(big.fileName(), "larger than 4 MiB");
    ASSERT_TRUE(big.resize(NameLists::MaxFileSize)); // read, then refused for its rows
    EXPECT_EQ(NameLists::Read(big.fileName(), t.table).Result, ListCheck::Outcome::Refused);
}

// Characters the code page cannot hold: each is named, and with transliteration each is
// replaced by its Latin form, and only those; what the page holds stays as typed.
TEST(NameCsv, TransliterationReplacesOnlyWhatTheCodePageCannotHold) {
    const QByteArray list = QString::fromUtf8("index,name\n1,Łukasz Żyła\n2,Đorđević\n3,Жирков\n"
                                              "4,Jérôme Müller-Straße\n")
                                .toUtf8();
    Table western;
    const ListCheck refused = NameCsv::Check(list, western.table);
    EXPECT_TRUE(refused.Reason.contains(QString::fromUtf8(
        "line 2: \"Ł\" (U+0141), \"Ż\" (U+017B), \"ł\" (U+0142) cannot be written in "
        "windows-1252")))
        << refused.Reason.toStdString();
    const ListCheck latin = NameCsv::Check(list, western.table, true);
    ASSERT_TRUE(latin.Ok()) << latin.Reason.toStdString();
    QStringList names;
    for (const NameChange& c : latin.Changes) {
        names << c.NewName;
    }
    EXPECT_EQ(names, QStringList({"Lukasz Zyla", "Dordevic", "Zirkov",
                                  QString::fromUtf8("Jérôme Müller-Straße")}));
    EXPECT_EQ(latin.Replacements,
              QStringList({QString::fromUtf8("line 2: Łukasz Żyła → Lukasz Zyla"),
                           QString::fromUtf8("line 3: Đorđević → Dordevic"),
                           QString::fromUtf8("line 4: Жирков → Zirkov")}));

    Table central;
    central.table.setEncoding(*CodePage::Find("windows-1250"));
    const ListCheck kept = NameCsv::Check(list, central.table, true);
    ASSERT_TRUE(kept.Ok()) << kept.Reason.toStdString();
    EXPECT_EQ(kept.Changes[0].NewName, QString::fromUtf8("Łukasz Żyła")); // the page holds them
    EXPECT_EQ(kept.Changes[1].NewName, QString::fromUtf8("Đorđević"));
    EXPECT_EQ(kept.Changes[3].NewName, QString::fromUtf8("Jérôme Müller-Straße"));
}

// What spreadsheets write when they save CSV: semicolons where the decimal mark is a comma,
// tabs and UTF-16 for "Unicode text"; text in any other code page is refused with the hint.
TEST(NameCsv, ListsAsSpreadsheetsSaveThemImport) {
    Table t;
    const auto utf16 = [](const QString& text, bool little) {
        QByteArray out = little ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
        for (const QChar c : text) {
            const char lo = char(c.unicode() & 0xFF);
            const char hi = char(c.unicode() >> 8);
            out.append(little ? lo : hi).append(little ? hi : lo);
        }
        return out;
    };
    const QString tabbed =
        QString::fromUtf8("index\tname\r\n1\tJérôme; Ünal\r\n2\t\"Two, too\"\r\n");
    for (const QByteArray& list :
         {QByteArray("index;name\n1;\"J\xC3\xA9r\xC3\xB4me; \xC3\x9Cnal\"\n2;\"Two, too\"\n"),
          tabbed.toUtf8(), utf16(tabbed, true), utf16(tabbed, false)}) {
        const Checked r = check(list, t.table);
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        ASSERT_EQ(r.changes.size(), 2);
        EXPECT_EQ(r.changes[0].NewName, QString::fromUtf8("Jérôme; Ünal"));
        EXPECT_EQ(r.changes[1].NewName, QString("Two, too"));
    }
    const Checked latin1 = check("index,name\n1,J\xE9r\xF4me\n", t.table);
    EXPECT_FALSE(latin1.ok);
    EXPECT_TRUE(latin1.error.contains("line 2: it is not UTF-8 text; save it as UTF-8 CSV"))
        << latin1.error.toStdString();
}

// UTF-16 that is broken gives no name: half of a surrogate pair is refused with its line,
// half a character at the end with the file.
TEST(NameCsv, BrokenUtf16IsRefusedWithItsPlace) {
    Table t;
    const auto utf16 = [](const QString& text, char16_t extra, bool odd) {
        QByteArray bytes("\xFF\xFE");
        for (const QChar c : text + (extra ? QString(QChar(extra)) + "\r\n" : QString())) {
            bytes.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        }
        return odd ? bytes + 'x' : bytes;
    };
    const QString list = QStringLiteral("index,name\r\n1,One\r\n2,");
    const Checked lone = check(utf16(list, 0xD800, false), t.table);
    EXPECT_FALSE(lone.ok);
    EXPECT_TRUE(lone.error.contains("line 3: half of a UTF-16 surrogate pair stands alone"))
        << lone.error.toStdString();
    const Checked odd = check(utf16(list + "Two\r\n", 0, true), t.table);
    EXPECT_FALSE(odd.ok);
    EXPECT_TRUE(odd.error.contains("The file ends in half a UTF-16 character"))
        << odd.error.toStdString();
    const Checked whole = check(utf16(list + "Two\r\n", 0, false), t.table);
    EXPECT_TRUE(whole.ok) << whole.error.toStdString();
}

// A decomposed accent is the accented letter; a patch's empty or missing former name guards
// an empty name, as a workbook's does.
TEST(NameCsv, ComposedNamesAndEmptyFormerNames) {
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("n.unzlib"), WithName(NameImage(10), 7, "Ulolo")));
    Baza table(dir.path());
    ASSERT_TRUE(table.Wczytaj(dir.filePath("n.unzlib")));
    const Checked cafe = check("index,name\n1,Cafe\xCC\x81\n", table);
    ASSERT_TRUE(cafe.ok) << cafe.error.toStdString();
    EXPECT_EQ(cafe.changes[0].NewName, QString::fromUtf8("Café"));
    for (const QByteArray& patch :
         {QByteArray("index,name,was\n7,Renamed,\n"), QByteArray("index,name,was\n7,Renamed\n")}) {
        const ListCheck r = NameCsv::Check(patch, table);
        EXPECT_EQ(r.Result, ListCheck::Outcome::Conflict) << patch.constData();
        EXPECT_TRUE(r.Reason.contains("expected \"\", found \"Ulolo\"")) << r.Reason.toStdString();
    }
}

// A list a spreadsheet opened and saved: rows whose new name is what the spreadsheet made of
// the name are marked one by one, with the advice, and the list is otherwise right.
TEST(NameCsv, SpreadsheetDamageIsMarkedRowByRow) {
    QByteArray image = NameImage(6);
    const char* names[] = {"0123", "1e5", "12/03", "00:30", "=SUM(1;2)"};
    for (int i = 0; i < 5; ++i) {
        image = WithName(image, i, names[i]);
    }
    QTemporaryDir dir;
    ASSERT_TRUE(WriteBytes(dir.filePath("n.unzlib"), image));
    Baza table(dir.path());
    ASSERT_TRUE(table.Wczytaj(dir.filePath("n.unzlib")));
    const ListCheck r = NameCsv::Check("index,name\r\n0,123\r\n1,100000\r\n2,12/03/2026\r\n"
                                       "3,12:30:00 AM\r\n4,3\r\n5,Renamed\r\n",
                                       table);
    ASSERT_TRUE(r.Ok()) << r.Reason.toStdString();
    ASSERT_TRUE(r.Damaged());
    ASSERT_EQ(r.Changes.size(), 6);
    for (const char* row :
         {"5 names look converted by a spreadsheet",
          "line 2: index 0: \"0123\" \u2192 \"123\" "
          "looks like a number",
          "line 4: index 2: \"12/03\" \u2192 \"12/03/2026\" looks like a date",
          "line 5: index 3: \"00:30\" \u2192 \"12:30:00 AM\" looks like a time",
          "line 6: index 4: \"=SUM(1;2)\" \u2192 \"3\" looks like a formula's result",
          "Export the names as .xlsx"}) {
        EXPECT_TRUE(r.Damage.contains(QString::fromUtf8(row))) << r.Damage.toStdString();
    }
    EXPECT_FALSE(r.Damage.contains("Renamed"));
    EXPECT_EQ(r.Changes[1].Damage, QString("a number"));
    EXPECT_TRUE(r.Changes[5].Damage.isEmpty());
}

} // namespace
} // namespace voxtrel
