// Exact pixels of the button's face, with a fixed system-colour table.
#include "ButtonFakes.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/ColorMath.h"
#include "controls/button_xp/FaceCanvas.h"
#include "controls/button_xp/FacePainter.h"
#include "controls/button_xp/SystemColors.h"

#include <QMouseEvent>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

namespace {

constexpr quint32 rgb(int r, int g, int b) {
    return quint32(r) | (quint32(g) << 8) | (quint32(b) << 16);
}

const quint32 Face = rgb(212, 208, 200);
const quint32 Shadow = rgb(128, 128, 128);
const quint32 Light = rgb(255, 255, 255);
const quint32 Dark3D = rgb(64, 64, 64);
const quint32 Text = rgb(0, 0, 0);

quint32 at(const QImage& image, int x, int y) {
    return FromQRgb(image.pixel(x, y));
}

QImage paint(const FaceState& s, FaceMemory* memory = nullptr) {
    FaceMemory local;
    FaceMemory& m = memory ? *memory : local;
    m.SurfaceBackColor = s.BackColor;
    QImage image(s.W, s.H, QImage::Format_RGB32);
    FacePainter::Paint(s, m, image);
    return image;
}

FaceState state(int style, int w = 80, int h = 24) {
    FaceState s;
    s.W = w;
    s.H = h;
    s.ButtonStyle = style;
    s.Font = QFont("Liberation Sans", 9);
    return s;
}

} // namespace

class ButtonPaintTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        SetSystemColor(13, rgb(10, 36, 106));
        SetSystemColor(15, Face);
        SetSystemColor(16, Shadow);
        SetSystemColor(18, Text);
        SetSystemColor(20, Light);
        SetSystemColor(21, Dark3D);
        SetSystemColor(22, rgb(223, 223, 223));
    }
    void cleanupTestCase() { ResetSystemColors(); }

    void colourArithmetic() {
        QCOMPARE(OffsetColor(rgb(128, 128, 128), -8), rgb(120, 120, 123));
        QCOMPARE(OffsetColor(rgb(128, 128, 128), 48), rgb(176, 176, 160));
        QCOMPARE(OffsetColor(rgb(250, 5, 255), 20), rgb(255, 25, 255));
        QCOMPARE(OffsetColor(rgb(3, 3, 100), -10), rgb(0, 0, 95)); // blue: 100 - trunc(1000/192)
        QCOMPARE(OffsetColor(rgb(0, 0, 191), -1), rgb(0, 0, 191)); // trunc(-191/192) is 0
        QCOMPARE(LightenColor(rgb(250, 100, 0), 8), rgb(255, 108, 8));
        const Rgb c = SplitColor(rgb(1, 2, 3));
        QCOMPARE(c.Red + c.Green * 10 + c.Blue * 100, 321);
        QCOMPARE(TranslateColor(0x80000010), Shadow);
        QCOMPARE(TranslateColor(0x00123456), 0x00123456u);
        // Above 0x00FFFFFF every value is a system colour, by all of its low 24 bits.
        QCOMPARE(TranslateColor(0x0100000F), Face);
        QCOMPARE(TranslateColor(0x7F000010), Shadow);
        QCOMPARE(TranslateColor(0x8000010F), 0u); // index 0x10F is outside the table: black
        QCOMPARE(TranslateColor(0x00FFFFFF), 0x00FFFFFFu);
    }

    void primitives() {
        QImage image(10, 10, QImage::Format_RGB32);
        FaceCanvas canvas(image);
        canvas.Fill(0);
        canvas.DrawLine(2, 3, 6, 3, 0xFF);
        QCOMPARE(at(image, 2, 3), 0xFFu);
        QCOMPARE(at(image, 5, 3), 0xFFu);
        QCOMPARE(at(image, 6, 3), 0u); // the end point is left out
        canvas.DrawBox({1, 5, 4, 8}, 0xFF00, false);
        QCOMPARE(at(image, 3, 7), 0xFF00u);
        QCOMPARE(at(image, 4, 7), 0u);
        QCOMPARE(at(image, 2, 6), 0u); // framed: the inside stays
        canvas.DrawBox({1, 5, 4, 8}, 0xFF00, true);
        QCOMPARE(at(image, 2, 6), 0xFF00u);
        canvas.DrawBox({-5, -5, 100, 1}, 0x10, true); // clipped, no harm
        QCOMPARE(at(image, 9, 0), 0x10u);

        const QImage before = image.copy();
        canvas.DrawFocusRect({0, 0, 10, 10});
        QCOMPARE(at(image, 0, 0), 0x00FFFFEFu); // (0 + 0) even: inverted
        QCOMPARE(at(image, 1, 0), at(before, 1, 0));
        canvas.DrawFocusRect({0, 0, 10, 10});
        QCOMPARE(image, before); // twice removes it
    }

    void themedGradientOffsets() {
        QList<int> h23;
        for (int i = 1; i <= 23; ++i) {
            h23 << FacePainter::GradientOffset(i, 23, 25.0f);
        }
        QCOMPARE(h23, QList<int>({-1,  -2,  -3,  -4,  -5,  -7,  -8,  -9,  -10, -11, -12, -13,
                                  -14, -15, -16, -17, -18, -20, -21, -22, -23, -24, -25}));
        QCOMPARE(FacePainter::GradientOffset(1, 50, 25.0f), 0);
        QCOMPARE(FacePainter::GradientOffset(2, 50, 25.0f), -1);
        QCOMPARE(FacePainter::GradientOffset(3, 50, 25.0f), -2);
        QCOMPARE(FacePainter::GradientOffset(5, 50, 25.0f), -2);
        // The single-precision step times the row, exactly: -7.4999998 and -17.4999996.
        QCOMPARE(FacePainter::GradientOffset(9, 30, 25.0f), -7);
        QCOMPARE(FacePainter::GradientOffset(21, 30, 25.0f), -17);

        // The rows of a painted face follow them.
        FaceState s = state(3, 40, 23);
        s.BackColor = 0x8000000F;
        const QImage face = paint(s);
        const quint32 light = OffsetColor(Face, 48);
        QCOMPARE(at(face, 20, 6), OffsetColor(light, -7));
        QCOMPARE(at(face, 20, 18), OffsetColor(light, -20));
        QCOMPARE(at(face, 0, 0), Dark3D);
        QCOMPARE(at(face, 1, 1), Dark3D);
        QCOMPARE(at(face, 10, 1), OffsetColor(light, 16)); // the shading's top line
    }

    void styleTwoStateColours() {
        FaceState s = state(2);
        s.Caption.clear();
        s.IsMouseOver = true;
        QImage hover = paint(s);
        QCOMPARE(at(hover, 10, 10), rgb(181, 190, 214));
        QCOMPARE(at(hover, 0, 0), Text); // the border in ForeColor while hovered
        s.IsPressed = true;
        QImage pressed = paint(s);
        QCOMPARE(at(pressed, 10, 10), rgb(166, 175, 214));
        s.IsPressed = s.IsMouseOver = false;
        QImage rest = paint(s);
        QCOMPARE(at(rest, 0, 0), Face); // no border at rest
        s.XPShowBorderAlways = true;
        QCOMPARE(at(paint(s), 0, 0), Text);

        SetSystemColor(13, rgb(200, 200, 200)); // channel sums above 255 are 255
        s.IsMouseOver = true;
        QCOMPARE(at(paint(s), 10, 10), rgb(255, 255, 255));
        s.XPDefaultColors = false;
        s.XPColor_Hover = rgb(1, 2, 3);
        QCOMPARE(at(paint(s), 10, 10), rgb(1, 2, 3));
    }

    void threeRingsAtBevelTwo() {
        FaceState s = state(0, 60, 30);
        s.Caption.clear();
        s.BEVEL = 2;
        s.BEVELDEPTH = 8;
        const QImage img = paint(s);
        // Shadow rings on the right edge, from the inside out.
        QCOMPARE(at(img, 60 - 1 - 2, 15), OffsetColor(Face, -8));
        QCOMPARE(at(img, 60 - 1 - 1, 15), OffsetColor(OffsetColor(Face, -8), -8));
        QCOMPARE(at(img, 60 - 1, 15), OffsetColor(OffsetColor(OffsetColor(Face, -8), -8), -8));
        // Light lines on top and left: +8, +16, +24.
        QCOMPARE(at(img, 30, 2), LightenColor(Face, 8));
        QCOMPARE(at(img, 1, 15), LightenColor(Face, 16));
        QCOMPARE(at(img, 30, 0), LightenColor(Face, 24));
        // The top-right pixel of each ring keeps the shadow colour.
        QCOMPARE(at(img, 60 - 1, 0), OffsetColor(OffsetColor(OffsetColor(Face, -8), -8), -8));
        // Pressed: the mirror image.
        s.IsPressed = true;
        const QImage sunk = paint(s);
        QCOMPARE(at(sunk, 30, 0), OffsetColor(OffsetColor(OffsetColor(Face, -8), -8), -8));
        QCOMPARE(at(sunk, 60 - 1, 15), LightenColor(Face, 24));
    }

    void styleZeroEdgesAndFocus() {
        FaceState s = state(0, 50, 20);
        s.Caption.clear();
        QImage rest = paint(s);
        QCOMPARE(at(rest, 10, 0), Light);
        QCOMPARE(at(rest, 0, 10), Light);
        QCOMPARE(at(rest, 49, 10), Shadow);
        QCOMPARE(at(rest, 10, 19), Shadow);
        QCOMPARE(at(rest, 48, 10), Face);
        s.HasFocus = true;
        QImage focused = paint(s);
        QCOMPARE(at(focused, 48, 10), Shadow); // the two-pixel shadow
        QCOMPARE(at(focused, 49, 10), Shadow);
        QCOMPARE(at(focused, 10, 18), Shadow);
        QCOMPARE(at(focused, 4, 4), 0x00FFFFFFu & ~Face); // the dotted focus rectangle, inverted
        s.ShowFocusRect = false;
        QCOMPARE(at(paint(s), 4, 4), Face);
        s.HasFocus = false;
        s.UserMode = false; // design mode: raised edge, no emphasis
        s.IsDefaultButton = true;
        QCOMPARE(at(paint(s), 48, 10), Face);
    }

    void styleOneAndFour() {
        FaceState s = state(1, 40, 20);
        s.Caption.clear();
        QCOMPARE(at(paint(s), 0, 0), Face);
        s.IsMouseOver = true;
        QCOMPARE(at(paint(s), 0, 0), Light);
        s.IsPressed = true;
        QCOMPARE(at(paint(s), 0, 0), Shadow);

        FaceState four = state(4, 40, 20);
        four.Caption = "A";
        for (bool pressed : {false, true}) {
            four.IsPressed = four.IsMouseOver = pressed;
            const QImage img = paint(four);
            QCOMPARE(at(img, 0, 0), Face);
            QCOMPARE(at(img, 39, 19), Face);
        }
        four.HasFocus = true;
        QVERIFY(at(paint(four), 4, 4) != Face); // focus rectangle still shown
    }

    void disabledCaptionIsEmbossed() {
        FaceState s = state(4, 80, 24);
        s.Caption = "Save";
        s.ForeColor = rgb(200, 0, 0);
        s.Enabled = false;
        const QImage img = paint(s);
        int light = 0, shadow = 0, fore = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                const quint32 p = at(img, x, y);
                light += p == Light;
                shadow += p == Shadow;
                fore += p == rgb(200, 0, 0);
            }
        }
        QVERIFY(light > 5);
        QVERIFY(shadow > 5);
        QCOMPARE(fore, 0);
        // Every shadow pixel's highlight twin lies one pixel down and right or under shadow.
        s.Enabled = true;
        const QImage enabled = paint(s);
        int red = 0;
        for (int y = 0; y < enabled.height(); ++y) {
            for (int x = 0; x < enabled.width(); ++x) {
                red += at(enabled, x, y) == rgb(200, 0, 0);
            }
        }
        QCOMPARE(red, shadow);
    }

    void bitmapKeyedOnMaskColor() {
        QImage bmp(8, 8, QImage::Format_RGB32);
        bmp.fill(qRgb(255, 0, 255)); // the mask colour
        for (int y = 2; y < 6; ++y) {
            for (int x = 2; x < 6; ++x) {
                bmp.setPixel(x, y, qRgb(0, 0, 200));
            }
        }
        FaceState s = state(4, 40, 40);
        s.Caption.clear();
        s.CurrentPicture = ButtonPicture::fromImage(bmp);
        s.PictureWidth = 16; // stretched to twice the size
        s.PictureHeight = 16;
        s.MaskColor = rgb(255, 0, 255);
        const QImage img = paint(s);
        // Centred in the content box {4, 4, 36, 36}: at (12, 12) to (28, 28).
        QCOMPARE(at(img, 12, 12), Face); // masked corner shows the face
        QCOMPARE(at(img, 20, 20), rgb(0, 0, 200));
        QCOMPARE(at(img, 16, 16), rgb(0, 0, 200)); // source (2, 2) stretched to (16, 16)
        QCOMPARE(at(img, 15, 20), Face);

        s.ButtonStyle = 2;
        s.IsMouseOver = true; // lifted 3 up and left, grey silhouette where it was
        const QImage hover = paint(s);
        QCOMPARE(at(hover, 17, 17), rgb(0, 0, 200));
        QCOMPARE(at(hover, 22, 22), 0x00929292u);
        QCOMPARE(at(hover, 12, 12), rgb(181, 190, 214));

        s.IsMouseOver = false;
        s.Enabled = false; // disabled: emboss of the foreground only
        const QImage off = paint(s);
        QCOMPARE(at(off, 20, 20), Shadow);
        QCOMPARE(at(off, 24, 24), Light);
        QCOMPARE(at(off, 12, 12), Face);

        s.Enabled = true;
        s.CurrentPicture = ButtonPicture::empty(); // keeps its place, draws nothing
        s.Caption = "X";
        s.PicturePosition = 1;
        const QImage blank = paint(s);
        QCOMPARE(at(blank, 20, 20), Face);
    }

    // A 16 x 16 icon with a 32 x 32 picture size is stretched to 32 x 32 in all three
    // renderings: normal, disabled, and the hover shadow of style 2.
    void iconsAreStretchedToThePictureSize() {
        QImage square(16, 16, QImage::Format_ARGB32);
        square.fill(qRgb(0, 0, 200));
        FaceState s = state(4, 48, 48);
        s.Caption.clear();
        s.CurrentPicture = ButtonPicture::fromIcon(QIcon(QPixmap::fromImage(square)), {16, 16});
        s.PictureWidth = s.PictureHeight = 32;
        const QImage normal = paint(s); // centred in {4, 4, 44, 44}: (8, 8) to (40, 40)
        QCOMPARE(at(normal, 8, 8), rgb(0, 0, 200));
        QCOMPARE(at(normal, 39, 39), rgb(0, 0, 200));
        QCOMPARE(at(normal, 40, 40), Face);
        QCOMPARE(at(normal, 7, 7), Face);

        s.Enabled = false;
        const QImage off = paint(s);
        QCOMPARE(at(off, 39, 39), Shadow);
        QCOMPARE(at(off, 40, 40), Light); // the embossed edge, one pixel beyond
        QCOMPARE(at(off, 41, 41), Face);

        s.Enabled = true;
        s.ButtonStyle = 2;
        s.IsMouseOver = true; // lifted 3 up and left, the silhouette where it was
        const QImage hover = paint(s);
        QCOMPARE(at(hover, 5, 5), rgb(0, 0, 200));
        QCOMPARE(at(hover, 36, 36), rgb(0, 0, 200));
        QCOMPARE(at(hover, 37, 37), 0x00929292u);
        QCOMPARE(at(hover, 39, 39), 0x00929292u);
        QVERIFY(at(hover, 40, 40) != 0x00929292u);
    }

    // Pressed, the picture and the caption move one pixel right and down, except in
    // style 2; at rest they are centred exactly.
    void pressedContentMovesOnePixel() {
        QImage bmp(8, 8, QImage::Format_RGB32);
        bmp.fill(qRgb(0, 0, 200));
        const auto bounds = [](const QImage& img, quint32 colour, QRect within) {
            QRect found;
            for (int y = within.top(); y <= within.bottom(); ++y) {
                for (int x = within.left(); x <= within.right(); ++x) {
                    if (at(img, x, y) == colour) {
                        found |= QRect(x, y, 1, 1);
                    }
                }
            }
            return found;
        };
        for (int style : {0, 1, 2, 3, 4}) {
            FaceState s = state(style, 80, 24);
            s.Caption.clear();
            s.CurrentPicture = ButtonPicture::fromImage(bmp);
            s.PictureWidth = s.PictureHeight = 8;
            const QRect rest = bounds(paint(s), rgb(0, 0, 200), QRect(0, 0, 80, 24));
            QCOMPARE(rest, QRect(36, 8, 8, 8)); // (80 - 8) / 2, (24 - 8) / 2
            s.IsPressed = true;
            const QRect pressed = bounds(paint(s), rgb(0, 0, 200), QRect(0, 0, 80, 24));
            QCOMPARE(pressed, style == 2 ? rest : rest.translated(1, 1));

            s.CurrentPicture = nullptr;
            s.Caption = "II";
            s.IsPressed = false;
            const QRect text = bounds(paint(s), Text, QRect(3, 3, 74, 18));
            s.IsPressed = true;
            const QRect textPressed = bounds(paint(s), Text, QRect(3, 3, 74, 18));
            QVERIFY(!text.isEmpty());
            QCOMPARE(textPressed, style == 2 ? text : text.translated(1, 1));
        }
    }

    void transparentBackground() {
        QImage parent(200, 200, QImage::Format_RGB32);
        for (int y = 0; y < 200; ++y) {
            for (int x = 0; x < 200; ++x) {
                parent.setPixel(x, y, qRgb(x, y, 77));
            }
        }
        QStringList log;
        RecordingHost host(log);
        host.parentPicture = parent;
        host.position = QPointF(20, 30);
        QWidget window;
        Button_XP b(&window, &host,
                    ButtonServices{std::make_shared<FakePointer>(),
                                   std::make_shared<FakeSound>(log),
                                   std::make_shared<FakeUrls>(log)});
        b.InitProperties();
        b.setCaption(QString());
        b.setButtonStyle(4);
        b.resize(40, 20);
        b.setTransparentBG(true);
        QCOMPARE(at(b.BackBuffer(), 0, 0), rgb(20, 30, 77));
        QCOMPARE(at(b.BackBuffer(), 39, 19), rgb(59, 49, 77));

        host.position = QPointF(300, 450); // a parent measuring in twips
        host.unitsPerPixel = 15;
        b.Refresh();
        QCOMPARE(at(b.BackBuffer(), 0, 0), rgb(20, 30, 77));

        host.position = QPointF(187.5, 0); // 12.5 pixels: halves go to the even neighbour
        b.Refresh();
        QCOMPARE(at(b.BackBuffer(), 0, 0), rgb(12, 0, 77));

        // Style 2 shows its state colour, not the copy, while hovered or pressed.
        host.position = QPointF(20, 30);
        host.unitsPerPixel = 1;
        b.setButtonStyle(2);
        b.Refresh();
        QCOMPARE(at(b.BackBuffer(), 5, 10), rgb(25, 40, 77));
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &press);
        QVERIFY(b.IsPressed());
        QVERIFY(at(b.BackBuffer(), 5, 10) != rgb(25, 40, 77));
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(50, 50),
                            b.mapToGlobal(QPointF(50, 50)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&b, &release);
        QCOMPARE(at(b.BackBuffer(), 5, 10), rgb(25, 40, 77)); // at rest: the copy again

        b.setButtonStyle(3); // the themed face never copies
        QVERIFY(!b.TransparentBG());
    }

    void themedRingsAndPress() {
        FaceState s = state(3, 80, 24);
        s.Caption.clear();
        s.HasFocus = true;
        s.IsMouseOver = true;
        FaceMemory m;
        QImage both(80, 24, QImage::Format_RGB32);
        FacePainter::Paint(s, m, both);
        const quint32 hover = rgb(225, 153, 71);
        QCOMPARE(at(both, 1, 10), hover); // the hover ring covers the focus ring
        QCOMPARE(at(both, 10, 1), OffsetColor(hover, 90));
        QCOMPARE(at(both, 10, 2), OffsetColor(hover, 35));
        QCOMPARE(at(both, 10, 22), OffsetColor(hover, -40));
        QCOMPARE(at(both, 2, 10), OffsetColor(hover, 20));

        s.IsMouseOver = false;
        FacePainter::Paint(s, m, both);
        const quint32 focus = rgb(140, 170, 230);
        QCOMPARE(at(both, 1, 10), focus);
        QCOMPARE(at(both, 10, 1), OffsetColor(focus, 65));

        s.IsPressed = true; // pressed and focused: no ring
        FacePainter::Paint(s, m, both);
        const quint32 dark = OffsetColor(OffsetColor(Face, 48), -32);
        QCOMPARE(at(both, 10, 1), OffsetColor(dark, -32));
        QCOMPARE(at(both, 1, 10), OffsetColor(dark, -32));

        s.Enabled = false; // disabled: neither ring nor gradient
        FacePainter::Paint(s, m, both);
        const quint32 light = OffsetColor(Face, 48);
        QCOMPARE(at(both, 10, 10), OffsetColor(light, -24));
        QCOMPARE(at(both, 0, 10), OffsetColor(light, -84));
        QCOMPARE(at(both, 1, 1), OffsetColor(light, -72));
    }

    void layoutOfPictureAndCaption() {
        FaceState s = state(4, 120, 40);
        s.Caption = "Wide";
        s.CurrentPicture = ButtonPicture::empty();
        s.PictureWidth = s.PictureHeight = 16;
        FaceMemory m;
        for (int position = 0; position < 4; ++position) {
            s.PicturePosition = position;
            paint(s, &m);
            const Box p = m.PictureRect, c = m.CaptionRect;
            QCOMPARE(p.Width(), 16);
            switch (position) {
            case 0:
                QCOMPARE(c.Top, p.Bottom + 4);
                break;
            case 1:
                QCOMPARE(c.Left, p.Right + 4);
                break;
            case 2:
                QCOMPARE(p.Left, c.Right + 4);
                break;
            case 3:
                QCOMPARE(p.Top, c.Bottom + 4);
                break;
            }
        }
        s.Caption = QString(40, 'W'); // one word wider than the content box
        s.CurrentPicture = nullptr;
        paint(s, &m);
        QVERIFY(m.CaptionRect.Left < 4);
        QCOMPARE(m.CaptionRect.Left - 4, 116 - m.CaptionRect.Right);
    }

    // System colours are the palette's as it is now: a face in the button face colour follows
    // a change of the desktop's theme while the button is shown.
    void faceFollowsThePalette() {
        ResetSystemColors(); // the palette's, not the fixed table of these tests
        const QPalette before = QApplication::palette();
        QStringList log;
        RecordingHost host(log);
        QWidget window;
        Button_XP b(&window, &host,
                    ButtonServices{std::make_shared<FakePointer>(),
                                   std::make_shared<FakeSound>(log),
                                   std::make_shared<FakeUrls>(log)});
        b.InitProperties();
        b.setButtonStyle(0);
        b.resize(80, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(b.BackBuffer().pixel(40, 12), before.color(QPalette::Button).rgb());
        QPalette dark = before;
        dark.setColor(QPalette::Button, QColor(40, 40, 40));
        QApplication::setPalette(dark);
        QTRY_COMPARE(b.BackBuffer().pixel(40, 12), qRgb(40, 40, 40));
        QApplication::setPalette(before);
        QTRY_COMPARE(b.BackBuffer().pixel(40, 12), before.color(QPalette::Button).rgb());
    }

    void refreshShowsOnlyFinishedFaces() {
        QStringList log;
        RecordingHost host(log);
        QWidget window;
        Button_XP b(&window, &host,
                    ButtonServices{std::make_shared<FakePointer>(),
                                   std::make_shared<FakeSound>(log),
                                   std::make_shared<FakeUrls>(log)});
        b.InitProperties();
        b.setButtonStyle(3);
        b.resize(265, 25);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage shown = b.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.size(), b.BackBuffer().size());
        QCOMPARE(at(shown, 100, 1), at(b.BackBuffer(), 100, 1));
        QCOMPARE(at(shown, 100, 12), at(b.BackBuffer(), 100, 12));
    }
};

QTEST_MAIN(ButtonPaintTest)
#include "ButtonPaintTest.moc"
