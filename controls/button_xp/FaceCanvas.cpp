#include "controls/button_xp/FaceCanvas.h"

#include "controls/button_xp/SystemColors.h"

#include <algorithm>

namespace voxtrel {

void FaceCanvas::Fill(quint32 rgb) {
    m_Image.fill(ToQRgb(rgb));
}

void FaceCanvas::SetPixel(int x, int y, quint32 rgb) {
    if (x >= 0 && y >= 0 && x < Width() && y < Height()) {
        reinterpret_cast<QRgb*>(m_Image.scanLine(y))[x] = ToQRgb(rgb);
    }
}

void FaceCanvas::HorizontalRun(int y, int x1, int x2, QRgb c) {
    if (y < 0 || y >= Height()) {
        return;
    }
    x1 = std::max(x1, 0);
    x2 = std::min(x2, Width());
    QRgb* line = reinterpret_cast<QRgb*>(m_Image.scanLine(y));
    for (int x = x1; x < x2; ++x) {
        line[x] = c;
    }
}

void FaceCanvas::VerticalRun(int x, int y1, int y2, QRgb c) {
    if (x < 0 || x >= Width()) {
        return;
    }
    y1 = std::max(y1, 0);
    y2 = std::min(y2, Height());
    for (int y = y1; y < y2; ++y) {
        reinterpret_cast<QRgb*>(m_Image.scanLine(y))[x] = c;
    }
}

void FaceCanvas::DrawLine(int x1, int y1, int x2, int y2, quint32 rgb) {
    const QRgb c = ToQRgb(rgb);
    if (y1 == y2) {
        // Towards x2, without it.
        if (x2 >= x1) {
            HorizontalRun(y1, x1, x2, c);
        } else {
            HorizontalRun(y1, x2 + 1, x1 + 1, c);
        }
    } else if (x1 == x2) {
        if (y2 >= y1) {
            VerticalRun(x1, y1, y2, c);
        } else {
            VerticalRun(x1, y2 + 1, y1 + 1, c);
        }
    }
}

void FaceCanvas::DrawBox(const Box& box, quint32 rgb, bool filled) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) {
        return;
    }
    const QRgb c = ToQRgb(rgb);
    if (filled) {
        for (int y = box.Top; y < box.Bottom; ++y) {
            HorizontalRun(y, box.Left, box.Right, c);
        }
        return;
    }
    HorizontalRun(box.Top, box.Left, box.Right, c);
    HorizontalRun(box.Bottom - 1, box.Left, box.Right, c);
    VerticalRun(box.Left, box.Top, box.Bottom, c);
    VerticalRun(box.Right - 1, box.Top, box.Bottom, c);
}

void FaceCanvas::DrawFocusRect(const Box& box) {
    if (box.Right <= box.Left || box.Bottom <= box.Top) {
        return;
    }
    auto invert = [this](int x, int y) {
        if (x >= 0 && y >= 0 && x < Width() && y < Height() && (x + y) % 2 == 0) {
            QRgb& p = reinterpret_cast<QRgb*>(m_Image.scanLine(y))[x];
            p = qRgb(255 - qRed(p), 255 - qGreen(p), 255 - qBlue(p));
        }
    };
    for (int x = box.Left; x < box.Right; ++x) {
        invert(x, box.Top);
        if (box.Bottom - 1 != box.Top) {
            invert(x, box.Bottom - 1);
        }
    }
    for (int y = box.Top + 1; y < box.Bottom - 1; ++y) {
        invert(box.Left, y);
        if (box.Right - 1 != box.Left) {
            invert(box.Right - 1, y);
        }
    }
}

} // namespace voxtrel
