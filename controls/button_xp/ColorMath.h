#pragma once

#include <QtGlobal>

namespace voxtrel {

// Exact integer colour arithmetic on RGB values 0x00BBGGRR.

struct Rgb {
    int Red;
    int Green;
    int Blue;
};

// The three channels of an RGB value.
Rgb SplitColor(quint32 rgb);
// An RGB value from channel sums; a channel above 255 is 255 and one below 0 is 0.
quint32 ComposeColor(int red, int green, int blue);
// Shifts towards light (amount > 0) or dark (amount < 0). Red and green move by amount, blue
// by trunc(B * amount / 192), its own value scaled; each channel is clamped to 0..255.
quint32 OffsetColor(quint32 rgb, int amount);
// Adds d to every channel (the light steps of the bevels).
quint32 LightenColor(quint32 rgb, int d);

} // namespace voxtrel
