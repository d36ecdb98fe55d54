#include "controls/button_xp/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace voxtrel {
namespace {

struct Table {
    std::array<quint32, SystemColorCount> rgb{};
    std::array<bool, SystemColorCount> overridden{};
    bool filled = false;
    qint64 palette = 0; // the cache key of the palette it was filled from
};

Table& table() {
    static Table t;
    return t;
}

void fillFromPalette(Table& t) {
    const QPalette p = QGuiApplication::palette();
    t.palette = p.cacheKey();
    auto c = [&](QPalette::ColorGroup g, QPalette::ColorRole r) {
        return FromQColor(p.color(g, r));
    };
    const auto A = QPalette::Active, I = QPalette::Inactive, D = QPalette::Disabled;
    const std::array<quint32, SystemColorCount> fromPalette = {
        c(A, QPalette::Dark),            // 0 scroll bar
        c(A, QPalette::Window),          // 1 desktop background
        c(A, QPalette::Highlight),       // 2 active caption
        c(I, QPalette::Highlight),       // 3 inactive caption
        c(A, QPalette::Window),          // 4 menu
        c(A, QPalette::Base),            // 5 window
        c(A, QPalette::Shadow),          // 6 window frame
        c(A, QPalette::WindowText),      // 7 menu text
        c(A, QPalette::Text),            // 8 window text
        c(A, QPalette::HighlightedText), // 9 caption text
        c(A, QPalette::Mid),             // 10 active border
        c(I, QPalette::Mid),             // 11 inactive border
        c(A, QPalette::Dark),            // 12 application workspace
        c(A, QPalette::Highlight),       // 13 highlight
        c(A, QPalette::HighlightedText), // 14 highlighted text
        c(A, QPalette::Button),          // 15 button face
        c(A, QPalette::Dark),            // 16 button shadow
        c(D, QPalette::Text),            // 17 grey text
        c(A, QPalette::ButtonText),      // 18 button text
        c(I, QPalette::WindowText),      // 19 inactive caption text
        c(A, QPalette::Light),           // 20 button highlight
        c(A, QPalette::Shadow),          // 21 3-D dark shadow
        c(A, QPalette::Midlight),        // 22 3-D light
        c(A, QPalette::ToolTipText),     // 23 tooltip text
        c(A, QPalette::ToolTipBase),     // 24 tooltip background
        c(A, QPalette::Window),          // 25 unused
        c(A, QPalette::Link),            // 26 hot-tracked item
        c(A, QPalette::Highlight),       // 27 active caption gradient
        c(I, QPalette::Highlight),       // 28 inactive caption gradient
        c(A, QPalette::Highlight),       // 29 menu highlight
        c(A, QPalette::Window),          // 30 menu bar
    };
    for (int i = 0; i < SystemColorCount; ++i) {
        if (!t.overridden[i]) {
            t.rgb[i] = fromPalette[i];
        }
    }
    t.filled = true;
}

} // namespace

quint32 TranslateColor(quint32 color) {
    // 0 to 0x00FFFFFF is RGB; any other value is a system colour, by its low 24 bits.
    if (color <= 0x00FFFFFFu) {
        return color;
    }
    const quint32 index = color & 0x00FFFFFFu;
    if (index >= SystemColorCount) {
        return 0;
    }
    Table& t = table();
    // System colours are the desktop's as they are now: after a change of the application
    // palette (another theme) the table is read again.
    if (!t.filled || t.palette != QGuiApplication::palette().cacheKey()) {
        fillFromPalette(t);
    }
    return t.rgb[index];
}

void SetSystemColor(int index, quint32 rgb) {
    if (index < 0 || index >= SystemColorCount) {
        return;
    }
    Table& t = table();
    if (!t.filled) {
        fillFromPalette(t);
    }
    t.rgb[index] = rgb & 0x00FFFFFFu;
    t.overridden[index] = true;
}

void ResetSystemColors() {
    Table& t = table();
    t.overridden.fill(false);
    fillFromPalette(t);
}

} // namespace voxtrel
