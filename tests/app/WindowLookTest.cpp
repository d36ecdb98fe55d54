// How the window looks: its pictures at the screen's device pixel ratio. The test runs once at
// ratio 1 and once more with QT_SCALE_FACTOR=2.
#include "EditorRig.h"
#include "app/frmMain.h"

#include <QLabel>
#include <QtTest>

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
};

QTEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"
