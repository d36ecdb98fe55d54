#pragma once

class QLineEdit;
class QListView;
class QString;

namespace voxtrel::Search {

// Each works on the view's rows, as the view shows them (a filter may hide some).

// Moves the selection one row up (Direction 1) or down (Direction 2) and, when Copy, copies
// the selected row into the box, all of it selected. With no row selected, the first step
// counts from row 0, so Down selects row 1.
void Move_Selection(QListView* List, QLineEdit* Box, double Direction, bool Copy = true);

// Selects all of the box's text.
void Select_All(QLineEdit* Box);

// Selects the first row that begins with Text, ignoring case, or no row when none does; true
// when a row was found.
bool FindPrefix(QListView* List, const QString& Text);

// Selects the next row after the selected one (or before it, when not Forward) that contains
// Text anywhere, ignoring case, wrapping at the ends; returns its row, or -1 when no row
// contains it (the selection then stays).
int FindNext(QListView* List, const QString& Text, bool Forward);

// The selected row, or -1.
int CurrentRow(QListView* List);
// Selects Row (and makes it the current one), or nothing for -1.
void SetCurrentRow(QListView* List, int Row);

} // namespace voxtrel::Search
