#pragma once

#include <filesystem>
#include <string_view>

namespace galloria::sim {

// A fresh folder of its own in the system's temporary folder, removed with
// everything in it when the object goes. Throws FieldError when none can be made.
class ScratchFolder {
public:
    explicit ScratchFolder(std::string_view prefix);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace galloria::sim
