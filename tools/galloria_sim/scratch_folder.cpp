#include "scratch_folder.h"

#include "sim_field.h"

#include <random>
#include <string>

namespace galloria::sim {

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder(std::string_view prefix)
{
    const fs::path base = fs::temp_directory_path();
    std::random_device entropy;
    // A name already taken is tried again with another number, a few times.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / (std::string(prefix) + std::to_string(entropy()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate;
            return;
        }
    }
    throw FieldError("cannot make a folder of its own in " + base.string());
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

} // namespace galloria::sim
