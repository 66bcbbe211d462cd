// galloria-art-maker FOLDER: draws the game's pictures into FOLDER/art and its
// desktop icons into FOLDER/icons/hicolor, makes its sounds in FOLDER/sounds
// and lists pictures and sounds in FOLDER/art.qrc and FOLDER/sounds.qrc. The same program always writes the
// same bytes, so the committed resources can be checked against a fresh run.
#include "art_kit.h"
#include "qrc_file.h"
#include "sound_recipes.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

bool WriteText(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    return static_cast<bool>(file);
}

} // namespace

int main(int argc, char** argv)
{
    using namespace galloria::art;
    if (argc != 2) {
        std::cerr << "usage: galloria-art-maker FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder / "art", error);
    std::filesystem::create_directories(folder / "sounds", error);

    std::vector<std::string> pictures;
    for (const ArtPiece& piece : ArtCatalogue()) {
        const std::filesystem::path path = folder / "art" / piece.fileName;
        if (!SavePng(piece.make(), QString::fromStdString(path.string()))) {
            std::cerr << "galloria-art-maker: cannot write " << path.string() << "\n";
            return 1;
        }
        pictures.push_back(piece.fileName);
    }

    // The program icon for the desktop's menus, at the icon theme's sizes.
    for (const int size : DesktopIconSizes()) {
        const std::filesystem::path path = folder / DesktopIconPath(size);
        std::filesystem::create_directories(path.parent_path(), error);
        if (!SavePng(MakeProgramIconAt(size), QString::fromStdString(path.string()))) {
            std::cerr << "galloria-art-maker: cannot write " << path.string() << "\n";
            return 1;
        }
    }

    std::vector<std::string> sounds;
    for (const galloria::SoundEffect effect : SoundsWithFiles()) {
        const auto sound = MakeSound(effect);
        const std::string name = SoundFileBaseName(effect);
        const std::filesystem::path path = folder / "sounds" / name;
        if (!sound || !WriteWaveFile(path, *sound)) {
            std::cerr << "galloria-art-maker: cannot make " << path.string() << "\n";
            return 1;
        }
        sounds.push_back(name);
    }

    if (!WriteText(folder / "art.qrc", ResourceList("art", pictures)) ||
        !WriteText(folder / "sounds.qrc", ResourceList("sounds", sounds))) {
        std::cerr << "galloria-art-maker: cannot write the resource lists in " << folder.string() << "\n";
        return 1;
    }
    std::cout << "wrote " << pictures.size() << " pictures and " << sounds.size() << " sounds to "
              << folder.string() << "\n";
    return 0;
}
