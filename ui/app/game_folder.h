#pragma once

#include <QString>

namespace galloria {

// What PrepareGameFolder did.
struct GameFolderResult {
    QString path;         // the folder the game now runs in
    bool entered = false; // false: it could not be made or entered; the game runs where it started
    bool stableCopied = false;
    int soundsCopied = 0;
};

// The game's folder: QStandardPaths::AppDataLocation.
QString DefaultGameFolder();

// Makes `folder`, makes it the current directory (every path of the game is
// relative to it) and fills what a first start needs from the copies built
// into the program: the starting stable as data/Stable.dat and
// data/BackUp.dat when neither exists yet, and each of the fourteen sounds
// missing from Sounds/. A resource that is not built in is skipped.
GameFolderResult PrepareGameFolder(const QString& folder);

} // namespace galloria
