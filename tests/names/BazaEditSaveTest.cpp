// Renaming records and writing the table back.
#include "NameFileImage.h"
#include "PosixTestPlatform.h"
#include "names/Baza.h"
#include "names/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace voxtrel::test {
namespace {

TEST(BazaRenaming, ClampsAndCutsToFiftyEight) {
    TempApp app;
    Baza t(app.path());
    EXPECT_FALSE(t.Zmien_Dane(0, "early"));
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(10))));

    EXPECT_TRUE(t.Zmien_Dane(5, "Five"));
    EXPECT_EQ(t.Get_Nazwa(5), QStringLiteral("Five"));
    EXPECT_TRUE(t.Zmien_Dane(-1, "First"));
    EXPECT_EQ(t.Get_Nazwa(0), QStringLiteral("First"));
    EXPECT_TRUE(t.Zmien_Dane(99, "Last"));
    EXPECT_EQ(t.Get_Nazwa(9), QStringLiteral("Last"));

    const QString seventy(70, QLatin1Char('a'));
    EXPECT_TRUE(t.Zmien_Dane(1, seventy));
    EXPECT_EQ(t.Get_Nazwa(1), seventy.left(58));

    EXPECT_TRUE(t.Zmien_Dane(2, QString()));
    EXPECT_EQ(NameFileImage::nameField(t.ToImage(), 2), QByteArray(58, '\0'));
}

TEST(BazaRenaming, RefusedOnAnEmptyTable) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(0))));
    EXPECT_FALSE(t.Zmien_Dane(0, "x"));
}

TEST(BazaRenaming, CharactersOutsideTheCodePageAreSavedAsQuestionMarks) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(1))));
    ASSERT_TRUE(t.Zmien_Dane(0, QString::fromUtf8("Łódź €") + QChar(0xD83D) + QChar(0xDE00)));
    EXPECT_EQ(NameFileImage::nameField(t.ToImage(), 0), QByteArray("?\xF3"
                                                                   "d? \x80?")
                                                            .leftJustified(58, '\0'));
}

// A name typed with a combining accent (as some keyboards and file names give it) is saved as
// the code page's one character for it; where the code page holds the combining accent
// itself, the name is saved as typed, so a name read from such a file comes back the same.
TEST(BazaRenaming, CombiningAccentsAreComposedOnlyWhereTheCodePageNeedsIt) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(2))));
    ASSERT_TRUE(t.Zmien_Dane(0, QStringLiteral("Cafe\u0301")));
    EXPECT_EQ(NameFileImage::nameField(t.ToImage(), 0),
              QByteArray("Caf\xE9").leftJustified(58, '\0'));
    const CodePage* vietnamese = CodePage::Find(QStringLiteral("windows-1258"));
    ASSERT_NE(vietnamese, nullptr);
    t.setEncoding(*vietnamese);
    ASSERT_TRUE(t.Zmien_Dane(1, QStringLiteral("Le\u0300")));
    EXPECT_EQ(NameFileImage::nameField(t.ToImage(), 1),
              QByteArray("Le\xCC").leftJustified(58, '\0'));
}

TEST(BazaSaving, TargetsAndSize) {
    TempApp app;
    Baza t(app.path());
    EXPECT_FALSE(t.Zapisz(QString()));
    EXPECT_FALSE(t.Zapisz(app.file("never")));
    EXPECT_FALSE(QFile::exists(app.file("never")));

    QByteArray longer = NameFileImage::withRecords(1209);
    longer.append(QByteArray(200000, 'L'));
    const QString x = app.write("x", longer);
    ASSERT_TRUE(t.Wczytaj(x));
    ASSERT_TRUE(t.Zmien_Dane(0, "Changed"));
    ASSERT_TRUE(t.Zapisz(QString()));
    EXPECT_EQ(QFileInfo(x).size(), 117585);

    const QString y = app.file("y");
    ASSERT_TRUE(t.Zapisz(y));
    EXPECT_EQ(t.Path(), x);
    ASSERT_TRUE(t.Zmien_Dane(0, "Again"));
    ASSERT_TRUE(t.Zapisz(QString()));
    EXPECT_EQ(NameFileImage::nameField(TempApp::read(x), 0),
              QByteArray("Again").leftJustified(58, '\0'));
    EXPECT_EQ(NameFileImage::nameField(TempApp::read(y), 0),
              QByteArray("Changed").leftJustified(58, '\0'));
}

TEST(BazaSaving, HundredRecordsLeaveZerosUpToTheTail) {
    TempApp app;
    app.write("Data.dll", QByteArray(1321, 'T'));
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(100))));
    ASSERT_TRUE(t.Zapisz(app.file("out")));
    const QByteArray out = TempApp::read(app.file("out"));
    ASSERT_EQ(out.size(), 117585);
    EXPECT_EQ(out.mid(18672, 116264 - 18672), QByteArray(116264 - 18672, '\0'));
    EXPECT_EQ(out.mid(116264), QByteArray(1321, 'T'));
}

TEST(BazaSaving, EmptyTableStillSaves) {
    TempApp app;
    Baza t(app.path());
    const QByteArray header = NameFileImage::withRecords(0);
    ASSERT_TRUE(t.Wczytaj(app.write("f", header)));
    ASSERT_TRUE(t.Zapisz(app.file("out")));
    const QByteArray out = TempApp::read(app.file("out"));
    ASSERT_EQ(out.size(), 117585);
    EXPECT_EQ(out.left(9872), header);
}

// Without Data.dll the saved file keeps its own trailing block; where Data.dll is short, its
// bytes come first and the file's own bytes fill the rest.
TEST(BazaSaving, TrailingBlockSurvivesWithoutDataFile) {
    QByteArray full = NameFileImage::withRecords(1209);
    QByteArray ownTail;
    for (int i = 0; i < 1321; ++i) {
        ownTail.append(static_cast<char>((i * 13 + 1) & 0xFF));
    }
    full.append(ownTail);
    {
        TempApp app;
        Baza t(app.path());
        ASSERT_TRUE(t.Wczytaj(app.write("f", full)));
        ASSERT_TRUE(t.Zapisz(QString()));
        EXPECT_EQ(TempApp::read(app.file("f")), full);
    }
    {
        TempApp app;
        app.write("Data.dll", QByteArray(100, 'D'));
        Baza t(app.path());
        ASSERT_TRUE(t.Wczytaj(app.write("f", full)));
        ASSERT_TRUE(t.Zapisz(QString()));
        const QByteArray out = TempApp::read(app.file("f"));
        EXPECT_EQ(out.mid(116264, 100), QByteArray(100, 'D'));
        EXPECT_EQ(out.mid(116264 + 100), ownTail.mid(100));
    }
    {
        TempApp app;
        app.write("Data.dll", QByteArray(2000, 'D'));
        Baza t(app.path());
        ASSERT_TRUE(t.Wczytaj(app.write("f", full)));
        ASSERT_TRUE(t.Zapisz(QString()));
        EXPECT_EQ(TempApp::read(app.file("f")).mid(116264), QByteArray(1321, 'D'));
    }
    {
        // A file whose own block is cut short: zeros only where neither has bytes.
        TempApp app;
        QByteArray cut = full.left(116264 + 10);
        Baza t(app.path());
        ASSERT_TRUE(t.Wczytaj(app.write("f", cut)));
        ASSERT_TRUE(t.Zapisz(QString()));
        const QByteArray out = TempApp::read(app.file("f"));
        EXPECT_EQ(out.mid(116264, 10), ownTail.left(10));
        EXPECT_EQ(out.mid(116274), QByteArray(1311, '\0'));
    }
}

// A folder the unprivileged child can enter and read but not change.
QString sharedFolder(const TempApp& app, const QString& name, QFile::Permissions perms) {
    QDir(app.path()).mkdir(name);
    const auto all = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther |
                     QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup;
    QFile::setPermissions(app.path(), all);
    QFile::setPermissions(app.file(name), perms);
    return app.file(name);
}

TEST(BazaSaving, WritesWhatItMayAndRefusesTheRest) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(3))));

    ASSERT_TRUE(QDir(app.path()).mkdir("folder"));
    EXPECT_FALSE(t.Zapisz(app.file("folder")));
    EXPECT_TRUE(QFileInfo(app.file("folder")).isDir());

    EXPECT_FALSE(t.Zapisz(app.file("gone/out"))); // a vanished folder
    EXPECT_FALSE(t.ErrorString().isEmpty());

    const QByteArray former("former content");
    const auto readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
    const auto readExec = readOnly | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    const auto open = readExec | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

    // A read-only file in a writable folder.
    const QString rw = sharedFolder(app, "rw", open);
    const QString ro = app.write("rw/ro", former);
    QFile::setPermissions(ro, readOnly);
    EXPECT_TRUE(RunInChild([&] { return !t.Zapisz(ro); }));
    EXPECT_EQ(TempApp::read(ro), former);

    // A writable file in a read-only folder is written, in place: nothing is made beside it.
    const QString locked = sharedFolder(app, "locked", open);
    const QString target = app.write("locked/target", former);
    QFile::setPermissions(target, open);
    QFile::setPermissions(locked, readExec);
    EXPECT_TRUE(RunInChild([&] { return t.Zapisz(target); }));
    EXPECT_EQ(TempApp::read(target).size(), 117585);
    EXPECT_EQ(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList{"target"});
    QFile::setPermissions(locked, open);
    Q_UNUSED(rw);
}

} // namespace
} // namespace voxtrel::test
