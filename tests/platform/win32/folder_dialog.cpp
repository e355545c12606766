#include "folder_dialog.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <stdexcept>

#include "model/wide_text.h"
#include "user_input.h"
#include "waiting.h"
#include "window_controls.h"

namespace qx::test::win32 {
namespace {

constexpr int kTextCapacity = 512;
constexpr UINT kAnswerWithin = 10'000;

LRESULT ask(HWND tree, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(tree, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerWithin, &answer)) {
        throw std::runtime_error("the folder browser did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(answer);
}

}  // namespace

FolderTree::FolderTree(HWND tree, DWORD processId) : tree_(tree) {
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
    if (process_ == nullptr) throw std::runtime_error("cannot open the program's process: error " + std::to_string(GetLastError()));
    remote_ = VirtualAllocEx(process_, nullptr, sizeof(TVITEMW) + kTextCapacity * sizeof(wchar_t),
                             MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote_ == nullptr) {
        CloseHandle(process_);
        throw std::runtime_error("cannot reserve memory in the program's process");
    }
}

FolderTree::~FolderTree() {
    VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

HTREEITEM FolderTree::root() const {
    return reinterpret_cast<HTREEITEM>(ask(tree_, TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

HTREEITEM FolderTree::selected() const {
    return reinterpret_cast<HTREEITEM>(ask(tree_, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

std::vector<HTREEITEM> FolderTree::children(HTREEITEM item) const {
    std::vector<HTREEITEM> found;
    auto child = reinterpret_cast<HTREEITEM>(ask(tree_, TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
    while (child != nullptr) {
        found.push_back(child);
        child = reinterpret_cast<HTREEITEM>(ask(tree_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
    }
    return found;
}

std::wstring FolderTree::text(HTREEITEM item) const {
    auto* remoteText = reinterpret_cast<wchar_t*>(static_cast<char*>(remote_) + sizeof(TVITEMW));
    TVITEMW request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = remoteText;
    request.cchTextMax = kTextCapacity;
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_, remote_, &request, sizeof request, &moved)) {
        throw std::runtime_error("cannot write into the program's process");
    }
    if (!ask(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote_))) return {};
    wchar_t text[kTextCapacity] = {};
    if (!ReadProcessMemory(process_, remoteText, text, sizeof text - sizeof(wchar_t), &moved)) {
        throw std::runtime_error("cannot read the program's process");
    }
    return text;
}

bool FolderTree::isExpanded(HTREEITEM item) const {
    return (ask(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

POINT FolderTree::labelPoint(HTREEITEM item) const {
    ask(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    // TVM_GETITEMRECT takes the item in the rectangle's place and writes the rectangle over it.
    RECT label{};
    std::memcpy(&label, &item, sizeof item);
    SIZE_T moved = 0;
    if (!WriteProcessMemory(process_, remote_, &label, sizeof label, &moved)) {
        throw std::runtime_error("cannot write into the program's process");
    }
    if (!ask(tree_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(remote_))) {
        throw std::runtime_error("the folder browser shows no label for the item");
    }
    if (!ReadProcessMemory(process_, remote_, &label, sizeof label, &moved)) {
        throw std::runtime_error("cannot read the program's process");
    }
    POINT middle{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(tree_, &middle);
    return middle;
}

std::vector<std::wstring> shellNamesTowards(const std::wstring& folder) {
    std::vector<std::wstring> names;
    PIDLIST_ABSOLUTE computer = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer))) {
        throw std::runtime_error("the shell has no My Computer folder");
    }
    SHFILEINFOW info{};
    SHGetFileInfoW(reinterpret_cast<LPCWSTR>(computer), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
    CoTaskMemFree(computer);
    names.emplace_back(info.szDisplayName);
    // The drive, "C:\", then each folder below it.
    if (folder.size() < 3 || folder[1] != L':' || folder[2] != L'\\') {
        throw std::logic_error("not a folder on a drive: " + narrow(folder));
    }
    std::vector<std::wstring> levels{folder.substr(0, 3)};
    for (std::size_t at = 3; at < folder.size();) {
        std::size_t end = folder.find(L'\\', at);
        if (end == std::wstring::npos) end = folder.size();
        levels.push_back(folder.substr(0, end));
        at = end + 1;
    }
    for (const std::wstring& level : levels) {
        SHFILEINFOW levelInfo{};
        if (!SHGetFileInfoW(level.c_str(), 0, &levelInfo, sizeof levelInfo, SHGFI_DISPLAYNAME)) {
            throw std::runtime_error("the shell does not know " + narrow(level));
        }
        names.emplace_back(levelInfo.szDisplayName);
    }
    return names;
}

FolderBrowser::FolderBrowser(HWND dialog, DWORD processId)
    : dialog_(dialog),
      treeWindow_(FindWindowExW(dialog, nullptr, L"SysTreeView32", nullptr)),
      tree_(treeWindow_, processId) {}

std::string FolderBrowser::title() const {
    for (HWND child = GetWindow(dialog_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (classOf(child) == L"Static" && IsWindowVisible(child)) {
            if (std::string text = textOf(child); !text.empty()) return text;
        }
    }
    return {};
}

void FolderBrowser::select(HTREEITEM item) {
    clickAt(tree_.labelPoint(item));
    waitUntil("the folder browser to select \"" + narrow(tree_.text(item)) + "\"",
              [&] { return tree_.selected() == item; });
}

void FolderBrowser::expand(HTREEITEM item) {
    if (tree_.isExpanded(item)) return;
    select(item);
    pressKey(VK_RIGHT);
    waitUntil("the folder browser to open \"" + narrow(tree_.text(item)) + "\"", [&] { return tree_.isExpanded(item); });
}

void FolderBrowser::choose(const std::wstring& folder) {
    HTREEITEM item = tree_.root();
    for (const std::wstring& name : shellNamesTowards(folder)) {
        expand(item);
        const HTREEITEM parent = item;
        item = waitFor("\"" + narrow(name) + "\" in the folder browser", [&]() -> std::optional<HTREEITEM> {
            for (HTREEITEM child : tree_.children(parent)) {
                if (tree_.text(child) == name) return child;
            }
            return std::nullopt;
        });
    }
    select(item);
    HWND ok = GetDlgItem(dialog_, IDOK);
    RECT button{};
    GetWindowRect(ok, &button);
    clickAt({(button.left + button.right) / 2, (button.top + button.bottom) / 2});
}

void FolderBrowser::cancel() {
    HWND button = GetDlgItem(dialog_, IDCANCEL);
    RECT place{};
    GetWindowRect(button, &place);
    clickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

}  // namespace qx::test::win32
