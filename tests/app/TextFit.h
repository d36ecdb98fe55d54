#pragma once

#include <QStringList>

class QMenu;
class QMenuBar;
class QWidget;

namespace voxtrel::test {

// Texts that do not fit their places, each as "object (class): "text" needs N px, has M".
// A text fits when QFontMetrics::horizontalAdvance of its longest line (of its longest word,
// for a label that wraps) is within the widget's contents rectangle, less what the style
// draws beside it (a check box's box, a button's margins, an icon).
class TextFit {
public:
    // Every shown label, button, check box, line edit (text and placeholder) and group box
    // title under Root, Root included.
    static QStringList Overflows(const QWidget* Root);
    // Menu titles the bar could not show (moved into its extension or clipped).
    static QStringList MenuBarOverflows(const QMenuBar* Bar);
    // A menu that is shown: off its screen's available area, or wider or taller than it.
    static QStringList MenuOverflows(const QMenu* Menu);
    // The texts under Root a user reads, one a line, in the order the widgets were made:
    // "class objectName: text".
    static QStringList Texts(const QWidget* Root);
    // Every entry of Menu and its submenus: "Menu > Entry\tShortcut".
    static QStringList MenuTexts(const QMenu* Menu, const QString& Path);
};

} // namespace voxtrel::test
