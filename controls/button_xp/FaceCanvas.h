#pragma once

#include <QImage>

namespace voxtrel {

// A rectangle as (left, top, right, bottom), right and bottom exclusive.
struct Box {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    Box Shifted(int d) const { return {Left + d, Top + d, Right + d, Bottom + d}; }
    bool operator==(const Box&) const = default;
};

// Pixel-exact drawing on the button's back buffer (Format_RGB32). Colours are RGB values
// 0x00BBGGRR; everything outside the image is clipped.
class FaceCanvas {
public:
    explicit FaceCanvas(QImage& image) : m_Image(image) {}

    // The device pixels that the control's pixels cover at a device pixel ratio.
    static int DevicePixels(int pixels, qreal ratio) {
        return ratio == 1 ? pixels : qRound(pixels * ratio);
    }

    int Width() const { return m_Image.width(); }
    int Height() const { return m_Image.height(); }
    QImage& Image() { return m_Image; }

    void Fill(quint32 rgb);
    void SetPixel(int x, int y, quint32 rgb);
    // A horizontal or vertical line from (x1, y1) towards (x2, y2), leaving out the end point.
    void DrawLine(int x1, int y1, int x2, int y2, quint32 rgb);
    // Fills the box, or frames it along its inside edge.
    void DrawBox(const Box& box, quint32 rgb, bool filled);
    // The dotted focus rectangle: every other pixel of the box's frame inverted, so drawing
    // it twice removes it.
    void DrawFocusRect(const Box& box);

private:
    void HorizontalRun(int y, int x1, int x2, QRgb c);
    void VerticalRun(int x, int y1, int y2, QRgb c);

    QImage& m_Image;
};

} // namespace voxtrel
