#pragma once

#include <string>
#include <string_view>

namespace qx {

inline constexpr std::string_view kFolderBrowserTitle = "请选择软件安装路径：";
inline constexpr std::string_view kPathFileName = "NET.CFG";

// The Path text for a chosen folder: the folder, one separator unless it already ends in
// one, and "NET.CFG", whose folder part "Generate" later takes.
std::string pathTextForFolder(std::string_view folder, char separator);

}  // namespace qx
