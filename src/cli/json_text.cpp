#include "cli/json_text.h"

#include "model/utf8.h"

namespace qx::cli {
namespace {

void appendEscape(std::string& out, unsigned unit) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\u";
    for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
}

}  // namespace

std::string jsonString(std::string_view text) {
    std::string out = "\"";
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const char32_t c = decodeUtf8(text, pos).value_or(U'\uFFFD');
        if (pos == start) ++pos;  // a stray byte stands for one replacement character
        switch (c) {
        case U'"': out += "\\\""; break;
        case U'\\': out += "\\\\"; break;
        case U'\n': out += "\\n"; break;
        case U'\r': out += "\\r"; break;
        case U'\t': out += "\\t"; break;
        default:
            if (c >= 0x20 && c < 0x7F) {
                out += static_cast<char>(c);
            } else if (c < 0x10000) {
                appendEscape(out, static_cast<unsigned>(c));
            } else {
                // Beyond the Basic Multilingual Plane JSON needs a UTF-16 surrogate pair.
                const unsigned offset = static_cast<unsigned>(c) - 0x10000;
                appendEscape(out, 0xD800 + (offset >> 10));
                appendEscape(out, 0xDC00 + (offset & 0x3FF));
            }
        }
    }
    out += '"';
    return out;
}

std::string jsonNullable(std::optional<std::string_view> text) { return text ? jsonString(*text) : "null"; }

JsonObject& JsonObject::add(std::string_view key, std::string_view jsonValue) {
    if (text_.size() > 1) text_ += ", ";
    text_ += jsonString(key);
    text_ += ": ";
    text_ += jsonValue;
    return *this;
}

JsonObject& JsonObject::addString(std::string_view key, std::optional<std::string_view> text) {
    return add(key, jsonNullable(text));
}

}  // namespace qx::cli
