#include "ui/settings/folder_selection.h"

namespace qx {

std::string pathTextForFolder(std::string_view folder, char separator) {
    std::string text(folder);
    if (text.empty() || text.back() != separator) text += separator;
    text += kPathFileName;
    return text;
}

}  // namespace qx
