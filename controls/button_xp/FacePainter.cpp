#include "controls/button_xp/FacePainter.h"

#include "controls/button_xp/ColorMath.h"
#include "controls/button_xp/SystemColors.h"
#include "controls/button_xp/ThemedShape.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace voxtrel {
namespace {

constexpr quint32 Highlight = 0x8000000D;
constexpr quint32 ButtonShadow = 0x80000010;
constexpr quint32 ButtonHighlight = 0x80000014;
constexpr quint32 DarkShadow = 0x80000015;
constexpr quint32 SilhouetteGrey = 0x00929292;
constexpr int CaptionMargin = 1; // left and right, as the text layout asks

enum class Rendering { Normal, Disabled, Shadow };

// On an image of the face at a device pixel ratio above 1, the frame's lines and the focus
// rectangle are drawn in device pixels, one device pixel wide, and the caption at the full
// resolution; the layout stays in the control's own pixels. At ratio 1 both are the same.
class Painter {
public:
    Painter(const FaceState& state, FaceMemory& memory, QImage& image)
        : s(state), m(memory), canvas(image), ratio(image.devicePixelRatio()),
          W(FaceCanvas::DevicePixels(s.W, ratio)), H(FaceCanvas::DevicePixels(s.H, ratio)) {}

    void Run() {
        canvas.Fill(TranslateColor(m.SurfaceBackColor));
        ApplyStateBackground();
        if (s.ButtonStyle != 4) {
            DrawFrame();
        }
        ComputeLayout();
        DrawPicture();
        if (s.HasFocus && s.ShowFocusRect && s.ButtonStyle != 3) {
            const int inset = FaceCanvas::DevicePixels(4, ratio);
            canvas.DrawFocusRect({inset, inset, W - inset, H - inset});
        }
        DrawCaption();
    }

private:
    void SetSurfaceBackColor(quint32 color) {
        m.SurfaceBackColor = color;
        canvas.Fill(TranslateColor(color)); // a new surface colour repaints the whole surface
    }

    void CaptureParentBackground() {
        const QImage& picture = s.ParentPicture;
        if (picture.isNull()) {
            return;
        }
        const QImage rgb = picture.format() == QImage::Format_RGB32
                               ? picture
                               : picture.convertToFormat(QImage::Format_RGB32);
        if (ratio != 1) {
            QPainter p(&canvas.Image()); // the control's pixels, each over ratio device pixels
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setClipRect(QRect(0, 0, s.W, s.H));
            p.drawImage(-s.ParentOffset, rgb);
            return;
        }
        for (int y = 0; y < s.H; ++y) {
            const int py = s.ParentOffset.y() + y;
            if (py < 0 || py >= rgb.height()) {
                continue;
            }
            const QRgb* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(py));
            QRgb* dst = reinterpret_cast<QRgb*>(canvas.Image().scanLine(y));
            for (int x = 0; x < s.W; ++x) {
                const int px = s.ParentOffset.x() + x;
                if (px >= 0 && px < rgb.width()) {
                    dst[x] = src[px];
                }
            }
        }
    }

    void ApplyStateBackground() {
        if (s.ButtonStyle == 3) {
            return;
        }
        if (s.ButtonStyle != 2) {
            if (s.TransparentBG) {
                CaptureParentBackground();
            }
            return;
        }
        if (s.IsPressed || !s.TransparentBG) {
            SetSurfaceBackColor(s.BackColor);
        } else {
            CaptureParentBackground();
        }
        const Rgb hl = SplitColor(TranslateColor(Highlight));
        if (s.IsMouseOver && !s.IsPressed) {
            SetSurfaceBackColor(s.XPDefaultColors
                                    ? ComposeColor(hl.Red + 171, hl.Green + 154, hl.Blue + 108)
                                    : s.XPColor_Hover);
        }
        if (s.IsPressed) {
            SetSurfaceBackColor(s.XPDefaultColors
                                    ? ComposeColor(hl.Red + 156, hl.Green + 139, hl.Blue + 108)
                                    : s.XPColor_Pressed);
        }
    }

    void Edge(bool raised) {
        if (s.BEVEL < 2) {
            const quint32 first = TranslateColor(raised ? ButtonShadow : ButtonHighlight);
            const quint32 second = TranslateColor(raised ? ButtonHighlight : ButtonShadow);
            canvas.DrawBox({0, 0, W, H}, first, false);
            canvas.DrawBox({0, 0, W + 1, H + 1}, second, false);
        } else if (raised) {
            FacePainter::DrawRaisedBevel(canvas, TranslateColor(m.SurfaceBackColor), s.BEVEL,
                                         s.BEVELDEPTH);
        } else {
            FacePainter::DrawSunkenBevel(canvas, TranslateColor(m.SurfaceBackColor), s.BEVEL,
                                         s.BEVELDEPTH);
        }
    }

    void DrawDefaultFrame() {
        if (s.BEVEL >= 2) {
            FacePainter::DrawRaisedBevel(canvas, TranslateColor(m.SurfaceBackColor), s.BEVEL,
                                         s.BEVELDEPTH + 3);
        } else {
            canvas.DrawBox({0, 0, W - 1, H - 1}, TranslateColor(ButtonShadow), false);
            canvas.DrawBox({0, 0, W + 1, H + 1}, TranslateColor(ButtonHighlight), false);
        }
    }

    void DrawFrame() {
        const int style = s.ButtonStyle;
        if (!s.UserMode) {
            if (style == 3) {
                FacePainter::DrawThemedFace(canvas, s, false, false);
            } else if (style != 2) {
                Edge(true);
            }
            return;
        }
        const bool over = s.IsMouseOver && !s.IsPressed;
        switch (style) {
        case 0:
            Edge(!s.IsPressed);
            if ((s.HasFocus && !s.IsPressed) || s.IsDefaultButton) {
                DrawDefaultFrame();
            }
            break;
        case 2: {
            // At rest only when always shown; hovered always; held down while over it.
            if (s.IsMouseOver || s.XPShowBorderAlways) {
                canvas.DrawBox({0, 0, W, H}, TranslateColor(s.ForeColor), false);
            }
            break;
        }
        case 3:
            FacePainter::DrawThemedFace(canvas, s, s.IsPressed, over);
            break;
        default: // 1, and any other value
            if (s.IsPressed) {
                Edge(false);
            } else if (s.IsMouseOver) {
                Edge(true);
            }
            if (s.IsDefaultButton) {
                DrawDefaultFrame();
            }
            break;
        }
    }

    QFont CaptionFont() const {
        QFont f = s.Font;
        if (ratio == 1) {
            f.setStyleStrategy(QFont::NoAntialias); // crisp glyphs in exactly the caption colour
        }
        return f;
    }

    void MeasureCaption(const Box& content) {
        const QFontMetrics fm(CaptionFont());
        const int wrapWidth = std::max(1, m.CaptionRect.Width() - 2 * CaptionMargin);
        const QRect measured = fm.boundingRect(
            QRect(0, 0, wrapWidth, 0x7FFF),
            Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, s.Caption);
        const int tw = measured.width() + 2 * CaptionMargin;
        const int th = s.Caption.isEmpty() ? fm.height() : measured.height();
        const int left = content.Left + (content.Width() - tw) / 2;
        const int top = content.Top + (content.Height() - th) / 2;
        m.CaptionRect = {left, top, left + tw, top + th};
    }

    void ComputeLayout() {
        const Box content{4, 4, s.W - 4, s.H - 4};
        const int CL = content.Left, CT = content.Top, CW = content.Width(), CH = content.Height();
        if (!s.CurrentPicture) {
            m.CaptionRect = content;
            MeasureCaption(content);
            return;
        }
        const int PW = s.PictureWidth, PH = s.PictureHeight;
        if (s.Caption.isEmpty()) {
            const int left = CL + (CW - PW) / 2;
            const int top = CT + (CH - PH) / 2;
            m.PictureRect = {left, top, left + PW, top + PH};
            return;
        }
        m.CaptionRect = content;
        MeasureCaption(content);
        const int TW = m.CaptionRect.Width(), TH = m.CaptionRect.Height();
        auto place = [](int left, int top, int w, int h) {
            return Box{left, top, left + w, top + h};
        };
        switch (s.PicturePosition) {
        case 0:
            m.PictureRect = place(CL + (CW - PW) / 2, CT + (CH - (PH + 4 + TH)) / 2, PW, PH);
            m.CaptionRect = place(CL + (CW - TW) / 2, m.PictureRect.Bottom + 4, TW, TH);
            break;
        case 1:
            m.PictureRect = place(CL + (CW - (PW + 4 + TW)) / 2, CT + (CH - PH) / 2, PW, PH);
            m.CaptionRect = place(m.PictureRect.Right + 4, CT + (CH - TH) / 2, TW, TH);
            break;
        case 2:
            m.CaptionRect = place(CL + (CW - (PW + 4 + TW)) / 2, CT + (CH - TH) / 2, TW, TH);
            m.PictureRect = place(m.CaptionRect.Right + 4, CT + (CH - PH) / 2, PW, PH);
            break;
        case 3:
            m.CaptionRect = place(CL + (CW - TW) / 2, CT + (CH - (PH + 4 + TH)) / 2, TW, TH);
            m.PictureRect = place(CL + (CW - PW) / 2, m.CaptionRect.Bottom + 4, PW, PH);
            break;
        default:
            break;
        }
    }

    // Paints the foreground pixels of a prepared picture: a silhouette in the grey, or the
    // embossed disabled look (highlight one pixel down and right, then shadow in place).
    void DrawState(const QImage& mask, int x, int y, Rendering how) {
        auto paint = [&](int dx, int dy, quint32 rgb) {
            for (int row = 0; row < mask.height(); ++row) {
                const uchar* line = mask.constScanLine(row);
                for (int col = 0; col < mask.width(); ++col) {
                    if (line[col]) {
                        art->SetPixel(x + col + dx, y + row + dy, rgb);
                    }
                }
            }
        };
        if (how == Rendering::Shadow) {
            paint(0, 0, SilhouetteGrey);
        } else {
            paint(1, 1, TranslateColor(ButtonHighlight));
            paint(0, 0, TranslateColor(ButtonShadow));
        }
    }

    // The picture's foreground, resized to pw x ph: every pixel that is neither transparent
    // nor, where white counts as background, white.
    static QImage ForegroundMask(const QImage& natural, bool whiteIsBackground, int pw, int ph) {
        QImage mask(natural.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < natural.height(); ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(natural.constScanLine(y));
            uchar* dst = mask.scanLine(y);
            for (int x = 0; x < natural.width(); ++x) {
                const bool background = qAlpha(src[x]) < 128 ||
                                        (whiteIsBackground && (src[x] & 0x00FFFFFF) == 0x00FFFFFF);
                dst[x] = background ? 0 : 255;
            }
        }
        return mask.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }

    void DrawBitmap(const ButtonPicture& pic, const Box& at, Rendering how) {
        const int pw = s.PictureWidth, ph = s.PictureHeight;
        if (pw <= 0 || ph <= 0) {
            return;
        }
        const QImage natural = pic.image().convertToFormat(QImage::Format_ARGB32);
        const quint32 key = TranslateColor(s.MaskColor);
        if (how == Rendering::Normal) {
            const QImage sized =
                natural.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            FacePainter::BlitMasked(art->Image(), sized, 0, 0, pw, ph, at.Left, at.Top, key);
        } else {
            // Masked pixels become white first, and white is background in these renderings.
            QImage prepared(natural.size(), QImage::Format_ARGB32);
            prepared.fill(Qt::white);
            FacePainter::BlitMasked(prepared, natural, 0, 0, natural.width(), natural.height(), 0,
                                    0, key);
            DrawState(ForegroundMask(prepared, true, pw, ph), at.Left, at.Top, how);
        }
    }

    void DrawIcon(const ButtonPicture& pic, const Box& at, Rendering how) {
        const int pw = s.PictureWidth, ph = s.PictureHeight;
        if (pw <= 0 || ph <= 0) {
            return;
        }
        // One image of the icon at its natural size, stretched to exactly pw x ph whatever
        // its aspect ratio, gives all three renderings.
        const QSize natural = pic.pixelSize().isValid() && !pic.pixelSize().isEmpty()
                                  ? pic.pixelSize()
                                  : QSize(32, 32);
        QImage image = pic.icon().pixmap(natural).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.size() != natural) {
            image = image.scaled(natural, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        if (how == Rendering::Normal) {
            QPainter p(&art->Image());
            p.drawImage(at.Left, at.Top,
                        image.scaled(pw, ph, Qt::IgnoreAspectRatio, Qt::FastTransformation));
            return;
        }
        DrawState(ForegroundMask(image, false, pw, ph), at.Left, at.Top, how);
    }

    void DrawPicture() {
        const PictureRef& pic = s.CurrentPicture;
        if (!pic || pic->kind() == ButtonPicture::Kind::Empty) {
            return;
        }
        if (ratio != 1) {
            // The picture has the control's pixels: drawn on a layer of that size, then
            // spread over the device pixels.
            QImage layer(s.W, s.H, QImage::Format_ARGB32);
            layer.fill(Qt::transparent);
            FaceCanvas layerCanvas(layer);
            art = &layerCanvas;
            DrawPictureOnArt(*pic);
            art = &canvas;
            QPainter p(&canvas.Image());
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, 0, s.W, s.H), layer);
            return;
        }
        DrawPictureOnArt(*pic);
    }

    void DrawPictureOnArt(const ButtonPicture& pic) {
        const bool lifted = s.IsMouseOver && !s.IsPressed && s.ButtonStyle == 2;
        const int d = lifted ? -3 : (s.IsPressed && s.ButtonStyle != 2 ? 1 : 0);
        const Box shifted = m.PictureRect.Shifted(d);
        auto draw = [&](const Box& at, Rendering how) {
            if (pic.kind() == ButtonPicture::Kind::Bitmap) {
                DrawBitmap(pic, at, how);
            } else {
                DrawIcon(pic, at, how);
            }
        };
        if (!s.Enabled) {
            draw(shifted, Rendering::Disabled);
            return;
        }
        if (lifted) {
            draw(m.PictureRect, Rendering::Shadow);
        }
        draw(shifted, Rendering::Normal);
    }

    void DrawCaption() {
        if (s.Caption.isEmpty()) {
            return;
        }
        Box r = m.CaptionRect;
        if (s.IsPressed && s.ButtonStyle != 2) {
            r = r.Shifted(1);
        }
        QPainter p(&canvas.Image());
        p.setFont(CaptionFont());
        const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        auto text = [&](const Box& b, quint32 rgb) {
            p.setPen(QColor(ToQRgb(rgb)));
            p.drawText(
                QRect(b.Left + CaptionMargin, b.Top, b.Width() - 2 * CaptionMargin, b.Height()),
                flags, s.Caption);
        };
        if (s.Enabled) {
            text(r, TranslateColor(s.ForeColor));
        } else {
            text(r.Shifted(1), TranslateColor(ButtonHighlight));
            text(r, TranslateColor(ButtonShadow));
        }
    }

    const FaceState& s;
    FaceMemory& m;
    FaceCanvas canvas;
    FaceCanvas* art = &canvas; // where the picture goes
    const qreal ratio;
    const int W; // the face in device pixels
    const int H;
};

} // namespace

void FacePainter::Paint(const FaceState& s, FaceMemory& memory, QImage& image) {
    Painter(s, memory, image).Run();
}

void FacePainter::DrawRaisedBevel(FaceCanvas& canvas, quint32 base, int n, int d) {
    const int W = canvas.Width(), H = canvas.Height();
    quint32 c = base;
    for (int i = n; i >= 0; --i) {
        c = OffsetColor(c, -d);
        canvas.DrawBox({i, i, W - i, H - i}, c, false);
    }
    c = base;
    for (int i = n; i >= 0; --i) {
        c = LightenColor(c, d);
        canvas.DrawLine(i, i, W - i - 1, i, c);
        canvas.DrawLine(i, i, i, H - i - 1, c);
    }
}

void FacePainter::DrawSunkenBevel(FaceCanvas& canvas, quint32 base, int n, int d) {
    const int W = canvas.Width(), H = canvas.Height();
    quint32 c = base;
    for (int i = n; i >= 0; --i) {
        c = LightenColor(c, d);
        canvas.DrawBox({i, i, W - i, H - i}, c, false);
    }
    c = base;
    for (int i = n; i >= 0; --i) {
        c = OffsetColor(c, -d);
        canvas.DrawLine(i, i, W - i - 1, i, c);
        canvas.DrawLine(i, i, i, H - i - 1, c);
    }
}

int FacePainter::GradientOffset(int i, int H, float total) {
    // The step is held in single precision; the product is exact, in double.
    const float step = total / float(H);
    const double value = -double(step) * double(i);
    return int(std::nearbyint(value)); // the default rounding mode sends halves to even
}

void FacePainter::BlitMasked(QImage& destination, const QImage& source, int sx, int sy, int w,
                             int h, int x, int y, quint32 key) {
    const QRgb keyRgb = ToQRgb(key) & 0x00FFFFFF;
    const bool alpha = source.hasAlphaChannel();
    for (int row = 0; row < h; ++row) {
        const int srcY = sy + row, dstY = y + row;
        if (srcY < 0 || srcY >= source.height() || dstY < 0 || dstY >= destination.height()) {
            continue;
        }
        const QRgb* src = reinterpret_cast<const QRgb*>(source.constScanLine(srcY));
        QRgb* dst = reinterpret_cast<QRgb*>(destination.scanLine(dstY));
        for (int col = 0; col < w; ++col) {
            const int srcX = sx + col, dstX = x + col;
            if (srcX < 0 || srcX >= source.width() || dstX < 0 || dstX >= destination.width()) {
                continue;
            }
            const QRgb p = src[srcX];
            if ((p & 0x00FFFFFF) == keyRgb || (alpha && qAlpha(p) == 0)) {
                continue;
            }
            if (alpha && qAlpha(p) < 255) {
                const int a = qAlpha(p);
                const QRgb q = dst[dstX];
                dst[dstX] = qRgba((qRed(p) * a + qRed(q) * (255 - a)) / 255,
                                  (qGreen(p) * a + qGreen(q) * (255 - a)) / 255,
                                  (qBlue(p) * a + qBlue(q) * (255 - a)) / 255, qAlpha(q));
            } else {
                dst[dstX] = p | 0xFF000000;
            }
        }
    }
}

void FacePainter::DrawThemedFace(FaceCanvas& canvas, const FaceState& s, bool pressedLook,
                                 bool hoverRing) {
    const qreal ratio = canvas.Image().devicePixelRatio();
    const int W = FaceCanvas::DevicePixels(s.W, ratio), H = FaceCanvas::DevicePixels(s.H, ratio);
    canvas.DrawBox({0, 0, W, H}, TranslateColor(s.BackColor), true);
    const quint32 base = TranslateColor(s.BackColor);
    const quint32 light = OffsetColor(base, 48);
    const quint32 dark = OffsetColor(light, -32);
    const quint32 outline = TranslateColor(DarkShadow);
    auto line = [&](int x1, int y1, int x2, int y2, quint32 c) {
        canvas.DrawLine(x1, y1, x2, y2, c);
    };
    auto corners = [&](quint32 c) {
        canvas.SetPixel(1, 1, c);
        canvas.SetPixel(1, H - 2, c);
        canvas.SetPixel(W - 2, 1, c);
        canvas.SetPixel(W - 2, H - 2, c);
    };

    if (!s.Enabled) {
        canvas.DrawBox({0, 0, W, H}, OffsetColor(light, -24), true);
        canvas.DrawBox({0, 0, W, H}, OffsetColor(light, -84), false);
        if (ratio == 1) {
            corners(OffsetColor(light, -72));
        } else {
            ThemedShape::TraceOutline(canvas, s.W, s.H, OffsetColor(light, -84),
                                      OffsetColor(light, -72));
        }
        return;
    }

    if (!pressedLook) {
        for (int i = 1; i <= H; ++i) {
            line(0, i, W, i, OffsetColor(light, GradientOffset(i, H, 25.0f)));
        }
        canvas.DrawBox({0, 0, W, H}, outline, false);
        if (ratio == 1) {
            corners(outline);
        }
        auto ring = [&](quint32 accent, int bottom, int top, int second, int sides) {
            canvas.DrawBox({1, 2, W - 1, H - 2}, accent, false);
            line(2, H - 2, W - 2, H - 2, OffsetColor(accent, bottom));
            line(2, 1, W - 2, 1, OffsetColor(accent, top));
            line(1, 2, W - 1, 2, OffsetColor(accent, second));
            line(2, 3, 2, H - 3, OffsetColor(accent, sides));
            line(W - 3, 3, W - 3, H - 3, OffsetColor(accent, sides));
        };
        if (s.HasFocus) {
            ring(TranslateColor(s.XPDefaultColors ? 0x00E6AA8C : s.XPColor_Pressed), -33, 65, 50,
                 31);
        } else {
            line(2, H - 2, W - 2, H - 2, OffsetColor(light, -48));
            line(1, H - 3, W - 2, H - 3, OffsetColor(light, -32));
            line(W - 2, 2, W - 2, H - 2, OffsetColor(light, -36));
            line(W - 3, 3, W - 3, H - 3, OffsetColor(light, -24));
            line(2, 1, W - 2, 1, OffsetColor(light, 16));
            line(1, 2, W - 2, 2, OffsetColor(light, 10));
            line(1, 2, 1, H - 2, OffsetColor(light, -5));
            line(2, 3, 2, H - 3, OffsetColor(light, -10));
        }
        if (hoverRing) {
            ring(TranslateColor(s.XPDefaultColors ? 0x004799E1 : s.XPColor_Hover), -40, 90, 35, 20);
        }
        if (ratio != 1) {
            ThemedShape::TraceOutline(canvas, s.W, s.H, outline, outline);
        }
        return;
    }

    for (int i = 1; i <= H; ++i) {
        line(0, H - i, W, H - i, OffsetColor(dark, GradientOffset(i, H, 15.0f)));
    }
    canvas.DrawBox({0, 0, W, H}, outline, false);
    if (ratio == 1) {
        corners(outline);
    }
    line(2, H - 2, W - 2, H - 2, OffsetColor(dark, 16));
    line(1, H - 3, W - 2, H - 3, OffsetColor(dark, 10));
    line(W - 2, 2, W - 2, H - 2, OffsetColor(dark, 5));
    line(W - 3, 3, W - 3, H - 3, dark);
    line(2, 1, W - 2, 1, OffsetColor(dark, -32));
    line(1, 2, W - 2, 2, OffsetColor(dark, -24));
    line(1, 2, 1, H - 2, OffsetColor(dark, -32));
    line(2, 2, 2, H - 2, OffsetColor(dark, -22));
    if (ratio != 1) {
        ThemedShape::TraceOutline(canvas, s.W, s.H, outline, outline);
    }
}

} // namespace voxtrel
