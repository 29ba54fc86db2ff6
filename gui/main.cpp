// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/stereongui.h"
#include "view3d/allocatortuning.h"

#include <QApplication>

#include <cstdlib>
#include <ctime>

int main(int argc, char* argv[]) {
    keepFreedMemoryBetweenFrames();
    // Proposed names are drawn at random.
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    StereonGUI window;
    QApplication::setQuitOnLastWindowClosed(true);
    window.activateWindow();
    return app.exec();
}
