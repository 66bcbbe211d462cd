#pragma once

#include "base/size_class.h"
#include "game/menu_state.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;

namespace galloria {

class CSkinMenu;
class CVarnView;
class SkinMenuStyle;

// The size class of the primary screen, as the game picks its layout.
SizeClass ScreenSizeClass();

// The game's one window: the menu bar of GAME, STABLE, TRACK, the RACE!
// item, SUMMERY and HELP, the view that holds the game, and the keys that
// reach the menus (Ctrl+O opens a saved game, F1 the help).
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(SizeClass size = ScreenSizeClass(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVarnView& View() const { return *view_; }

    // The item of a command (RACE! included), null for none.
    QAction* Action(MenuCommand command) const;
    CSkinMenu* Popup(MenuPopup popup) const;

    // Copies the menu state the game set: each item and popup enabled or
    // grayed, and the RACE! text.
    void ApplyMenus(const MenuModel& menus);

    // A popup's width as given, scaled with the screen's text size as the
    // menus' check marks are.
    int ScaledPopupWidth(int width) const;

    // Closes the window as EXIT does: without the question the close box
    // asks in the middle of a set.
    void CloseWithoutAsking();

protected:
    // Closing during a race ends the program from the race loop; between
    // races of a set the player is asked first.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus();

    std::unique_ptr<SkinMenuStyle> menuStyle_;
    std::map<MenuPopup, CSkinMenu*> popups_;
    std::map<MenuCommand, QAction*> actions_;
    CVarnView* view_ = nullptr;
    bool closeAsked_ = true; // false while EXIT closes the window
};

} // namespace galloria
