// The Windows side of the model: the ANSI code page that GetACP() names, conversion without
// best-fit look-alikes, the backslash rule of the Path text, the atomic replacement of MMS.INI
// against faults that Windows itself raises, and file names outside every ANSI code page.
// Everything is checked through the wide Win32 API, so no ANSI conversion hides a fault.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "model/code_page.h"
#include "model/config_file_reader.h"
#include "model/config_file_writer.h"
#include "model/wide_text.h"
#include "support/temp_dir.h"
#include "support/working_directory.h"

namespace qx {
namespace {

constexpr unsigned kLatin = 1252;
constexpr unsigned kChinese = 936;

const std::string kOldContent = "[MMS]\r\nURL=old\r\n";

// A folder name that no ANSI code page holds whole: Chinese, Greek, a character outside the
// Basic Multilingual Plane (a UTF-16 surrogate pair) and a Latin accent.
const std::string kUnicodeFolder = "相机 Ω-📷 é";

std::string utf8Of(const std::filesystem::path& path) { return narrow(path.wstring()); }

std::string utf8Folder(const test::TempDir& dir) { return utf8Of(dir.path()); }

bool createFolder(const std::string& folder) { return CreateDirectoryW(widen(folder).c_str(), nullptr) != 0; }

// The bytes of a file, or "<missing>".
std::string bytesOf(const std::string& name) {
    HANDLE file = CreateFileW(widen(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string content;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(file);
    return content;
}

void putBytes(const std::string& name, const std::string& bytes) {
    HANDLE file = CreateFileW(widen(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
}

// Every entry of a folder, hidden ones included, sorted and in UTF-8.
std::string namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW entry;
    HANDLE search = FindFirstFileW(widen(folder + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE) return "<no folder>";
    do {
        const std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(narrow(name));
    } while (FindNextFileW(search, &entry));
    FindClose(search);
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const std::string& name : names) joined += (joined.empty() ? "" : " ") + name;
    return joined;
}

SettingsRecord someRecord() {
    SettingsRecord record;
    record.APN = "mms";
    record.Phone1 = "0123456789";
    record.Email1 = std::string(3000, 'e') + "@example.com";  // large enough to need more than a page
    return record;
}

// --- Code page ------------------------------------------------------------------------------

TEST(WindowsCodePage, ActiveCodePageIsTheOneGetAcpNames) {
    EXPECT_EQ(activeCodePage(), GetACP());
    const char* expected = std::getenv("QX_EXPECTED_ANSI_CODE_PAGE");
    if (expected == nullptr) GTEST_SKIP() << "run outside CTest: no locale was chosen for this run";
    EXPECT_EQ(GetACP(), std::strtoul(expected, nullptr, 10)) << "Wine did not take the code page from LC_ALL";
}

TEST(WindowsCodePage, WriterUsesTheActiveCodePageByDefault) {
    SettingsRecord record;
    record.Server = "smtp.中文.cn";
    record.Phone2 = "+86 10 1234 5678";
    test::TempDir dir;
    const std::string target = utf8Folder(dir) + "\\MMS.INI";
    Result<void> written = writeConfigurationFile(record, target);
    switch (GetACP()) {
    case kChinese: {
        ASSERT_TRUE(written) << written.error().message;
        std::string expected = formatConfigurationFile(record);
        expected.replace(expected.find("中文"), std::string("中文").size(), "\xD6\xD0\xCE\xC4");
        EXPECT_EQ(bytesOf(target), expected);
        Result<ConfigurationValues> values = readConfigurationFile(target);
        ASSERT_TRUE(values) << values.error().message;
        EXPECT_EQ(recordFromValues(values.value()), record);
        break;
    }
    case kLatin:
        ASSERT_FALSE(written);
        EXPECT_EQ(written.error().message,
                  "The field \"Server\" cannot be written: the character \"中\" (U+4E2D) is not in code page 1252. "
                  "Remove or replace that character and try again.");
        EXPECT_EQ(namesIn(utf8Folder(dir)), "");
        break;
    default:
        GTEST_SKIP() << "no expectation for code page " << GetACP();
    }
}

struct Encoding {
    const char* text;
    unsigned codePage;
    const char* bytes;
};

void PrintTo(const Encoding& c, std::ostream* out) { *out << '"' << c.text << "\" in code page " << c.codePage; }

class WindowsExactEncoding : public testing::TestWithParam<Encoding> {};

TEST_P(WindowsExactEncoding, GoesBothWays) {
    const Encoding& c = GetParam();
    Result<std::string> bytes = toCodePage(c.text, c.codePage);
    ASSERT_TRUE(bytes) << bytes.error().message;
    EXPECT_EQ(bytes.value(), c.bytes);
    Result<std::string> text = fromCodePage(c.bytes, c.codePage);
    ASSERT_TRUE(text) << text.error().message;
    EXPECT_EQ(text.value(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsExactEncoding,
                         testing::Values(Encoding{"é", kLatin, "\xE9"}, Encoding{"€", kLatin, "\x80"},
                                         Encoding{"œ", kLatin, "\x9C"}, Encoding{"中文", kChinese, "\xD6\xD0\xCE\xC4"},
                                         Encoding{"é", kChinese, "\xA8\xA6"}, Encoding{"Ω", kChinese, "\xA6\xB8"},
                                         Encoding{"Ａ", kChinese, "\xA3\xC1"}, Encoding{"€", kChinese, "\x80"}),
                         [](const testing::TestParamInfo<Encoding>& param) {
                             return "Case" + std::to_string(param.index);
                         });

struct Unmappable {
    const char* text;
    unsigned codePage;
    const char* message;
};

void PrintTo(const Unmappable& c, std::ostream* out) { *out << '"' << c.text << "\" in code page " << c.codePage; }

class WindowsNoBestFit : public testing::TestWithParam<Unmappable> {};

// Windows' best-fit tables would write "O" for "Ω" in 1252 or "ā" for "Ā" in 936.
TEST_P(WindowsNoBestFit, LookAlikeIsAnError) {
    const Unmappable& c = GetParam();
    Result<std::string> bytes = toCodePage(std::string("ok ") + c.text, c.codePage);
    ASSERT_FALSE(bytes) << "written as " << testing::PrintToString(bytes.value());
    EXPECT_EQ(bytes.error().message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowsNoBestFit,
    testing::Values(Unmappable{"Ω", kLatin, "the character \"Ω\" (U+03A9) is not in code page 1252"},
                    Unmappable{"ł", kLatin, "the character \"ł\" (U+0142) is not in code page 1252"},
                    Unmappable{"∞", kLatin, "the character \"∞\" (U+221E) is not in code page 1252"},
                    Unmappable{"Ａ", kLatin, "the character \"Ａ\" (U+FF21) is not in code page 1252"},
                    Unmappable{"📷", kLatin, "the character \"📷\" (U+1F4F7) is not in code page 1252"},
                    Unmappable{"Ā", kChinese, "the character \"Ā\" (U+0100) is not in code page 936"},
                    Unmappable{"한", kChinese, "the character \"한\" (U+D55C) is not in code page 936"},
                    Unmappable{"📷", kChinese, "the character \"📷\" (U+1F4F7) is not in code page 936"}),
    [](const testing::TestParamInfo<Unmappable>& param) { return "Case" + std::to_string(param.index); });

TEST(WindowsCodePage, BytesThatAreNoCharacterAreAnError) {
    for (const char* bytes : {"\xD6", "\xFF", "\xD6\xD0\xFF"}) {
        EXPECT_FALSE(fromCodePage(bytes, kChinese)) << testing::PrintToString(bytes);
    }
}

// --- The Path text --------------------------------------------------------------------------

TEST(WindowsPath, NativeSeparatorIsTheBackslash) { EXPECT_EQ(kNativeSeparator, '\\'); }

struct PathCase {
    const char* path;
    const char* expected;
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << '"' << c.path << '"'; }

class WindowsConfigurationFilePath : public testing::TestWithParam<PathCase> {};

TEST_P(WindowsConfigurationFilePath, FolderEndsAtTheLastBackslash) {
    EXPECT_EQ(configurationFilePath(GetParam().path), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WindowsConfigurationFilePath,
                         testing::Values(PathCase{"D:\\cam\\NET.CFG", "D:\\cam\\MMS.INI"},
                                         PathCase{"D:\\", "D:\\MMS.INI"},
                                         PathCase{"D:/cam/NET.CFG", "MMS.INI"},
                                         PathCase{"D:\\cam/sub/NET.CFG", "D:\\MMS.INI"},
                                         PathCase{"\\\\host\\share\\NET.CFG", "\\\\host\\share\\MMS.INI"},
                                         PathCase{"相机\\NET.CFG", "相机\\MMS.INI"}),
                         [](const testing::TestParamInfo<PathCase>& param) {
                             return "Case" + std::to_string(param.index);
                         });

TEST(WindowsPath, SlashesOnlyPathWritesIntoTheWorkingDirectory) {
    test::TempDir card;
    test::TempDir work;
    const std::string cam = utf8Folder(card) + "\\cam";
    ASSERT_TRUE(createFolder(cam));
    test::ScopedWorkingDirectory inWork(work.path());

    std::string slashed = cam + "/NET.CFG";
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    ASSERT_TRUE(writeConfigurationFile(SettingsRecord{}, configurationFilePath(slashed), kLatin));
    EXPECT_EQ(namesIn(utf8Folder(work)), "MMS.INI");
    EXPECT_EQ(namesIn(cam), "");

    ASSERT_TRUE(writeConfigurationFile(SettingsRecord{}, configurationFilePath(cam + "\\NET.CFG"), kLatin));
    EXPECT_EQ(bytesOf(cam + "\\MMS.INI"), formatConfigurationFile(SettingsRecord{}));
}

// --- Atomic replacement ---------------------------------------------------------------------

// After a refused write the folder holds the old MMS.INI, byte for byte, and nothing else.
void expectOldFileAlone(const std::string& folder) {
    EXPECT_EQ(bytesOf(folder + "\\MMS.INI"), kOldContent);
    EXPECT_EQ(namesIn(folder), "MMS.INI");
}

TEST(WindowsReplace, ReadOnlyAttributeIsRefusedNotReplaced) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir);
    const std::string target = folder + "\\MMS.INI";
    putBytes(target, kOldContent);
    ASSERT_TRUE(SetFileAttributesW(widen(target).c_str(), FILE_ATTRIBUTE_READONLY));
    Result<void> written = writeConfigurationFile(someRecord(), target, kLatin);
    const DWORD attributes = GetFileAttributesW(widen(target).c_str());
    SetFileAttributesW(widen(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "Cannot write \"" + target +
                  "\": the file is read-only. Clear its read-only setting or choose another folder.");
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
    expectOldFileAlone(folder);
}

TEST(WindowsReplace, FileHeldOpenByAnotherProgramIsLeftAlone) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir);
    const std::string target = folder + "\\MMS.INI";
    putBytes(target, kOldContent);
    // No sharing at all, as an editor that locks its file does: the temporary file can be
    // written, but it cannot take the target's place.
    HANDLE holder = CreateFileW(widen(target).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    Result<void> written = writeConfigurationFile(someRecord(), target, kLatin);
    CloseHandle(holder);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "Cannot write \"" + target + "\": another program holds the file open. Close it and try again.");
    expectOldFileAlone(folder);
}

TEST(WindowsReplace, MissingFolder) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir);
    putBytes(folder + "\\MMS.INI", kOldContent);
    const std::string missing = folder + "\\no-such-folder";
    const std::string target = configurationFilePath(missing + "\\NET.CFG");
    Result<void> written = writeConfigurationFile(someRecord(), target, kLatin);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, "Cannot write \"" + target + "\": the folder \"" + missing +
                                           "\" does not exist or its drive is not ready. Check the Path and that the "
                                           "card is inserted.");
    expectOldFileAlone(folder);
}

TEST(WindowsReplace, MissingDrive) {
    const DWORD drives = GetLogicalDrives();
    char letter = 'Z';
    while (letter > 'D' && (drives & (1u << (letter - 'A')))) --letter;
    ASSERT_GT(letter, 'D') << "every drive letter is in use";
    const std::string drive = std::string(1, letter) + ":";
    // A drive's root keeps its backslash in the message; a folder on it is named without one.
    for (const auto& [pathText, folder] : {std::pair{drive + "\\DCIM\\NET.CFG", drive + "\\DCIM"},
                                           std::pair{drive + "\\NET.CFG", drive + "\\"}}) {
        const std::string target = configurationFilePath(pathText);
        Result<void> written = writeConfigurationFile(someRecord(), target, kLatin);
        ASSERT_FALSE(written) << target;
        EXPECT_EQ(written.error().message, "Cannot write \"" + target + "\": the folder \"" + folder +
                                               "\" does not exist or its drive is not ready. Check the Path and that "
                                               "the card is inserted.");
    }
}

TEST(WindowsReplace, FolderInTheWayAndInvalidNameAreRefused) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir);
    ASSERT_TRUE(createFolder(folder + "\\sub"));
    ASSERT_TRUE(createFolder(folder + "\\sub\\MMS.INI"));
    const std::string inTheWay = folder + "\\sub\\MMS.INI";
    Result<void> written = writeConfigurationFile(someRecord(), inTheWay, kLatin);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "Cannot write \"" + inTheWay + "\": a folder of that name is in the way. Choose another folder.");
    EXPECT_EQ(namesIn(folder + "\\sub"), "MMS.INI");

    putBytes(folder + "\\MMS.INI", kOldContent);
    const std::string invalid = configurationFilePath(folder + "\\card?\\NET.CFG");
    written = writeConfigurationFile(someRecord(), invalid, kLatin);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message,
              "Cannot write \"" + invalid + "\": this is not a valid file name. Check the Path.");
    EXPECT_EQ(bytesOf(folder + "\\MMS.INI"), kOldContent);
    EXPECT_EQ(namesIn(folder), "MMS.INI sub");
}

TEST(WindowsReplace, SuccessReplacesALongerFileWhole) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir);
    const std::string target = configurationFilePath(folder + "\\NET.CFG");
    putBytes(target, std::string(70000, 'o'));
    ASSERT_TRUE(writeConfigurationFile(SettingsRecord{}, target, kLatin));
    EXPECT_EQ(bytesOf(target), formatConfigurationFile(SettingsRecord{}));
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ASSERT_TRUE(GetFileAttributesExW(widen(target).c_str(), GetFileExInfoStandard, &data));
    EXPECT_EQ(data.nFileSizeHigh, 0u);
    EXPECT_EQ(data.nFileSizeLow, 220u);
    EXPECT_EQ(namesIn(folder), "MMS.INI");
}

// --- File names outside the ANSI code page ----------------------------------------------------

TEST(WindowsFileNames, WriteAndReadInAFolderNamedInUnicode) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir) + "\\" + kUnicodeFolder;
    ASSERT_TRUE(createFolder(folder));
    SettingsRecord record = someRecord();
    record.Server = "smtp.exämple.de";
    const std::string target = configurationFilePath(folder + "\\NET.CFG");
    EXPECT_EQ(target, folder + "\\MMS.INI");
    putBytes(target, kOldContent);

    Result<void> written = writeConfigurationFile(record, target, kLatin);
    ASSERT_TRUE(written) << written.error().message;
    EXPECT_EQ(bytesOf(target), encodeConfigurationFile(record, kLatin).value());
    EXPECT_EQ(namesIn(folder), "MMS.INI");

    const std::string readName = folder + "\\MMS.INT";
    putBytes(readName, bytesOf(target));
    Result<ConfigurationValues> values = readConfigurationFile(readName, kLatin);
    ASSERT_TRUE(values) << values.error().message;
    EXPECT_EQ(recordFromValues(values.value()), record);
}

TEST(WindowsFileNames, MessagesNameTheFolderInUnicode) {
    test::TempDir dir;
    const std::string folder = utf8Folder(dir) + "\\" + kUnicodeFolder;
    ASSERT_TRUE(createFolder(folder));

    const std::string missing = folder + "\\不存在";
    const std::string target = configurationFilePath(missing + "\\NET.CFG");
    Result<void> written = writeConfigurationFile(someRecord(), target, kLatin);
    ASSERT_FALSE(written);
    EXPECT_EQ(written.error().message, "Cannot write \"" + target + "\": the folder \"" + missing +
                                           "\" does not exist or its drive is not ready. Check the Path and that the "
                                           "card is inserted.");

    // A name without a folder is found in the working directory, which the message then names.
    test::ScopedWorkingDirectory inFolder(std::filesystem::path(widen(folder)));
    Result<ConfigurationValues> values = readConfigurationFile(std::string(kReadFileName), kLatin);
    ASSERT_FALSE(values);
    EXPECT_EQ(values.error().message,
              "Cannot read \"MMS.INT\": the file does not exist in the folder \"" + folder + "\".");
    EXPECT_EQ(namesIn(folder), "");
}

}  // namespace
}  // namespace qx
