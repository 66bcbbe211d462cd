// galloria-stable-maker FOLDER: writes the game's starting stable into
// FOLDER/Stable.dat and an identical FOLDER/BackUp.dat.
#include "starting_stable.h"

#include "stable/stable.h"

#include <filesystem>
#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: galloria-stable-maker FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    auto stable = std::make_unique<galloria::Stable>();
    galloria::maker::MakeStartingStable(*stable);

    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (const char* name : {"Stable.dat", "BackUp.dat"}) {
        if (!galloria::WriteStableFile(folder / name,
                                       {stable->records, static_cast<std::size_t>(stable->count)})) {
            std::cerr << "galloria-stable-maker: cannot write " << (folder / name).string() << "\n";
            return 1;
        }
    }
    std::cout << "wrote " << stable->count << " horses to " << (folder / "Stable.dat").string() << " and "
              << (folder / "BackUp.dat").string() << "\n";
    return 0;
}
