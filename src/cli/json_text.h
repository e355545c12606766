#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qx::cli {

// A JSON string for UTF-8 text. Every character outside ASCII is written as a \u escape, so
// the output is the same bytes in every terminal encoding.
std::string jsonString(std::string_view text);

// A JSON string, or null for none.
std::string jsonNullable(std::optional<std::string_view> text);

// Builds one JSON object, members in the order they are added.
class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view jsonValue);
    JsonObject& addString(std::string_view key, std::optional<std::string_view> text);
    std::string text() const { return text_ + "}"; }

private:
    std::string text_ = "{";
};

}  // namespace qx::cli
