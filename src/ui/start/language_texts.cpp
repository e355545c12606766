#include "ui/start/language_texts.h"

#include <array>

namespace qx {
namespace {

struct LanguageText {
    long id;
    std::string_view text;
};

constexpr std::array<LanguageText, 4> kLanguageTexts{{
    {101, "相机设置工具"},
    {102, "语言"},
    {201, "Camera Setting Tool"},
    {202, "Language"},
}};

}  // namespace

std::optional<std::string_view> languageText(long id) {
    for (const LanguageText& entry : kLanguageTexts) {
        if (entry.id == id) return entry.text;
    }
    return std::nullopt;
}

}  // namespace qx
