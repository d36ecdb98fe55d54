// How the window looks: its pictures at the screen's device pixel ratio, its texts readable
// with a dark theme, a long name on the banner. The test runs once at ratio 1 and once more
// with QT_SCALE_FACTOR=2.
#include "EditorRig.h"
#include "app/frmMain.h"
#include "controls/button_xp/Button_XP.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyleFactory>
#include <QtTest>
#include <map>

using namespace voxtrel;
using namespace voxtrel::test;

namespace {

// The aligned 2 x 2 blocks whose four pixels are not all alike: none in a picture enlarged
// to twice its size pixel by pixel.
int mixedBlocks(const QImage& image) {
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++mixed;
            }
        }
    }
    return mixed;
}

// The contrast ratio of two colours as WCAG defines it, 1 to 21.
double contrast(QRgb a, QRgb b) {
    auto luminance = [](QRgb c) {
        auto channel = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of the text in a region of one ground: the ground is its commonest colour,
// the text its colour farthest from the ground (the solid core of the glyphs).
double textContrast(const QImage& image, QRect region) {
    std::map<QRgb, int> counts;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            ++counts[image.pixel(x, y) | 0xFF000000];
        }
    }
    QRgb ground = 0;
    int most = 0;
    for (const auto& [colour, n] : counts) {
        if (n > most) {
            ground = colour;
            most = n;
        }
    }
    double best = 1;
    for (const auto& [colour, n] : counts) {
        best = std::max(best, contrast(ground, colour));
    }
    return best;
}

QPalette darkPalette() {
    QPalette p;
    for (auto [role, grey] : {std::pair{QPalette::Window, 53},
                              {QPalette::WindowText, 240},
                              {QPalette::Base, 36},
                              {QPalette::AlternateBase, 53},
                              {QPalette::Text, 240},
                              {QPalette::Button, 53},
                              {QPalette::ButtonText, 240},
                              {QPalette::HighlightedText, 0},
                              {QPalette::Light, 80},
                              {QPalette::Midlight, 66},
                              {QPalette::Mid, 40},
                              {QPalette::Dark, 30},
                              {QPalette::Shadow, 10}}) {
        p.setColor(role, QColor(grey, grey, grey));
    }
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    return p;
}

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT

private slots:
    void picturesAtTheDeviceRatio() {
        EditorRig rig;
        frmMain& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const qreal ratio = w.devicePixelRatioF();
        const QString name = QStringLiteral(SCREENSHOT_DIR "/window_at_%1x.png").arg(ratio);
        QVERIFY(w.grab().save(name));
        for (const char* label : {"Image1", "Image2"}) {
            const QLabel* image = rig.find<QLabel>(label);
            const QPixmap shown = image->pixmap();
            QCOMPARE(shown.devicePixelRatio(), ratio);
            QCOMPARE(shown.size(), image->size() * ratio);
            if (ratio == 2) {
                // Drawn afresh at the ratio, not enlarged.
                QVERIFY2(mixedBlocks(shown.toImage()) > shown.width(), label);
            }
        }
    }

    // With a dark theme the white client area keeps dark text, and what follows the theme
    // keeps its own ground: every text in the window at 4.5:1 or more.
    void darkThemeKeepsEveryTextReadable() {
        if (qApp->devicePixelRatio() != 1) {
            QSKIP("measured at ratio 1");
        }
        const QPalette before = QApplication::palette();
        QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
        QApplication::setStyle(fusion);
        QApplication::setPalette(darkPalette());
        {
            EditorRig rig;
            const QString chosen = rig.userFile("unnamed_1846.bin");
            QVERIFY(EditorRig::writeCompressed(chosen, EditorRig::nameImage(1209)));
            frmMain& w = rig.window();
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            rig.open(chosen);
            rig.list()->setCurrentRow(3);
            QVERIFY(rig.find<Button_XP>("cmdQSave")->Enabled());
            const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QVERIFY(shown.save(QStringLiteral(SCREENSHOT_DIR "/window_dark.png")));

            auto inWindow = [&w](QWidget* widget, QRect r) {
                return QRect(widget->mapTo(&w, r.topLeft()), r.size());
            };
            auto* frame = rig.find<QGroupBox>("Frame1");
            auto* versions = rig.find<QLabel>("Label2");
            const std::vector<std::pair<const char*, QRect>> texts = {
                {"File dt0f.img", inWindow(frame, QRect(0, 0, frame->width(), versions->y()))},
                {"the versions", inWindow(versions, versions->rect())},
                {"the names", inWindow(rig.list()->view(), rig.list()->view()->rect())},
                {"the name field",
                 inWindow(rig.find<QLineEdit>("txt0"),
                          rig.find<QLineEdit>("txt0")->rect().adjusted(3, 3, -3, -3))},
                {"the search box",
                 inWindow(rig.find<QLineEdit>("txtSearch"),
                          rig.find<QLineEdit>("txtSearch")->rect().adjusted(3, 3, -3, -3))},
                {"Quick Save",
                 inWindow(rig.find<Button_XP>("cmdQSave"),
                          rig.find<Button_XP>("cmdQSave")->rect().adjusted(4, 4, -4, -4))},
                {"the menus", inWindow(w.menuBar(), w.menuBar()->rect())},
                {"the status bar", inWindow(w.statusBar(), w.statusBar()->rect())},
            };
            for (const auto& [what, region] : texts) {
                const double ratio = textContrast(shown, region);
                qInfo("%s: %.1f:1", what, ratio);
                QVERIFY2(ratio >= 4.5, qPrintable(QStringLiteral("%1: %2:1").arg(what).arg(ratio)));
            }

            // The name on the banner: its glyphs against the banner under each of them, at the
            // designed size and in a wider window, where the banner is wider under it.
            auto* name = rig.find<QLabel>("Label1");
            QCOMPARE(name->text(), QString("Player 3"));
            auto* image1 = rig.find<QLabel>("Image1");
            for (int wider : {0, 600}) {
                w.resize(w.width() + wider, w.height());
                QTRY_COMPARE(image1->width(), 541 + wider * 2 / 3);
                const QImage now = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
                const QImage banner =
                    image1->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
                const QPoint bannerAt = image1->mapTo(&w, QPoint(0, 0));
                const QRect label = inWindow(name, name->rect());
                // The glyphs are where the window differs from the banner; their solid core is
                // the commonest colour there.
                std::map<QRgb, int> ink;
                for (int y = label.top(); y <= label.bottom(); ++y) {
                    for (int x = label.left(); x <= label.right(); ++x) {
                        if (now.pixel(x, y) != banner.pixel(x - bannerAt.x(), y - bannerAt.y())) {
                            ++ink[now.pixel(x, y)];
                        }
                    }
                }
                QVERIFY(!ink.empty());
                const QRgb text =
                    std::max_element(ink.begin(), ink.end(), [](const auto& a, const auto& b) {
                        return a.second < b.second;
                    })->first;
                double worst = 21;
                for (int y = label.top(); y <= label.bottom(); ++y) {
                    for (int x = label.left(); x <= label.right(); ++x) {
                        if (now.pixel(x, y) == text) {
                            worst = std::min(worst, contrast(text, banner.pixel(x - bannerAt.x(),
                                                                                y - bannerAt.y())));
                        }
                    }
                }
                qInfo("the name on the banner, %d wider: %.1f:1", wider, worst);
                QVERIFY2(worst >= 4.5,
                         qPrintable(QStringLiteral("%1 wider: %2:1").arg(wider).arg(worst)));
            }
        }
        QApplication::setPalette(before);
    }

    // A name too long for the banner ends at its edge, elided, with the whole name as the
    // label's tooltip; the label's text stays the whole name.
    void longNameEndsAtTheBannersEdge() {
        EditorRig rig;
        const QString chosen = rig.userFile("unnamed_1846.bin");
        QVERIFY(EditorRig::writeCompressed(chosen, EditorRig::nameImage(1209)));
        frmMain& w = rig.window();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        rig.open(chosen);
        rig.list()->setCurrentRow(5);
        auto* field = rig.find<QLineEdit>("txt0");
        auto* name = rig.find<QLabel>("Label1");
        const QRect banner = rig.find<QLabel>("Image1")->geometry();
        const QString longName(58, QLatin1Char('W'));
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, longName);
        QCOMPARE(name->text(), longName);
        name->grab(); // painted
        QVERIFY(name->geometry().right() < banner.right());
        QCOMPARE(name->toolTip(), longName);
        QVERIFY(w.grab().save(QStringLiteral(SCREENSHOT_DIR "/window_long_name.png")));

        w.resize(w.width() + 600, w.height()); // more room: the name grows with the banner
        QTRY_VERIFY(rig.find<QLabel>("Image1")->width() > banner.width());
        QVERIFY(name->geometry().right() < rig.find<QLabel>("Image1")->geometry().right());
        QVERIFY(name->width() > banner.right() - name->x());

        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("Short"));
        name->grab();
        QCOMPARE(name->toolTip(), QString());
    }
};

QTEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"
