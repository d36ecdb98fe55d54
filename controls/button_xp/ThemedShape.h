#pragma once

#include "controls/button_xp/FaceCanvas.h"

namespace voxtrel {

// The window shape of the themed style: the control's rectangle less three pixels at each
// corner (the corner pixel and the two beside it along the edges).
class ThemedShape {
public:
    // Whether the control's pixel (x, y) lies outside the shape of a W x H control.
    static bool Outside(int x, int y, int W, int H);
    // Above a device pixel ratio of 1, draws the outline round the notched corners of a W x H
    // control one device pixel wide: every device pixel of the shape beside a cut-off one in
    // edge, and the one with cut-off pixels both beside and above (or below) it in corner, as
    // the pixels diagonally inside the corners are at ratio 1.
    static void TraceOutline(FaceCanvas& canvas, int W, int H, quint32 edge, quint32 corner);
};

} // namespace voxtrel
