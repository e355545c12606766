#include "platform/qt/dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "ui/start/start_layout.h"

namespace qx::qt {
namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

std::unique_ptr<QMessageBox> makeMessageBox(QWidget* owner, std::string_view prompt) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, fromUtf8(kApplicationTitle), fromUtf8(prompt),
                                             QMessageBox::Ok, owner);
    // A file name in an error text may hold characters that look like markup.
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

std::unique_ptr<QFileDialog> makeFolderDialog(QWidget* owner, std::string_view title) {
    auto dialog = std::make_unique<QFileDialog>(owner, fromUtf8(title), QDir::homePath());
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::Directory);
    dialog->setOption(QFileDialog::ShowDirsOnly, true);
    dialog->setWindowModality(Qt::WindowModal);
    return dialog;
}

std::optional<std::string> chosenFolder(const QFileDialog& dialog) {
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || !QFileInfo(chosen.front()).isDir()) return std::nullopt;
    return QDir::toNativeSeparators(chosen.front()).toStdString();
}

}  // namespace qx::qt
