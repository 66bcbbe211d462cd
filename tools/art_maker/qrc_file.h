#pragma once

#include <string>
#include <vector>

namespace galloria::art {

// A Qt resource list under the prefix "/" naming `folder`/<name> for every
// name, in the order given.
std::string ResourceList(const std::string& folder, const std::vector<std::string>& names);

} // namespace galloria::art
