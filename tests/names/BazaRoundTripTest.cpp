// Randomized files through a load and a save, compared with the image the format predicts.
#include "NameFileImage.h"
#include "names/Baza.h"

#include <QStringDecoder>
#include <gtest/gtest.h>
#include <random>

namespace voxtrel::test {
namespace {

// What a save after a load must give back, worked out from the file's bytes alone.
QByteArray predictedImage(const QByteArray& file, const QByteArray& dataDll, bool haveDataDll) {
    QByteArray out(117585, '\0');
    out.replace(0, std::min<qsizetype>(file.size(), 9872), file.left(9872));
    for (int r = 0; r < 1209; ++r) {
        const qint64 pos = 9872 + 88 * r;
        if (pos >= file.size()) {
            break;
        }
        QByteArray rec = file.mid(pos, 88).leftJustified(88, '\0');
        const int zero = rec.left(58).indexOf('\0');
        if (zero >= 0) {
            rec.replace(zero, 58 - zero, QByteArray(58 - zero, '\0'));
        }
        out.replace(pos, 88, rec);
    }
    QByteArray tail = file.size() > 116264 ? file.mid(116264, 1321) : QByteArray();
    tail = tail.leftJustified(1321, '\0');
    if (haveDataDll) {
        const QByteArray d = dataDll.left(1321);
        tail.replace(0, d.size(), d);
    }
    out.replace(116264, 1321, tail);
    return out;
}

TEST(BazaRoundTrip, RandomFilesMatchThePredictedImage) {
    for (unsigned seed : {1u, 2u, 3u, 5u, 8u, 13u, 21u, 34u, 55u, 89u, 144u, 233u}) {
        std::mt19937 rng(seed);
        auto byte = [&] { return static_cast<char>(rng() & 0xFF); };
        const int k = static_cast<int>(rng() % 1210);

        QByteArray file(9872 + 88 * k, '\0');
        for (char& c : file) {
            c = byte();
        }
        for (int r = 0; r < k; ++r) {
            // A third of the names are cut by a zero byte somewhere, the rest fill the field.
            if (rng() % 3 == 0) {
                file[9872 + 88 * r + static_cast<int>(rng() % 58)] = '\0';
            }
        }
        switch (rng() % 4) {
        case 0: // cut short inside a record
            if (k > 0) {
                file.chop(static_cast<int>(1 + rng() % 87));
            }
            break;
        case 1: // longer than a full file
            file = file.leftJustified(117585 + static_cast<int>(rng() % 3000), 'X');
            break;
        case 2: { // the file's own trailing block, partly there
            QByteArray extra(static_cast<int>(rng() % 1400), '\0');
            for (char& c : extra) {
                c = byte();
            }
            if (k == 1209) {
                file.append(extra);
            }
            break;
        }
        default:
            break;
        }

        TempApp app;
        const bool haveDataDll = rng() % 2 == 0;
        QByteArray dataDll(static_cast<int>(rng() % 1600), '\0');
        for (char& c : dataDll) {
            c = byte();
        }
        if (haveDataDll) {
            app.write("Data.dll", dataDll);
        }
        Baza t(app.path());
        ASSERT_TRUE(t.Wczytaj(app.write("f", file))) << seed;
        ASSERT_TRUE(t.Zapisz(app.file("out"))) << seed;
        const QByteArray saved = TempApp::read(app.file("out"));
        const QByteArray expected = predictedImage(file, dataDll, haveDataDll);
        ASSERT_EQ(saved.size(), expected.size()) << seed;
        EXPECT_TRUE(saved == expected) << "seed " << seed << " k " << k;

        // A second load of the saved file gives the same names and fields.
        Baza again(app.path());
        ASSERT_TRUE(again.Wczytaj(app.file("out")));
        ASSERT_EQ(again.Count(), 1209);
        for (int r = 0; r < t.Count(); ++r) {
            ASSERT_EQ(again.Get_Nazwa(r), t.Get_Nazwa(r)) << seed << " " << r;
            ASSERT_EQ(again.Get_Pole26(r), t.Get_Pole26(r));
        }
    }
}

// Every byte from 0x01 to 0xFF in the name fields, read in each supported code page: each
// defined byte shows as the platform converter decodes it, every shown name is one
// character per byte, and a rename typed in that code page and a save give back exact bytes.
TEST(BazaCodePages, EveryByteReadsAsTheConverterSaysAndSavesAsItWas) {
    QByteArray file(9872 + 88 * 5, '\x2A');
    for (int b = 1; b < 256; ++b) {
        file[9872 + 88 * ((b - 1) / 51) + (b - 1) % 51] = static_cast<char>(b);
    }
    for (int r = 0; r < 5; ++r) {
        file.replace(9872 + 88 * r + 51, 7, QByteArray(7, '\0')); // what follows the name is zero
    }
    TempApp app;
    const QString path = app.write("f", file);
    ASSERT_GE(CodePage::All().size(), 6);
    for (const char* required : {"windows-1250", "windows-1251", "windows-1252", "windows-1253",
                                 "windows-1254", "windows-1257"}) {
        EXPECT_NE(CodePage::Find(required), nullptr) << required;
    }
    for (const CodePage* page : CodePage::All()) {
        SCOPED_TRACE(page->Name().toStdString());
        Baza t(app.path());
        t.setEncoding(*page);
        ASSERT_TRUE(t.Wczytaj(path));
        for (int b = 1; b < 256; ++b) {
            const QChar shown = t.Get_Nazwa((b - 1) / 51).at((b - 1) % 51);
            QStringDecoder icu(page->Name().toLatin1().constData(),
                               QStringConverter::Flag::Stateless);
            const char c = static_cast<char>(b);
            const QString expected = icu.decode(QByteArrayView(&c, 1));
            if (!icu.hasError() && expected.size() == 1 &&
                expected != QChar::ReplacementCharacter) {
                EXPECT_EQ(shown, expected.front()) << "byte " << b;
            }
        }
        ASSERT_TRUE(t.Zapisz(app.file("out")));
        EXPECT_EQ(TempApp::read(app.file("out")).left(file.size()), file);

        // Each name shown, typed back in the same code page, encodes to the same bytes.
        for (int r = 0; r < 5; ++r) {
            const QString shown = t.Get_Nazwa(r);
            EXPECT_EQ(page->encode(shown), t.GetNazwaBytes(r));
            ASSERT_TRUE(t.Zmien_Dane(r, shown));
        }
        ASSERT_TRUE(t.Zapisz(app.file("again")));
        EXPECT_EQ(TempApp::read(app.file("again")).left(file.size()), file);
    }
}

TEST(BazaCodePages, SwitchingChangesWhatIsShownNeverTheBytes) {
    TempApp app;
    Baza t(app.path());
    QByteArray file(9872 + 88, '\0');
    file.replace(9872, 3, "\xA3\xC4\xD9");
    ASSERT_TRUE(t.Wczytaj(app.write("f", file)));
    EXPECT_EQ(t.Get_Nazwa(0), QString::fromUtf8("£ÄÙ"));
    t.setEncoding(*CodePage::Find("windows-1250"));
    EXPECT_EQ(t.Get_Nazwa(0), QString::fromUtf8("ŁÄŮ"));
    t.setEncoding(*CodePage::Find("windows-1251"));
    EXPECT_EQ(t.Get_Nazwa(0), QString::fromUtf8("ЈДЩ"));
    EXPECT_EQ(t.GetNazwaBytes(0), QByteArray("\xA3\xC4\xD9"));
    ASSERT_TRUE(t.Zmien_Dane(0, QString::fromUtf8("Шевченко")));
    EXPECT_EQ(t.GetNazwaBytes(0), QByteArray("\xD8\xE5\xE2\xF7\xE5\xED\xEA\xEE"));
}

} // namespace
} // namespace voxtrel::test
