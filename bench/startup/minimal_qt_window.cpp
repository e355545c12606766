// The least a Qt 6 Widgets program does to show a window: the yardstick of the front-end's start.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal window");
    window.resize(774, 570);
    window.show();
    return application.exec();
}
