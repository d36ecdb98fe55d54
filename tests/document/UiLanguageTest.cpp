#include "document/UiLanguage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace voxtrel {
namespace {

// A translations folder holding voxtrel_de.qm and voxtrel_pt_BR.qm.
class UiLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name : {"voxtrel_de.qm", "voxtrel_pt_BR.qm"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    QString choose(const QStringList& languages) const {
        return UiLanguage::Choose(languages, dir.path());
    }
    QTemporaryDir dir;
};

TEST_F(UiLanguageTest, FirstTranslatedLanguageWinsAndRegionsFallBackToTheLanguage) {
    EXPECT_EQ(choose({"de-DE"}), "de");
    EXPECT_EQ(choose({"fr-FR", "fr", "de-AT"}), "de"); // no French: the next one listed
    EXPECT_EQ(choose({"pt-BR"}), "pt_BR");
    EXPECT_EQ(choose({"pt-PT", "pt"}), ""); // Brazilian is not every Portuguese
    EXPECT_EQ(choose({"ru-RU", "uk"}), "");
}

TEST_F(UiLanguageTest, EnglishOrTheCLocaleListedFirstKeepsTheSourceTexts) {
    EXPECT_EQ(choose({"en-GB", "de"}), "");
    EXPECT_EQ(choose({"C"}), "");
    EXPECT_EQ(choose({"fr", "en", "de"}), ""); // English before German
    EXPECT_EQ(choose({}), "");
}

} // namespace
} // namespace voxtrel
