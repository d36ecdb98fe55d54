#include "controls/button_xp/ThemedShape.h"

#include <algorithm>
#include <cmath>

namespace voxtrel {

bool ThemedShape::Outside(int x, int y, int W, int H) {
    if (x < 0 || y < 0 || x >= W || y >= H) {
        return true;
    }
    const int fromSide = std::min(x, W - 1 - x);
    const int fromEnd = std::min(y, H - 1 - y);
    return (fromEnd == 0 && fromSide <= 1) || (fromEnd == 1 && fromSide == 0);
}

void ThemedShape::TraceOutline(FaceCanvas& canvas, int W, int H, quint32 edge, quint32 corner) {
    const qreal r = canvas.Image().devicePixelRatio();
    const int DW = FaceCanvas::DevicePixels(W, r), DH = FaceCanvas::DevicePixels(H, r);
    const int reach = int(std::ceil(3 * r)) + 1; // the cut pixels and their neighbours
    auto cut = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= DW || y >= DH) {
            return true;
        }
        // A device pixel belongs to the control's pixel under its centre.
        return Outside(int(std::floor((x + 0.5) / r)), int(std::floor((y + 0.5) / r)), W, H);
    };
    auto trace = [&](int x, int y) {
        if (cut(x, y)) {
            return;
        }
        const bool sideways = cut(x - 1, y) || cut(x + 1, y);
        const bool upDown = cut(x, y - 1) || cut(x, y + 1);
        if (sideways && upDown) {
            canvas.SetPixel(x, y, corner);
        } else if (sideways || upDown) {
            canvas.SetPixel(x, y, edge);
        }
    };
    for (int dy = 0; dy < reach; ++dy) {
        for (int dx = 0; dx < reach; ++dx) {
            trace(dx, dy);
            trace(DW - 1 - dx, dy);
            trace(dx, DH - 1 - dy);
            trace(DW - 1 - dx, DH - 1 - dy);
        }
    }
}

} // namespace voxtrel
