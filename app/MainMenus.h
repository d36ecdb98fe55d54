#pragma once

#include "app/AboutMenu.h"
#include "app/CompareMarks.h"
#include "app/DocumentController.h"
#include "app/ListCommands.h"
#include "app/NameEditor.h"
#include "app/NameList.h"

class QMenuBar;

namespace voxtrel {

// The window's menus, in their order with their access keys and separators. Every entry is a
// controller's own; this only places them, and lets F10 open the first menu.
namespace MainMenus {

void Build(QMenuBar* Bar, const DocumentController::Entries& File,
           const ListCommands::Entries& Lists, const CompareMarks::Entries& Compare,
           QAction* ApplyToFiles, const NameEditor::Entries& Edit, const NameList::Entries& Search,
           const AboutMenu::Entries& About);

} // namespace MainMenus
} // namespace voxtrel
