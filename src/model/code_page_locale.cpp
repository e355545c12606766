#include <array>
#include <cstdlib>
#include <string_view>

#include "model/code_page.h"

namespace qx {
namespace {

struct LocaleCodePage {
    std::string_view language;   // ISO 639 code
    std::string_view territory;  // empty: every territory of the language
    unsigned codePage;
};

// The code page that Windows uses as ANSI code page for each language's locales.
constexpr std::array<LocaleCodePage, 33> kLocaleCodePages{{
    {"zh", "CN", 936},  {"zh", "SG", 936},  {"zh", "TW", 950},  {"zh", "HK", 950},
    {"ja", "", 932},    {"ko", "", 949},    {"ru", "", 1251},   {"uk", "", 1251},
    {"be", "", 1251},   {"bg", "", 1251},   {"sr", "", 1251},   {"mk", "", 1251},
    {"pl", "", 1250},   {"cs", "", 1250},   {"sk", "", 1250},   {"hu", "", 1250},
    {"sl", "", 1250},   {"hr", "", 1250},   {"ro", "", 1250},   {"sq", "", 1250},
    {"bs", "", 1250},   {"el", "", 1253},   {"tr", "", 1254},   {"az", "", 1254},
    {"he", "", 1255},   {"ar", "", 1256},   {"fa", "", 1256},   {"ur", "", 1256},
    {"et", "", 1257},   {"lv", "", 1257},   {"lt", "", 1257},   {"vi", "", 1258},
    {"th", "", 874},
}};

constexpr unsigned kWesternEuropean = 1252;

}  // namespace

unsigned codePageForLocale(std::string_view name) {
    // language[_territory][.codeset][@modifier]
    const std::size_t end = name.find_first_of(".@");
    if (end != std::string_view::npos) name = name.substr(0, end);
    const std::size_t underscore = name.find('_');
    const std::string_view language = name.substr(0, underscore);
    const std::string_view territory =
        underscore == std::string_view::npos ? std::string_view{} : name.substr(underscore + 1);
    for (const LocaleCodePage& entry : kLocaleCodePages) {
        if (entry.language == language && (entry.territory.empty() || entry.territory == territory)) {
            return entry.codePage;
        }
    }
    return kWesternEuropean;
}

#ifndef _WIN32
unsigned activeCodePage() {
    // The same precedence as setlocale(LC_CTYPE, ""): the first variable that is set and non-empty.
    for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return codePageForLocale(value);
    }
    return kWesternEuropean;
}
#endif

}  // namespace qx
