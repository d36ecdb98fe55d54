// The button's face on a screen of device pixel ratio 2 and 1.5 (the test runs with
// QT_SCALE_FACTOR set): painted at that ratio, not enlarged from the face of ratio 1.
#include "ButtonFakes.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/FacePainter.h"
#include "controls/button_xp/SystemColors.h"

#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

namespace {

// The aligned 2 x 2 blocks of image whose four pixels are not all alike: none in an image
// enlarged to twice its size pixel by pixel.
int mixedBlocks(const QImage& image, QRect within) {
    int mixed = 0;
    for (int y = within.top() & ~1; y + 1 <= within.bottom(); y += 2) {
        for (int x = within.left() & ~1; x + 1 <= within.right(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p) {
                ++mixed;
            }
        }
    }
    return mixed;
}

// The bounding box of the pixels darker than the face around the caption.
QRect ink(const QImage& image, QRect within) {
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        for (int x = within.left(); x <= within.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 100) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

} // namespace

class ButtonHiDpiTest : public QObject {
    Q_OBJECT

private slots:
    void themedFaceIsPaintedAtTheDeviceRatio() {
        QStringList log;
        RecordingHost host(log);
        QWidget window;
        Button_XP b(&window, &host,
                    ButtonServices{std::make_shared<FakePointer>(),
                                   std::make_shared<FakeSound>(log),
                                   std::make_shared<FakeUrls>(log)});
        b.InitProperties();
        b.setCaption(QStringLiteral("Quick Save"));
        b.setButtonStyle(3);
        b.resize(265, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const qreal r = b.devicePixelRatioF();
        if (r == 1) {
            QSKIP("for a screen of a higher device pixel ratio");
        }
        const int W = qRound(265 * r), H = qRound(25 * r);

        const QPixmap grabbed = b.grab();
        const QImage shown = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(grabbed.devicePixelRatio(), r);
        QCOMPARE(shown.size(), QSize(W, H));
        QVERIFY(shown.save(QStringLiteral(SCREENSHOT_DIR "/quick_save_at_%1x.png").arg(r)));

        // The outline is one device pixel: the row below it is face, not outline again.
        const QRgb outline = ToQRgb(TranslateColor(0x80000015));
        for (int x : {W / 3, W / 2, W - 10}) {
            QCOMPARE(shown.pixel(x, 0), outline);
            QVERIFY(shown.pixel(x, 1) != outline);
            QCOMPARE(shown.pixel(x, H - 1), outline);
            QVERIFY(shown.pixel(x, H - 2) != outline);
        }
        for (int y : {H / 3, H / 2}) {
            QCOMPARE(shown.pixel(0, y), outline);
            QVERIFY(shown.pixel(1, y) != outline);
            QCOMPARE(shown.pixel(W - 1, y), outline);
            QVERIFY(shown.pixel(W - 2, y) != outline);
        }

        // The caption is drawn at the full resolution, at the size it has at ratio 1.
        FaceMemory memory;
        QImage single(265, 25, QImage::Format_RGB32);
        FacePainter::Paint(b.CurrentFaceState(), memory, single);
        const QRect caption(qRound(4 * r), qRound(4 * r), W - qRound(8 * r), H - qRound(8 * r));
        const QRect big = ink(shown, caption);
        const QRect small = ink(single, QRect(4, 4, 257, 17));
        QVERIFY(!small.isEmpty());
        QVERIFY2(qAbs(big.width() - r * small.width()) <= 3 * r &&
                     qAbs(big.height() - r * small.height()) <= 2 * r,
                 qPrintable(QStringLiteral("%1x%2 at %5, %3x%4 at 1")
                                .arg(big.width())
                                .arg(big.height())
                                .arg(small.width())
                                .arg(small.height())
                                .arg(r)));
        QVERIFY(qAbs(big.center().x() - r * small.center().x()) <= 2 * r);

        if (r == 2) {
            // Not the face of ratio 1 enlarged pixel by pixel: the caption's strokes are
            // finer than two device pixels.
            const QImage doubled =
                single.scaled(W, H, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            QVERIFY(shown != doubled);
            QVERIFY2(mixedBlocks(shown, caption) > 100,
                     qPrintable(QString::number(mixedBlocks(shown, caption))));
            // The outline follows the notched corner without a gap.
            QCOMPARE(shown.pixel(4, 0), outline);
            QCOMPARE(shown.pixel(2, 2), outline);
            QCOMPARE(shown.pixel(0, 4), outline);
        }
    }
};

QTEST_MAIN(ButtonHiDpiTest)
#include "ButtonHiDpiTest.moc"
