// Both directions of the code-page layer, on any bytes: an answer or an error, never a
// crash, and whatever converts must convert back to the same text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_input.h"
#include "model/code_page.h"
#include "model/utf8.h"

namespace {

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Reading these code pages joins a letter and the accents after it into one character, so
// text written with separate accents reads back as the same text in another spelling.
bool joinsAccents(unsigned codePage) { return codePage == 1255 || codePage == 1258; }

void checkToCodePage(std::string_view text, unsigned codePage) {
    const qx::Result<std::string> bytes = qx::toCodePage(text, codePage);
    if (!qx::isValidUtf8(text)) {
        QX_FUZZ_CHECK(!bytes.ok());
        return;
    }
    // Every ANSI code page of Windows extends ASCII.
    if (isAscii(text)) {
        QX_FUZZ_CHECK(bytes.ok());
        QX_FUZZ_CHECK(bytes.value() == text);
    }
    if (!bytes) {
        QX_FUZZ_CHECK(bytes.error().message.find(std::to_string(codePage)) != std::string::npos);
        return;
    }
    const qx::Result<std::string> back = qx::fromCodePage(bytes.value(), codePage);
    QX_FUZZ_CHECK(back.ok());
    if (!joinsAccents(codePage)) QX_FUZZ_CHECK(back.value() == text);
    // No character may be written as a look-alike of another.
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        qx::decodeUtf8(text, pos);
        const std::string_view character = text.substr(start, pos - start);
        const qx::Result<std::string> alone = qx::toCodePage(character, codePage);
        QX_FUZZ_CHECK(alone.ok());
        const qx::Result<std::string> aloneBack = qx::fromCodePage(alone.value(), codePage);
        QX_FUZZ_CHECK(aloneBack.ok());
        QX_FUZZ_CHECK(aloneBack.value() == character);
    }
}

void checkFromCodePage(std::string_view bytes, unsigned codePage) {
    const qx::Result<std::string> text = qx::fromCodePage(bytes, codePage);
    if (isAscii(bytes)) {
        QX_FUZZ_CHECK(text.ok());
        QX_FUZZ_CHECK(text.value() == bytes);
    }
    if (!text) {
        QX_FUZZ_CHECK(!text.error().message.empty());
        return;
    }
    QX_FUZZ_CHECK(qx::isValidUtf8(text.value()));
    // The bytes may have other spellings of the same text; the text itself must come back.
    const qx::Result<std::string> again = qx::toCodePage(text.value(), codePage);
    QX_FUZZ_CHECK(again.ok());
    const qx::Result<std::string> reread = qx::fromCodePage(again.value(), codePage);
    QX_FUZZ_CHECK(reread.ok());
    QX_FUZZ_CHECK(reread.value() == text.value());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qx::fuzz::Input input = qx::fuzz::splitInput(data, size);
    const unsigned codePage = qx::fuzz::codePageOf(input.selector);
    // The selector's high bit picks the direction, so one corpus serves both.
    if (input.selector & 0x80) {
        checkFromCodePage(input.bytes, codePage);
    } else {
        checkToCodePage(input.bytes, codePage);
    }
    return 0;
}
