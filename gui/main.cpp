#include "gui/stereongui.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    StereonGUI window;
    QApplication::setQuitOnLastWindowClosed(true);
    window.activateWindow();
    return app.exec();
}
