#pragma once

class QWidget;

namespace voxtrel::ButtonWidth {

// Widens each push button in Container to hold its whole caption with the style's margins on
// both sides. A button's own size hint counts one margin only, which is enough for the short
// English captions but cuts a longer translated one ("Anwenden", "Применить") by a few pixels.
void FitCaptions(QWidget* Container);

} // namespace voxtrel::ButtonWidth
