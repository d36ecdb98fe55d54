#pragma once

#include "controls/button_xp/ButtonPicture.h"
#include "controls/button_xp/FaceCanvas.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

namespace voxtrel {

// Everything one paint of the button's face reads.
struct FaceState {
    int W = 0;
    int H = 0;
    qint32 ButtonStyle = 2;
    quint32 BackColor = 0x8000000F;
    quint32 ForeColor = 0x80000012;
    qint16 BEVEL = 1;
    qint16 BEVELDEPTH = 8;
    bool XPDefaultColors = true;
    quint32 XPColor_Hover = 0x80000016;
    quint32 XPColor_Pressed = 0x80000014;
    bool XPShowBorderAlways = false;
    bool TransparentBG = false;
    bool ShowFocusRect = true;
    PictureRef CurrentPicture;
    QString Caption;
    qint32 PicturePosition = 1;
    qint32 PictureWidth = 32;
    qint32 PictureHeight = 32;
    quint32 MaskColor = 0;
    QFont Font;
    bool HasFocus = false;
    bool IsPressed = false;
    bool IsMouseOver = false;
    bool Enabled = true;
    bool UserMode = true;
    bool IsDefaultButton = false;
    // The parent's background picture and the control's top-left corner on it, in pixels.
    QImage ParentPicture;
    QPoint ParentOffset;
};

// What painting keeps from one paint to the next: the surface's background colour and the
// layout rectangles.
struct FaceMemory {
    quint32 SurfaceBackColor = 0x8000000F;
    Box CaptionRect;
    Box PictureRect;
};

// Paints the whole face of a Button_XP into an image: state background, frame, picture,
// focus rectangle and caption, in that order. The image is W x H, or for a screen of a
// higher device pixel ratio FaceCanvas::DevicePixels of W x H, with that ratio set on it.
class FacePainter {
public:
    static void Paint(const FaceState& s, FaceMemory& memory, QImage& image);

    // The pieces, for the tests and the gallery.
    static void DrawRaisedBevel(FaceCanvas& canvas, quint32 base, int n, int d);
    static void DrawSunkenBevel(FaceCanvas& canvas, quint32 base, int n, int d);
    static void DrawThemedFace(FaceCanvas& canvas, const FaceState& s, bool pressedLook,
                               bool hoverRing);
    // The offset of gradient row i of the themed face: -(total / H) * i in single precision,
    // to the nearest integer with halves to even.
    static int GradientOffset(int i, int H, float total);
    // Copies w x h of source at (sx, sy) to (x, y), leaving out pixels equal to key (and
    // fully transparent ones).
    static void BlitMasked(QImage& destination, const QImage& source, int sx, int sy, int w, int h,
                           int x, int y, quint32 key);
};

} // namespace voxtrel
