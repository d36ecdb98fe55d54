// How bytes of a decompressed name file turn into records, and which byte each accessor reads.
#include "NameFileImage.h"
#include "names/Baza.h"

#include <gtest/gtest.h>

namespace voxtrel::test {
namespace {

struct Loaded {
    TempApp app;
    Baza table{app.path()};
    bool ok = false;
    explicit Loaded(const QByteArray& bytes) { ok = table.Wczytaj(app.write("in.unzlib", bytes)); }
};

TEST(NameFileLayout, RecordCountFollowsFileLength) {
    struct Case {
        qint64 length;
        int records;
    } cases[] = {
        {0, 0},
        {100, 0},
        {9872, 0},
        {9872 + 1, 1}, // one byte is enough to start a record
        {9872 + 88, 1},
        {9872 + 88 * 5 + 40, 6}, // the last record is cut short
        {9872 + 88 * 1209, 1209},
        {117585, 1209}, // the file's own trailing block is not a record
        {117585 + 5000, 1209},
    };
    for (const Case& c : cases) {
        QByteArray bytes = NameFileImage::withRecords(1210);
        bytes.resize(c.length);
        Loaded l(bytes);
        EXPECT_TRUE(l.ok) << c.length;
        EXPECT_EQ(l.table.Count(), c.records) << c.length;
    }
}

TEST(NameFileLayout, ShortFileFillsStartOfHeaderAndZeroesTheRest) {
    QByteArray bytes("\x01\x02\x03", 3);
    Loaded l(bytes);
    ASSERT_TRUE(l.ok);
    const QByteArray image = l.table.ToImage();
    EXPECT_EQ(image.left(3), bytes);
    EXPECT_EQ(image.mid(3, 9872 - 3), QByteArray(9872 - 3, '\0'));
}

TEST(NameFileLayout, EachAccessorReadsItsOwnOffset) {
    QByteArray bytes = NameFileImage::withRecords(1);
    for (int j = 0; j < 30; ++j) {
        bytes[9872 + 58 + j] = static_cast<char>(100 + j); // offset 58 + j holds 100 + j
    }
    Loaded l(bytes);
    const Baza& t = l.table;
    const quint8 expected[] = {
        t.Get_Pole(0),  t.Get_Pole2(0),  t.Get_ID(0),     t.Get_ID2(0),
        t.Get_Pole3(0), t.Get_Pole4(0),  t.Get_Grupa(0),  t.Get_Grupa2(0),
        t.Get_Pole5(0), t.Get_Pole6(0),  t.Get_Pole7(0),  t.Get_Pole8(0),
        t.Get_Pole9(0), t.Get_Pole10(0), t.Get_Pole11(0), t.Get_Pole12(0),
    };
    for (int j = 0; j < 16; ++j) {
        EXPECT_EQ(expected[j], 100 + j) << "field at offset " << 58 + j;
    }
    // Offset 74 has no accessor: Pole13 reads 75, and Pole15 follows at 76.
    EXPECT_EQ(t.Get_Pole13(0), 100 + 17);
    const quint8 rest[] = {t.Get_Pole15(0), t.Get_Pole16(0), t.Get_Pole17(0), t.Get_Pole18(0),
                           t.Get_Pole19(0), t.Get_Pole20(0), t.Get_Pole21(0), t.Get_Pole22(0),
                           t.Get_Pole23(0), t.Get_Pole24(0), t.Get_Pole25(0), t.Get_Pole26(0)};
    for (int j = 0; j < 12; ++j) {
        EXPECT_EQ(rest[j], 100 + 18 + j);
    }
    // The unnamed byte is carried through a save.
    EXPECT_EQ(static_cast<quint8>(t.ToImage()[9872 + 74]), 100 + 16);
}

TEST(NameFileLayout, NameFieldDecoding) {
    QByteArray bytes = NameFileImage::withRecords(4);
    NameFileImage::setName(bytes, 0, QByteArray(58, '\0'));
    NameFileImage::setName(bytes, 1, QByteArray("Abc\0junk", 8));
    NameFileImage::setName(bytes, 2, QByteArray(58, 'x'));
    NameFileImage::setName(bytes, 3, QByteArray("\xC9t\xE9 \x80\x9F\xFF", 7));
    Loaded l(bytes);
    EXPECT_EQ(l.table.Get_Nazwa(0), QString());
    EXPECT_EQ(l.table.Get_Nazwa(1), QStringLiteral("Abc"));
    EXPECT_EQ(l.table.Get_Nazwa(2), QString(58, QLatin1Char('x')));
    EXPECT_EQ(l.table.Get_Nazwa(3), QString::fromUtf8("Été €Ÿÿ"));

    const QByteArray image = l.table.ToImage();
    EXPECT_EQ(NameFileImage::nameField(image, 0), QByteArray(58, '\0'));
    EXPECT_EQ(NameFileImage::nameField(image, 1), QByteArray("Abc").leftJustified(58, '\0'));
    EXPECT_EQ(NameFileImage::nameField(image, 2), QByteArray(58, 'x'));
    EXPECT_EQ(NameFileImage::nameField(image, 3), NameFileImage::nameField(bytes, 3));
}

TEST(NameFileLayout, EveryByteValueSurvivesLoadAndSave) {
    QByteArray bytes = NameFileImage::withRecords(5);
    for (int r = 0; r < 5; ++r) {
        QByteArray field;
        for (int b = 0; b < 58; ++b) {
            field.append(static_cast<char>(1 + (r * 58 + b) % 255)); // 1..255, no zero
        }
        NameFileImage::setName(bytes, r, field);
    }
    Loaded l(bytes);
    const QByteArray image = l.table.ToImage();
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(NameFileImage::nameField(image, r), NameFileImage::nameField(bytes, r)) << r;
    }
}

} // namespace
} // namespace voxtrel::test
