// Loading states, the existence test and index clamping.
#include "NameFileImage.h"
#include "names/Baza.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace voxtrel::test {
namespace {

TEST(BazaClamping, IndexesOutsideTheRecordsReadTheFirstOrLast) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("ten", NameFileImage::withRecords(10))));
    EXPECT_EQ(t.Get_Nazwa(-5), QStringLiteral("Name0"));
    EXPECT_EQ(t.Get_Nazwa(2), QStringLiteral("Name2"));
    EXPECT_EQ(t.Get_Nazwa(10), QStringLiteral("Name9"));
    EXPECT_EQ(t.Get_Nazwa(1000), QStringLiteral("Name9"));
    EXPECT_EQ(t.Get_Nazwa(INT_MIN), QStringLiteral("Name0"));
    EXPECT_EQ(t.Get_Nazwa(INT_MAX), QStringLiteral("Name9"));
    EXPECT_EQ(t.Get_Pole(-1), t.Get_Pole(0));
    EXPECT_EQ(t.Get_Pole26(99), t.Get_Pole26(9));
    EXPECT_EQ(t.Get_Pole(9), (9 * 31) & 0xFF);
}

TEST(BazaClamping, EmptyTableGivesEmptyAndZero) {
    TempApp app;
    Baza t(app.path());
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Get_Nazwa(0), QString());
    EXPECT_EQ(t.Get_Pole(0), 0);
    EXPECT_EQ(t.Get_Grupa2(5), 0);
    EXPECT_FALSE(t.Loaded());

    ASSERT_TRUE(t.Wczytaj(app.write("header-only", NameFileImage::withRecords(0))));
    EXPECT_TRUE(t.Loaded());
    EXPECT_EQ(t.Count(), 0);
    EXPECT_EQ(t.Get_Nazwa(0), QString());
    EXPECT_EQ(t.Get_ID(0), 0);
}

TEST(BazaLoading, MissingPathKeepsRecordsButTakesThePath) {
    TempApp app;
    Baza t(app.path());
    const QString first = app.write("first", NameFileImage::withRecords(3));
    ASSERT_TRUE(t.Wczytaj(first));
    EXPECT_FALSE(t.Wczytaj(app.file("missing")));
    EXPECT_FALSE(t.ErrorString().isEmpty());
    EXPECT_EQ(t.Path(), app.file("missing"));
    EXPECT_EQ(t.Count(), 3);
    EXPECT_TRUE(t.Loaded());

    EXPECT_FALSE(t.Wczytaj(QString()));
    EXPECT_EQ(t.Path(), app.file("missing"));
}

TEST(BazaLoading, FolderPassesExistenceTestButFails) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(3))));
    ASSERT_TRUE(QDir(app.path()).mkdir("sub"));
    EXPECT_TRUE(Baza::File_Exists(app.file("sub")));
    EXPECT_FALSE(Baza::File_Exists(QString()));
    EXPECT_FALSE(t.Wczytaj(app.file("sub")));
    EXPECT_EQ(t.Count(), 0);
    EXPECT_TRUE(t.Loaded());
}

TEST(BazaLoading, SecondFileReplacesEveryRecord) {
    TempApp app;
    Baza t(app.path());
    ASSERT_TRUE(t.Wczytaj(app.write("big", NameFileImage::withRecords(20))));
    QByteArray small = NameFileImage::withRecords(2);
    NameFileImage::setName(small, 0, "Other");
    ASSERT_TRUE(t.Wczytaj(app.write("small", small)));
    EXPECT_EQ(t.Count(), 2);
    EXPECT_EQ(t.Get_Nazwa(0), QStringLiteral("Other"));
    EXPECT_EQ(t.Get_Nazwa(5), QStringLiteral("Name1"));
}

TEST(BazaLoading, MissingDataFileIsCreatedEmpty) {
    TempApp app;
    Baza t(app.path());
    EXPECT_FALSE(QFile::exists(t.DataFilePath()));
    ASSERT_TRUE(t.Wczytaj(app.write("f", NameFileImage::withRecords(1))));
    EXPECT_TRUE(QFile::exists(t.DataFilePath()));
    EXPECT_EQ(QFileInfo(t.DataFilePath()).size(), 0);
}

TEST(BazaLoading, UnreadableDataFileFailsTheLoad) {
    TempApp app;
    ASSERT_TRUE(QDir(app.path()).mkdir("Data.dll")); // exists, but cannot be opened as a file
    Baza t(app.path());
    EXPECT_FALSE(t.Wczytaj(app.write("f", NameFileImage::withRecords(4))));
    EXPECT_TRUE(t.Loaded());
    EXPECT_EQ(t.Count(), 4); // the records read before the failure stay
}

} // namespace
} // namespace voxtrel::test
