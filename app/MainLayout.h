#pragma once

#include "controls/button_xp/ButtonServices.h"

#include <QRect>
#include <QSize>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QToolButton;
class QWidget;

namespace voxtrel {

class Button_XP;
class ButtonHost;

// The window's client area as designed, in pixels: each control at its own rectangle.
namespace MainLayout {
inline constexpr QSize Client{763, 387};
inline constexpr QRect Banner{216, 32, 541, 41};       // Image1
inline constexpr QRect Pitch{488, 160, 265, 184};      // Image2
inline constexpr QRect List{8, 8, 201, 342};           // List1
inline constexpr QRect SearchBox{8, 360, 177, 19};     // txtSearch
inline constexpr QRect FilterToggle{187, 360, 22, 19}; // beside it
inline constexpr QRect NameField{216, 8, 537, 19};     // txt0
inline constexpr QRect QuickSave{488, 88, 265, 25};    // cmdQSave
inline constexpr QPoint NameLabel{528, 40};            // Label1
inline constexpr QRect FileFrame{216, 80, 265, 305};   // Frame1
inline constexpr QPoint FileList{8, 24};               // Label2, inside Frame1
} // namespace MainLayout

// The controls of the client area, made and placed; the window connects them.
struct MainControls {
    QWidget* Client = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QListView* List1 = nullptr;
    QLineEdit* txtSearch = nullptr;
    QToolButton* Filter = nullptr;
    QLineEdit* txt0 = nullptr;
    Button_XP* cmdQSave = nullptr;
    QLabel* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLabel* Label2 = nullptr;

    // Makes every control on a fresh white client area of Window, the Quick Save button on
    // Host with its designed properties, and sets the tab order. The designed size is the
    // client area's smallest; larger, Place spreads the controls over it.
    static MainControls Build(QWidget* Window, ButtonHost* Host, const ButtonServices& Services);
    // Places the controls on a client area of Size: the list grows in both directions, the
    // name field and the banner grow to the right, and the rest keeps its place beside them.
    void Place(QSize Size) const;
};

} // namespace voxtrel
