#pragma once

#include <optional>
#include <string_view>

namespace qx {

// The start window's texts by number: n01 is the window text and n02 the "Language" label
// for language code n.
std::optional<std::string_view> languageText(long id);

}  // namespace qx
