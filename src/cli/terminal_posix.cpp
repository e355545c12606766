// The terminal edge on POSIX systems: the locale's codeset, converted with iconv.
#include <iconv.h>
#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <optional>
#include <string>

#include "cli/terminal.h"
#include "model/utf8.h"

namespace qx::cli {
namespace {

bool namesUtf8(std::string_view codeset) { return codeset == "UTF-8" || codeset == "utf8"; }

// The codeset of the C and POSIX locales, whatever the C library calls it.
bool namesAscii(std::string_view codeset) {
    return codeset == "ANSI_X3.4-1968" || codeset == "ASCII" || codeset == "US-ASCII";
}

class Converter {
public:
    Converter(const std::string& to, const std::string& from) : handle_(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid()) iconv_close(handle_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle_ != reinterpret_cast<iconv_t>(-1); }

    // The whole input converted, or none when some of it is not convertible.
    std::optional<std::string> convert(std::string_view input) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string output(input.size() * 4 + 16, '\0');
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        std::size_t produced = 0;
        // After the input, one more call writes what a stateful encoding still holds back.
        bool flushing = false;
        for (;;) {
            char* out = output.data() + produced;
            std::size_t outLeft = output.size() - produced;
            const std::size_t rc = flushing ? iconv(handle_, nullptr, nullptr, &out, &outLeft)
                                            : iconv(handle_, &in, &inLeft, &out, &outLeft);
            produced = output.size() - outLeft;
            if (rc == static_cast<std::size_t>(-1)) {
                if (errno != E2BIG) return std::nullopt;
                output.resize(output.size() * 2);
                continue;
            }
            if (flushing) break;
            flushing = true;
        }
        output.resize(produced);
        return output;
    }

private:
    iconv_t handle_;
};

void writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return;  // a closed pipe: the reader has gone, and there is nobody left to tell
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

}  // namespace

Terminal::Terminal() {
    // Only the character type: numbers and messages keep the C locale's form.
    if (std::setlocale(LC_CTYPE, "") == nullptr) return;
    const std::string codeset = nl_langinfo(CODESET);
    if (!namesUtf8(codeset) && !namesAscii(codeset)) encoding_ = codeset;
}

Result<std::vector<std::string>> Terminal::arguments(int argc, char** argv) const {
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) {
        Result<std::string> text = decodeInput(argv[i], false);
        if (!text) return Error{"argument " + std::to_string(i) + " " + text.error().message};
        texts.push_back(std::move(text).value());
    }
    return texts;
}

Result<std::string> Terminal::decodeInput(std::string_view bytes, bool fromConsole) const {
    static_cast<void>(fromConsole);
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const bool marked = bytes.starts_with(kByteOrderMark);
    if (marked) bytes.remove_prefix(kByteOrderMark.size());
    if (marked || encoding_.empty()) {
        if (!isValidUtf8(bytes)) return Error{"is not UTF-8 text"};
        return std::string(bytes);
    }
    Converter converter("UTF-8", encoding_);
    std::optional<std::string> text = converter.valid() ? converter.convert(bytes) : std::nullopt;
    if (!text) return Error{"is not text in the locale's encoding " + encoding_};
    return std::move(*text);
}

namespace {

// UTF-8 text in the terminal's encoding, character by character where the whole does not
// convert, so that one character the encoding lacks does not hide the rest.
std::string encodeForTerminal(std::string_view text, const std::string& encoding) {
    if (encoding.empty()) return std::string(text);
    Converter converter(encoding, "UTF-8");
    if (!converter.valid()) return std::string(text);
    if (std::optional<std::string> whole = converter.convert(text)) return std::move(*whole);
    std::string bytes;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> c = decodeUtf8(text, pos);
        if (!c) {
            ++pos;
            bytes += "<?>";
            continue;
        }
        std::optional<std::string> one = converter.convert(text.substr(start, pos - start));
        bytes += one ? *one : "<" + codePointName(*c) + ">";
    }
    return bytes;
}

}  // namespace

void Terminal::out(std::string_view text) const { writeAll(STDOUT_FILENO, encodeForTerminal(text, encoding_)); }

void Terminal::err(std::string_view text) const { writeAll(STDERR_FILENO, encodeForTerminal(text, encoding_)); }

bool Terminal::inputIsConsole() const { return ::isatty(STDIN_FILENO) == 1; }

}  // namespace qx::cli
