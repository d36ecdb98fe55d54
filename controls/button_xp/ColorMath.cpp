#include "controls/button_xp/ColorMath.h"

#include <algorithm>

namespace voxtrel {

Rgb SplitColor(quint32 rgb) {
    return {int(rgb & 0xFF), int((rgb / 256) & 0xFF), int((rgb / 65536) & 0xFF)};
}

quint32 ComposeColor(int red, int green, int blue) {
    return quint32(std::clamp(red, 0, 255)) | (quint32(std::clamp(green, 0, 255)) << 8) |
           (quint32(std::clamp(blue, 0, 255)) << 16);
}

quint32 OffsetColor(quint32 rgb, int amount) {
    const qint64 value = qint64(rgb);
    const int r = int(value & 0xFF);
    const int g = int((value / 256) % 256);
    const int b = int((value / 65536) % 256);
    // C++ division truncates toward zero, as the rule asks.
    return ComposeColor(r + amount, g + amount, b + int(qint64(b) * amount / 192));
}

quint32 LightenColor(quint32 rgb, int d) {
    const Rgb c = SplitColor(rgb);
    return ComposeColor(c.Red + d, c.Green + d, c.Blue + d);
}

} // namespace voxtrel
