#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QAction;
class QMenuBar;
class QObject;
class QUndoStack;

namespace voxtrel {

class CodePage;

// The window's menus, made in their order with their access keys and shortcuts; the window
// connects their actions.
struct MainMenus {
    QAction* MnuFileOpen = nullptr;
    QAction* Cmd_Zapisz = nullptr;
    QAction* MnuSaveAs = nullptr;
    QAction* MnuExportNames = nullptr;
    QAction* MnuImportNames = nullptr;
    QAction* MnuCompare = nullptr;
    QAction* MnuExportDifferences = nullptr;
    QAction* MnuNextDifference = nullptr;
    QAction* MnuPreviousDifference = nullptr;
    QAction* MnuQuit = nullptr;
    QAction* MnuUndo = nullptr;
    QAction* MnuRedo = nullptr;
    QAction* MnuRevertName = nullptr;
    QAction* MnuFind = nullptr;
    QAction* MnuFilter = nullptr;
    QAction* Copyright = nullptr;
    // Menu > Encoding: one checkable entry per code page.
    QList<QPair<QAction*, const CodePage*>> Encodings;
    // About > Visit: each entry with the address it opens.
    QList<QPair<QAction*, QString>> Links;

    // Owner owns the actions; Undo gives the undo and redo entries; Current is checked.
    static MainMenus Build(QMenuBar* Bar, QObject* Owner, QUndoStack* Undo,
                           const CodePage& Current);
};

} // namespace voxtrel
