#include <QApplication>
#include <QIcon>

#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_window.h"
#include "ui/start/application.h"

int main(int argc, char** argv) {
    // Qt takes its own options (-platform, -style ...) from the command line; the tool has none.
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qx410-setup"));
    QApplication::setWindowIcon(qx::qt::programIcon());
    // Closing the last visible window from its title bar ends the program, as Escape does,
    // rather than leave it running with no window at all.
    QApplication::setQuitOnLastWindowClosed(true);

    qx::qt::QtPlatform platform;
    qx::Application tool(platform);
    tool.start();
    return QApplication::exec();
}
