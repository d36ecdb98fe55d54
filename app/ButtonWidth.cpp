#include "app/ButtonWidth.h"

#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace voxtrel::ButtonWidth {

void FitCaptions(QWidget* Container) {
    for (QPushButton* button : Container->findChildren<QPushButton*>()) {
        QString caption = button->text();
        caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        caption.remove(QLatin1Char('&'));
        caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
        const QStyle* style = button->style();
        int beside = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
                     2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        if (!button->icon().isNull()) {
            beside += button->iconSize().width() + 4;
        }
        const int needed = button->fontMetrics().horizontalAdvance(caption) + beside;
        button->setMinimumWidth(std::max(button->minimumWidth(), needed));
    }
}

} // namespace voxtrel::ButtonWidth
