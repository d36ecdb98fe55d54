// Comparing with another name file, the search round the ends that steps through the list,
// and the suffix a file name given without one takes.
#include "document/NameComparison.h"
#include "NameFiles.h"
#include "TestFiles.h"

#include "document/FileTypes.h"
#include "document/NameDocument.h"
#include "document/NameSearch.h"
#include "names/CodePage.h"

#include <QList>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

using namespace test;

// The positions NameSearch::Next visits from From, one call after another, as F7 does.
QList<int> walk(int count, int from, bool forward, const QList<int>& matching, int steps) {
    QList<int> visited;
    for (int i = 0; i < steps; ++i) {
        const std::optional<int> next = NameSearch::Next(
            count, from, forward, [&matching](int at) { return matching.contains(at); });
        if (!next) {
            break;
        }
        visited << *next;
        from = *next;
    }
    return visited;
}

TEST(NameSearch, GoesRoundTheEndsAndFindsTheSelectedOneLast) {
    // Nothing selected: forward begins at the first, back at the last.
    EXPECT_EQ(walk(10, -1, true, {2, 7}, 3), QList<int>({2, 7, 2}));
    EXPECT_EQ(walk(10, -1, false, {0, 7}, 3), QList<int>({7, 0, 7}));
    EXPECT_EQ(walk(10, -1, false, {9}, 1), QList<int>({9}));
    // The selected one matches only when no other does.
    EXPECT_EQ(walk(10, 4, true, {4}, 2), QList<int>({4, 4}));
    EXPECT_EQ(walk(10, 4, false, {4, 5}, 1), QList<int>({5}));
    // None, or nothing to search.
    EXPECT_FALSE(NameSearch::Next(10, 3, true, [](int) { return false; }));
    EXPECT_FALSE(NameSearch::Next(0, -1, true, [](int) { return true; }));
}

TEST(FileTypes, ANameWithoutSuffixTakesTheDefaultOne) {
    EXPECT_EQ(FileTypes::ListTarget("/home/u/names"), QString("/home/u/names.xlsx"));
    EXPECT_EQ(FileTypes::ListTarget("/home/u/names.csv"), QString("/home/u/names.csv"));
    // A dot in a folder's name is not the file's suffix.
    EXPECT_EQ(FileTypes::ListTarget("/home/u/v1.2/names"), QString("/home/u/v1.2/names.xlsx"));
    EXPECT_EQ(FileTypes::NameFileTarget("/home/u/v1.2/copy"), QString("/home/u/v1.2/copy.bin"));
    EXPECT_EQ(FileTypes::NameFileTarget("/home/u/copy.img"), QString("/home/u/copy.img"));
    // Only the last suffix gives way to the ending offered.
    EXPECT_EQ(FileTypes::Beside("/home/u/mine.v2.bin", "-patch.xlsx"),
              QString("/home/u/mine.v2-patch.xlsx"));
}

// The open file's names against another's: marks follow renames, a file that is not a name
// file is refused with the reason and leaves the comparison as it was.
TEST(NameComparison, FollowsRenamesAndKeepsTheFormerFileWhenRefused) {
    AppFolder app;
    const QString game = app.userFile("game.bin");
    const QString mine = app.userFile("mine.bin");
    const QByteArray plain = NameImage(1209);
    ASSERT_TRUE(WriteCompressed(game, plain));
    ASSERT_TRUE(WriteCompressed(mine, WithName(WithName(plain, 5, "Five"), 700, "Seven")));
    NameDocument doc(app.appPath(), app.workFolder());
    ASSERT_TRUE(doc.Open(mine).Ok());

    NameComparison compared(app.appPath());
    EXPECT_FALSE(compared.Differs(doc.Table(), 5)); // nothing compared yet
    const OpenResult opened = compared.Open(game, CodePage::Western());
    ASSERT_TRUE(opened.Ok()) << opened.Reason.toStdString();
    EXPECT_EQ(compared.Count(doc.Table()), 2);
    EXPECT_TRUE(compared.Differs(doc.Table(), 700));
    ASSERT_TRUE(doc.Rename(5, "Player 5")); // renamed back: no longer differs
    ASSERT_TRUE(doc.Rename(8, "Eight"));
    const NameChanges patch = compared.Differences(doc.Table());
    ASSERT_EQ(patch.size(), 2);
    EXPECT_EQ(patch[0].Index, 8);
    EXPECT_EQ(patch[0].NewName, QString("Eight"));
    EXPECT_EQ(patch[0].Was, QString("Player 8"));
    EXPECT_EQ(patch[1].Index, 700);

    const QString odd = app.userFile("odd.bin");
    ASSERT_TRUE(WriteCompressed(odd, QByteArray(27, 'z')));
    const OpenResult refused = compared.Open(odd, CodePage::Western());
    EXPECT_EQ(refused.Result, OpenResult::Outcome::Declined);
    EXPECT_EQ(refused.Reason,
              odd + " is 27 bytes when decompressed; a name file is 117,585 bytes.");
    EXPECT_EQ(compared.Path(), game);
    EXPECT_EQ(compared.Count(doc.Table()), 2);

    compared.Clear();
    EXPECT_FALSE(compared.Active());
    EXPECT_EQ(compared.Count(doc.Table()), 0);
}

} // namespace
} // namespace voxtrel
