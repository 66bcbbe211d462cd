// Galloria: the game's window on the game's folder.

#include "app/back_buffer.h"
#include "app/game_folder.h"
#include "app/game_translation.h"
#include "app/main_frame.h"
#include "app/qt_settings_store.h"
#include "game/game_settings.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tamberlyn"));
    QApplication::setApplicationName(QStringLiteral("Galloria"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/art/icon.png")));
    // Ties the window to the installed menu entry, for its name and icon on Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tamberlyn.galloria"));
    galloria::RegisterFontSubstitutes();
    // Before the first window, so every text is made in the player's language.
    galloria::InstallGameLanguage(galloria::LoadSettings(galloria::QtSettingsStore()).language);

    // Every file of the game is relative to its folder; when the folder
    // cannot be made the game still runs, in the folder it was started in.
    galloria::PrepareGameFolder(galloria::DefaultGameFolder());

    galloria::CMainFrame frame;
    // Maximised; the size is set too, for desktops that do not maximise.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.setGeometry(screen->availableGeometry());
    frame.showMaximized();
    return application.exec();
}
