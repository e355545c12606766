#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>
#include <vector>

namespace qx::test::win32 {

// The shell's folder browser of another process, read through that process's memory: a tree
// view's item texts are handed out only into a buffer of the process that owns the tree.
class FolderTree {
public:
    FolderTree(HWND tree, DWORD processId);
    ~FolderTree();
    FolderTree(const FolderTree&) = delete;
    FolderTree& operator=(const FolderTree&) = delete;

    HTREEITEM root() const;
    HTREEITEM selected() const;
    std::vector<HTREEITEM> children(HTREEITEM item) const;
    std::wstring text(HTREEITEM item) const;
    bool isExpanded(HTREEITEM item) const;
    // Scrolls the item into view and gives the point in the middle of its label, on the screen.
    POINT labelPoint(HTREEITEM item) const;

private:
    HWND tree_;
    HANDLE process_ = nullptr;
    void* remote_ = nullptr;  // one TVITEMW and its text buffer, in the other process
};

// The names that the shell shows for the levels from the desktop down to a folder such as
// C:\\cam, in the language of this Wine: "My Computer", " (C:)", "cam".
std::vector<std::wstring> shellNamesTowards(const std::wstring& folder);

// The folder browser of the program as a user drives it, with the pointer and the keyboard.
class FolderBrowser {
public:
    FolderBrowser(HWND dialog, DWORD processId);

    HWND dialog() const { return dialog_; }
    // The text above the tree: the title that the program asked for.
    std::string title() const;

    // Opens the tree level by level down to the folder, selects it and presses OK.
    void choose(const std::wstring& folder);
    void cancel();

private:
    void select(HTREEITEM item);
    void expand(HTREEITEM item);

    HWND dialog_;
    HWND treeWindow_;
    FolderTree tree_;
};

}  // namespace qx::test::win32
