// Code-page conversion for systems other than Windows, through the C library's iconv.
#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <vector>

#include "model/code_page.h"
#include "model/utf8.h"

namespace qx {
namespace {

class IconvHandle {
public:
    IconvHandle(const std::string& to, const std::string& from)
        : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~IconvHandle() {
        if (valid()) iconv_close(handle_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

std::string iconvName(unsigned codePage) { return "CP" + std::to_string(codePage); }

// Opening a converter costs more than converting a field, and "Generate" converts eighteen:
// each thread keeps the converters it opened, reset to their initial state on every use.
IconvHandle& converter(const std::string& to, const std::string& from) {
    struct Entry {
        std::string to, from;
        std::unique_ptr<IconvHandle> handle;
    };
    thread_local std::vector<Entry> open;
    for (Entry& entry : open) {
        if (entry.to == to && entry.from == from) {
            if (entry.handle->valid()) iconv(entry.handle->get(), nullptr, nullptr, nullptr, nullptr);
            return *entry.handle;
        }
    }
    open.push_back({to, from, std::make_unique<IconvHandle>(to, from)});
    return *open.back().handle;
}

struct Conversion {
    std::string output;
    std::size_t failedAt = std::string::npos;  // input offset where conversion stopped
};

// Runs the whole input through iconv; stops at the first input it cannot convert.
Conversion convert(IconvHandle& cd, std::string_view input) {
    Conversion result;
    result.output.resize(input.size() * 4 + 16);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t produced = 0;
    while (inLeft > 0) {
        char* out = result.output.data() + produced;
        std::size_t outLeft = result.output.size() - produced;
        const std::size_t rc = iconv(cd.get(), &in, &inLeft, &out, &outLeft);
        produced = result.output.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) {
            result.output.resize(result.output.size() * 2);
            continue;
        }
        result.failedAt = input.size() - inLeft;
        break;
    }
    if (result.failedAt == std::string::npos) {
        // Flush any shift state (stateful code pages such as 1258's combining marks).
        char* out = result.output.data() + produced;
        std::size_t outLeft = result.output.size() - produced;
        iconv(cd.get(), nullptr, nullptr, &out, &outLeft);
        produced = result.output.size() - outLeft;
    }
    result.output.resize(produced);
    return result;
}

// iconv's tables write a few characters as look-alikes of another character: code page 932
// turns U+00A5 YEN SIGN into the bytes of U+FFE5 FULLWIDTH YEN SIGN. A character belongs to
// the code page only if its own bytes read back as that character, which is what
// WC_NO_BEST_FIT_CHARS gives on Windows. Each character is tried alone, because reading
// combines a letter and a following accent into one character (code pages 1255 and 1258).
std::size_t firstLookAlike(std::string_view utf8, unsigned codePage) {
    IconvHandle& there = converter(iconvName(codePage), "UTF-8");
    IconvHandle& back = converter("UTF-8", iconvName(codePage));
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const std::size_t start = pos;
        decodeUtf8(utf8, pos);
        if (static_cast<unsigned char>(utf8[start]) < 0x80) continue;
        const std::string_view character = utf8.substr(start, pos - start);
        iconv(there.get(), nullptr, nullptr, nullptr, nullptr);
        iconv(back.get(), nullptr, nullptr, nullptr, nullptr);
        const Conversion bytes = convert(there, character);
        const Conversion reread = convert(back, bytes.output);
        if (bytes.failedAt != std::string::npos || reread.failedAt != std::string::npos ||
            reread.output != character) {
            return start;
        }
    }
    return std::string::npos;
}

Error notInCodePage(std::string_view utf8, std::size_t pos, unsigned codePage) {
    const std::size_t start = pos;
    const char32_t c = decodeUtf8(utf8, pos).value_or(U'\uFFFD');
    return Error{"the character \"" + std::string(utf8.substr(start, pos - start)) + "\" (" + codePointName(c) +
                 ") is not in code page " + std::to_string(codePage)};
}

Error unknownCodePage(unsigned codePage) {
    return Error{"code page " + std::to_string(codePage) + " is not available on this system"};
}

}  // namespace

Result<std::string> toCodePage(std::string_view utf8, unsigned codePage) {
    if (!isValidUtf8(utf8)) return Error{"the text is not valid UTF-8"};
    IconvHandle& cd = converter(iconvName(codePage), "UTF-8");
    if (!cd.valid()) return unknownCodePage(codePage);
    Conversion conversion = convert(cd, utf8);
    if (conversion.failedAt != std::string::npos) return notInCodePage(utf8, conversion.failedAt, codePage);
    const bool ascii =
        std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) {
        if (const std::size_t lookAlike = firstLookAlike(utf8, codePage); lookAlike != std::string::npos) {
            return notInCodePage(utf8, lookAlike, codePage);
        }
    }
    return std::move(conversion.output);
}

Result<std::string> fromCodePage(std::string_view bytes, unsigned codePage) {
    IconvHandle& cd = converter("UTF-8", iconvName(codePage));
    if (!cd.valid()) return unknownCodePage(codePage);
    Conversion conversion = convert(cd, bytes);
    if (conversion.failedAt != std::string::npos) {
        return Error{"byte " + std::to_string(conversion.failedAt + 1) +
                     " is not a character of code page " + std::to_string(codePage)};
    }
    return std::move(conversion.output);
}

}  // namespace qx
