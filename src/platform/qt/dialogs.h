#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QFileDialog;
class QMessageBox;
class QWidget;

namespace qx::qt {

// The tool's message box: modal, the prompt as plain text, one OK button and the application
// title as its caption.
std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, std::string_view prompt);

// The folder browser: a dialog, modal to its owner, in which only folders can be chosen.
std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* owner, std::string_view title);

// The folder that an accepted dialog holds, spelt with the system's separators.
std::optional<std::string> chosenFolder(const QFileDialog& dialog);

}  // namespace qx::qt
