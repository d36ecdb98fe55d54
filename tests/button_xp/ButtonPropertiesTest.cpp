// Button_XP: its properties and their persistence with the container, and its services.
#include "ButtonFakes.h"
#include "ButtonRig.h"
#include "controls/button_xp/AccessKey.h"
#include "controls/button_xp/Button_XP.h"
#include "controls/button_xp/MemoryPropertyBag.h"

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QtTest>

using namespace voxtrel;
using namespace voxtrel::test;

class ButtonPropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void loadingOnlyACaption() {
        QStringList log;
        RecordingHost host(log);
        QWidget window;
        Button_XP b(&window, &host,
                    ButtonServices{std::make_shared<FakePointer>(),
                                   std::make_shared<FakeSound>(log),
                                   std::make_shared<FakeUrls>(log)});
        MemoryPropertyBag bag;
        bag.set("Caption", QString("Only"));
        QVERIFY(b.ReadProperties(bag));
        QCOMPARE(b.Caption(), QString("Only"));
        QCOMPARE(b.ButtonStyle(), 2);
        QCOMPARE(b.PicturePosition(), 1);
        QCOMPARE(b.PictureSize(), 1);
        QCOMPARE(b.PictureWidth(), 32);
        QCOMPARE(b.PictureHeight(), 32);
        QCOMPARE(b.BEVEL(), qint16(1));
        QCOMPARE(b.BEVELDEPTH(), qint16(8));
        QVERIFY(b.XPDefaultColors());
        QCOMPARE(b.SoundOver().toString(), QString(".\\resources\\over.wav"));
        QCOMPARE(b.SoundClick(), QString(".\\resources\\click.wav"));
        QVERIFY(b.Enabled());
        QCOMPARE(b.MousePointer(), 0);
        QVERIFY(!b.Picture());
        QCOMPARE(b.BackColor(), 0x8000000Fu);
        // Loading sends only the MouseIcon notification, and reads the keys in order.
        QCOMPARE(log.filter("notify:"), QStringList({"notify:MouseIcon"}));
        const QStringList expectedReads = {"R:BackColor",
                                           "R:ForeColor",
                                           "R:ShowFocusRect",
                                           "R:Caption",
                                           "R:PicturePosition",
                                           "R:ButtonStyle",
                                           "R:Picture",
                                           "R:PictureWidth",
                                           "R:PictureHeight",
                                           "R:PictureSize",
                                           "R:OriginalPicSizeW",
                                           "R:OriginalPicSizeH",
                                           "R:Font",
                                           "R:Font",
                                           "R:PictureHover",
                                           "R:Picture",
                                           "R:MouseIcon",
                                           "R:Enabled",
                                           "R:MousePointer",
                                           "R:URL",
                                           "R:XPColor_Pressed",
                                           "R:XPColor_Hover",
                                           "R:XPDefaultColors",
                                           "R:SoundOver",
                                           "R:SoundClick",
                                           "R:DefCurHand",
                                           "R:XPShowBorderAlways",
                                           "R:MaskColor",
                                           "R:TransparentBG",
                                           "R:BEVEL",
                                           "R:BEVELDEPTH"};
        QCOMPARE(bag.log, expectedReads);
    }

    void loadedPictureIsCurrentAndNormal() {
        Rig r;
        MemoryPropertyBag bag;
        const PictureRef pic = ButtonPicture::fromImage(QImage(12, 12, QImage::Format_RGB32));
        bag.set("Picture", QVariant::fromValue(pic));
        bag.set("XPDefaultColors", QVariant::fromValue<qint16>(5)); // any non-zero is true
        bag.set("TransparentBG", QVariant::fromValue<qint16>(0));
        QVERIFY(r.button->ReadProperties(bag));
        QCOMPARE(r.button->Picture(), pic);
        QVERIFY(r.button->XPDefaultColors());
        r.show();
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        r.pointer->under = nullptr;
        QTRY_VERIFY(!r.button->IsMouseOver());
        QCOMPARE(r.button->Picture(), pic); // restored from the normal picture
    }

    void wrongStoredTypeStopsLoading() {
        Rig r;
        MemoryPropertyBag bag;
        bag.set("Caption", QString("Loaded"));
        bag.set("ButtonStyle", QString("three"));
        bag.set("URL", QString("http://never.example/"));
        QVERIFY(!r.button->ReadProperties(bag));
        QCOMPARE(r.button->LastError(), Button_XP::TypeMismatch);
        QCOMPARE(r.button->Caption(), QString("Loaded")); // read before the failing key
        QVERIFY(r.button->URL().isEmpty());               // never reached
    }

    void savingAFreshInstance() {
        Rig r;
        MemoryPropertyBag bag;
        QVERIFY(r.button->WriteProperties(bag));
        QCOMPARE(bag.value("OriginalPicSizeW").toInt(), 0);
        QCOMPARE(bag.value("OriginalPicSizeH").toInt(), 0);
        QVERIFY(!bag.contains("Picture"));
        QVERIFY(!bag.contains("BackColor"));
        QVERIFY(!bag.contains("ButtonStyle"));
        QVERIFY(bag.contains("PictureHover")); // an empty picture is not the absence of one
        const QStringList expectedWrites = {"W:Caption",
                                            "W:PicturePosition",
                                            "W:ButtonStyle",
                                            "W:Picture",
                                            "W:PictureWidth",
                                            "W:PictureHeight",
                                            "W:PictureSize",
                                            "W:OriginalPicSizeW",
                                            "W:OriginalPicSizeH",
                                            "W:PictureHover",
                                            "W:Enabled",
                                            "W:Font",
                                            "W:MouseIcon",
                                            "W:MousePointer",
                                            "W:ShowFocusRect",
                                            "W:URL",
                                            "W:XPColor_Pressed",
                                            "W:XPColor_Hover",
                                            "W:XPDefaultColors",
                                            "W:BackColor",
                                            "W:ForeColor",
                                            "W:SoundOver",
                                            "W:SoundClick",
                                            "W:DefCurHand",
                                            "W:XPShowBorderAlways",
                                            "W:MaskColor",
                                            "W:TransparentBG",
                                            "W:BEVEL",
                                            "W:BEVELDEPTH"};
        QCOMPARE(bag.log, expectedWrites);

        // What was saved loads back into a second instance unchanged.
        r.button->setCaption("Round &trip");
        r.button->setButtonStyle(4);
        r.button->setBEVELDEPTH(3);
        r.button->setEnabled(false);
        MemoryPropertyBag second;
        r.button->WriteProperties(second);
        Rig other;
        QVERIFY(other.button->ReadProperties(second));
        QCOMPARE(other.button->Caption(), QString("Round &trip"));
        QCOMPARE(other.button->AccessKey(), QString("t"));
        QCOMPARE(other.button->ButtonStyle(), 4);
        QCOMPARE(other.button->BEVELDEPTH(), qint16(3));
        QVERIFY(!other.button->Enabled());
    }

    void themedStyleSwitchesTransparencyOff() {
        Rig r;
        r.button->setTransparentBG(true);
        int refreshes = 0;
        connect(r.button, &Button_XP::Refreshed, [&] {
            ++refreshes;
            r.log << "refresh";
        });
        r.log.clear();
        r.button->setButtonStyle(3);
        QVERIFY(!r.button->TransparentBG());
        QCOMPARE(r.log.mid(0, 3),
                 QStringList({"notify:ButtonStyle", "notify:TransparentBG", "refresh"}));
        QVERIFY(refreshes >= 2);
        QVERIFY(!r.button->mask().isEmpty()); // the shape comes after the notification
    }

    void versionIsFixed() {
        Rig r;
        QCOMPARE(r.button->version(), QString("030102-155"));
        r.log.clear();
        r.button->setversion("1.0");
        QCOMPARE(r.button->version(), QString("030102-155"));
        QVERIFY(r.log.isEmpty());
    }

    void fontCopyKeepsWeightAndCharset() {
        Rig r;
        r.button->Font()->setWeight(300);
        r.button->Font()->setCharset(0);
        StdFontData other;
        other.Name = "Liberation Serif";
        other.Size = 12;
        other.Bold = true;
        other.Weight = 700;
        other.Charset = 238;
        StdFont source(other);
        r.log.clear();
        r.button->setFont(&source);
        const StdFontData now = r.button->Font()->data();
        QCOMPARE(now.Name, QString("Liberation Serif"));
        QCOMPARE(now.Size, 12.0);
        QVERIFY(now.Bold);
        QCOMPARE(now.Weight, qint16(300));
        QCOMPARE(now.Charset, qint16(0));
        QCOMPARE(r.button->QWidget::font().pointSizeF(), 12.0);
        QVERIFY(r.button->QWidget::font().bold());
        QCOMPARE(r.log.filter("notify:"), QStringList({"notify:Font"}));
    }

    void pictureSizes() {
        Rig r;
        r.button->setPictureSize(2);
        QCOMPARE(QSize(r.button->PictureWidth(), r.button->PictureHeight()), QSize(32, 32));
        r.button->setPicture(ButtonPicture::fromImage(QImage(20, 14, QImage::Format_RGB32)));
        QCOMPARE(QSize(r.button->PictureWidth(), r.button->PictureHeight()), QSize(20, 14));
        r.button->setPicture(nullptr);
        QCOMPARE(QSize(r.button->OriginalPicSizeW(), r.button->OriginalPicSizeH()), QSize(32, 32));
        QCOMPARE(QSize(r.button->PictureWidth(), r.button->PictureHeight()), QSize(32, 32));
        r.button->setPictureSize(0);
        QCOMPARE(r.button->PictureWidth(), 16);
        r.button->setPictureSize(7);
        QCOMPARE(r.button->PictureWidth(), 16);
    }

    void soundOverTakesAnyString() {
        Rig r;
        r.button->setSoundOver(5);
        QCOMPARE(r.button->SoundOver().toString(), QString("5"));
    }

    void mousePointerOverflow() {
        Rig r;
        r.button->setMousePointer(11);
        r.log.clear();
        r.button->setMousePointer(40000);
        QCOMPARE(r.button->LastError(), Button_XP::Overflow);
        QCOMPARE(r.button->MousePointer(), 11);
        QVERIFY(r.log.isEmpty());
        QCOMPARE(r.button->cursor().shape(), Qt::WaitCursor);
    }

    // Whoever holds the font object keeps a live one: loading assigns into it, and the
    // holder's later changes still reach the control and its container.
    void fontObjectLivesAsLongAsTheControl() {
        Rig r;
        StdFont* held = r.button->Font();
        r.button->InitProperties();
        MemoryPropertyBag bag;
        StdFontData loaded;
        loaded.Name = "Liberation Serif";
        loaded.Size = 14;
        bag.set("Font", QVariant::fromValue(loaded));
        QVERIFY(r.button->ReadProperties(bag));
        QCOMPARE(r.button->Font(), held);
        QCOMPARE(held->data().Name, QString("Liberation Serif"));
        r.log.clear();
        held->setBold(true);
        QVERIFY(r.button->font().bold());
        QCOMPARE(r.log, QStringList{"notify:Font"});
    }

    // Every persisted key, set to a value unlike its default and unlike the others, comes
    // back from a save and a load unchanged.
    void everyKeyRoundTrips() {
        Rig r;
        const PictureRef picture = ButtonPicture::fromImage(QImage(10, 12, QImage::Format_RGB32));
        const PictureRef hover = ButtonPicture::fromImage(QImage(11, 13, QImage::Format_RGB32));
        const PictureRef pointer =
            ButtonPicture::fromImage(QImage(16, 16, QImage::Format_RGB32), {3, 4});
        StdFont font(StdFontData{"Liberation Serif", 13.5, true, true, true, true, 700, 0});
        Button_XP& b = *r.button;
        b.setCaption("Round &trip");
        b.setPicturePosition(3);
        b.setButtonStyle(4);
        b.setPicture(picture);
        b.setPictureSize(0);
        b.setPictureWidth(21);
        b.setPictureHeight(22);
        b.setPictureHover(hover);
        b.setEnabled(false);
        b.setFont(&font);
        b.setMouseIcon(pointer);
        b.setMousePointer(11);
        b.setShowFocusRect(false);
        b.setURL("http://names.example/");
        b.setXPColor_Pressed(0x00102030);
        b.setXPColor_Hover(0x00405060);
        b.setXPDefaultColors(false);
        b.setBackColor(0x00708090);
        b.setForeColor(0x00A0B0C0);
        b.setSoundOver("over2.wav");
        b.setSoundClick("click2.wav");
        b.setDefCurHand(true);
        b.setXPShowBorderAlways(true);
        b.setMaskColor(0x00D0E0F0);
        b.setTransparentBG(true);
        b.setBEVEL(3);
        b.setBEVELDEPTH(5);
        MemoryPropertyBag first;
        QVERIFY(b.WriteProperties(first));
        QCOMPARE(first.log.size(), 29);
        Rig other;
        QVERIFY(other.button->ReadProperties(first));
        MemoryPropertyBag second;
        QVERIFY(other.button->WriteProperties(second));
        for (const QString& entry : first.log) {
            const QString key = entry.mid(2);
            QVERIFY2(first.contains(key), qPrintable(key)); // nothing left at its default
            const QVariant a = first.value(key), c = second.value(key);
            if (a.canConvert<PictureRef>() && a.value<PictureRef>()) {
                QCOMPARE(c.value<PictureRef>()->pixelSize(), a.value<PictureRef>()->pixelSize());
            } else {
                QVERIFY2(a == c, qPrintable(key));
            }
        }
    }

    // Which notifications and repaints each setter makes.
    void notifyAndRepaintOfEverySetter() {
        Rig r;
        Button_XP& b = *r.button;
        int refreshes = 0;
        connect(&b, &Button_XP::Refreshed, [&] { ++refreshes; });
        StdFont font(StdFontData{"Liberation Serif", 11, false, false, false, false, 400, 0});
        const PictureRef picture = ButtonPicture::fromImage(QImage(10, 12, QImage::Format_RGB32));
        const struct {
            const char* name;
            std::function<void()> set;
            QStringList notified;
            bool repaints;
        } setters[] = {
            {"Enabled", [&] { b.setEnabled(false); }, {"notify:Enabled"}, true},
            {"MousePointer", [&] { b.setMousePointer(2); }, {"notify:MousePointer"}, false},
            {"MouseIcon", [&] { b.setMouseIcon(picture); }, {"notify:MouseIcon"}, false},
            {"ShowFocusRect", [&] { b.setShowFocusRect(false); }, {"notify:ShowFocusRect"}, true},
            {"URL", [&] { b.setURL("x"); }, {"notify:URL"}, false},
            {"Caption", [&] { b.setCaption("C"); }, {"notify:Caption"}, true},
            {"PicturePosition", [&] { b.setPicturePosition(2); }, {"notify:PicturePosition"}, true},
            {"Picture", [&] { b.setPicture(picture); }, {"notify:Picture"}, true},
            {"PictureWidth", [&] { b.setPictureWidth(20); }, {"notify:PictureWidth"}, true},
            {"PictureHeight", [&] { b.setPictureHeight(20); }, {"notify:PictureHeight"}, true},
            {"PictureSize", [&] { b.setPictureSize(0); }, {"notify:PictureSize"}, true},
            {"PictureHover", [&] { b.setPictureHover(picture); }, {"notify:PictureHover"}, false},
            {"XPColor_Pressed",
             [&] { b.setXPColor_Pressed(1); },
             {"notify:XPColor_Pressed"},
             false},
            {"XPColor_Hover", [&] { b.setXPColor_Hover(1); }, {"notify:XPColor_Hover"}, false},
            {"XPDefaultColors",
             [&] { b.setXPDefaultColors(false); },
             {"notify:XPDefaultColors"},
             false},
            {"BackColor", [&] { b.setBackColor(1); }, {"notify:BackColor"}, true},
            {"ForeColor", [&] { b.setForeColor(1); }, {"notify:ForeColor"}, true},
            {"SoundOver", [&] { b.setSoundOver("o.wav"); }, {"notify:SoundOver"}, false},
            {"SoundClick", [&] { b.setSoundClick("c.wav"); }, {"notify:SoundClick"}, false},
            {"version", [&] { b.setversion("1"); }, {}, false},
            {"DefCurHand", [&] { b.setDefCurHand(true); }, {"notify:DefCurHand"}, false},
            {"XPShowBorderAlways",
             [&] { b.setXPShowBorderAlways(true); },
             {"notify:XPShowBorderAlways"},
             false},
            {"MaskColor", [&] { b.setMaskColor(1); }, {"notify:MaskColor"}, true},
            {"TransparentBG", [&] { b.setTransparentBG(true); }, {"notify:TransparentBG"}, true},
            {"BEVEL", [&] { b.setBEVEL(2); }, {"notify:BEVEL"}, true},
            {"BEVELDEPTH", [&] { b.setBEVELDEPTH(2); }, {"notify:BEVELDEPTH"}, true},
            {"Font", [&] { b.setFont(&font); }, {"notify:Font"}, true},
            {"ButtonStyle",
             [&] { b.setButtonStyle(3); },
             {"notify:ButtonStyle", "notify:TransparentBG"},
             true},
        };
        for (const auto& s : setters) {
            r.log.clear();
            refreshes = 0;
            s.set();
            QCOMPARE(r.log, s.notified);
            QVERIFY2((refreshes > 0) == s.repaints, s.name);
            QCOMPARE(b.LastError(), Button_XP::NoError);
        }
    }

    // After InitProperties the hover picture is an empty picture: hovering keeps the real
    // picture, or none, and a save while hovered stores the real one.
    void emptyHoverPictureIsNoHoverPicture() {
        Rig r;
        r.show();
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {5, 5}, Qt::NoButton, Qt::NoButton);
        QVERIFY(r.button->IsMouseOver());
        QVERIFY(!r.button->Picture()); // no picture: the caption stays where it was
        r.pointer->under = nullptr;
        QTRY_VERIFY(!r.button->IsMouseOver());

        const PictureRef normal = ButtonPicture::fromImage(QImage(8, 8, QImage::Format_RGB32));
        r.button->setPicture(normal);
        r.pointer->under = r.button;
        r.mouse(QEvent::MouseMove, {6, 6}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(r.button->Picture(), normal);
        MemoryPropertyBag bag;
        r.button->WriteProperties(bag);
        QCOMPARE(bag.value("Picture").value<PictureRef>(), normal);
        QCOMPARE(bag.value("PictureHover").value<PictureRef>()->kind(), ButtonPicture::Kind::Empty);
    }

    void extraMouseButtonsDoNothing() {
        Rig r;
        r.show();
        for (Qt::MouseButton extra : {Qt::BackButton, Qt::ForwardButton, Qt::ExtraButton4}) {
            r.mouse(QEvent::MouseButtonPress, {5, 5}, extra, extra);
            QVERIFY(!r.button->IsPressed());
            r.mouse(QEvent::MouseButtonRelease, {5, 5}, extra, Qt::NoButton);
        }
        QVERIFY(!r.events().contains("Click"));
        QVERIFY(r.events().filter("sound:").isEmpty());
    }

    void pointerCodesAndTheLastError() {
        Rig r;
        r.button->setMousePointer(2);
        r.button->setMousePointer(50); // not a pointer of the platform
        QCOMPARE(r.button->LastError(), Button_XP::InvalidValue);
        QCOMPARE(r.button->MousePointer(), 2);
        r.button->setCaption("Next"); // a later setter starts with no error
        QCOMPARE(r.button->LastError(), Button_XP::NoError);
        r.button->setMousePointer(99);
        QCOMPARE(r.button->LastError(), Button_XP::NoError);
    }

    void punctuationAndKeypadKeyCodes() {
        Rig r;
        r.show();
        const struct {
            int key;
            Qt::KeyboardModifiers mods;
            int code;
        } keys[] = {{Qt::Key_Comma, {}, 188},
                    {Qt::Key_Minus, {}, 189},
                    {Qt::Key_Period, {}, 190},
                    {Qt::Key_Slash, {}, 191},
                    {Qt::Key_Semicolon, {}, 186},
                    {Qt::Key_BracketLeft, {}, 219},
                    {Qt::Key_Apostrophe, {}, 222},
                    {Qt::Key_0, Qt::KeypadModifier, 96},
                    {Qt::Key_9, Qt::KeypadModifier, 105},
                    {Qt::Key_Plus, Qt::KeypadModifier, 107},
                    {Qt::Key_7, {}, 55}};
        for (const auto& k : keys) {
            r.log.clear();
            r.key(QEvent::KeyPress, k.key, k.mods);
            r.key(QEvent::KeyRelease, k.key, k.mods);
            QCOMPARE(r.events().first(), QStringLiteral("KeyDown(%1,0)").arg(k.code));
            QVERIFY(r.events().contains(QStringLiteral("KeyUp(%1,0)").arg(k.code)));
        }
    }
};

QTEST_MAIN(ButtonPropertiesTest)
#include "ButtonPropertiesTest.moc"
