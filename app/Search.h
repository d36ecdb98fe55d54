#pragma once

class QLineEdit;
class QString;
class QListWidget;

namespace voxtrel::Search {

// Moves the list's selection one line up (Direction 1) or down (Direction 2) and copies the
// selected line into the box, all of it selected. With no line selected, the first step
// counts from line 0, so Down selects line 1.
void Move_Selection(QListWidget* List, QLineEdit* Box, double Direction);

// Selects all of the box's text.
void Select_All(QLineEdit* Box);

// Selects the first line that begins with Text, ignoring case, or no line when none does;
// true when a line was found.
bool Find_Prefix(QListWidget* List, const QString& Text);

// Selects the next line after the selected one (or before it, when not Forward) that
// contains Text anywhere, ignoring case, wrapping at the ends; returns its row, or -1 when no
// line contains it (the selection then stays).
int Find_Next(QListWidget* List, const QString& Text, bool Forward);

} // namespace voxtrel::Search
