#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace qx {

// Decodes the UTF-8 character that starts at text[pos] and moves pos past it; none (and pos
// unchanged) when the bytes there are not well-formed UTF-8.
std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& pos);

bool isValidUtf8(std::string_view text);

// The byte offset of the character after the first `count` characters (the text's size if
// it has fewer). Invalid bytes count as one character each.
std::size_t utf8Offset(std::string_view text, std::size_t count);

// "U+4E2D" for a character, for messages.
std::string codePointName(char32_t c);

}  // namespace qx
