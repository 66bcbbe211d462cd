#include "qrc_file.h"

namespace galloria::art {

std::string ResourceList(const std::string& folder, const std::vector<std::string>& names)
{
    std::string text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n";
    for (const std::string& name : names) {
        text += "    <file>" + folder + "/" + name + "</file>\n";
    }
    text += "  </qresource>\n</RCC>\n";
    return text;
}

} // namespace galloria::art
