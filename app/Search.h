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

// Selects the first line that begins with Text, ignoring case, or no line when none does.
void Find_Prefix(QListWidget* List, const QString& Text);

} // namespace voxtrel::Search
