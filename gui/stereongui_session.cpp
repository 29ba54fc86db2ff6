// Session commands: saving, loading and clearing the session, and closing the window.
#include "gui/stereongui.h"

#include <QCloseEvent>

void StereonGUI::saveFile() {}

void StereonGUI::loadFile(const QString&) {}

void StereonGUI::loadFile() {
    loadFile(QString());
}

void StereonGUI::loadSession(const QString&) {}

void StereonGUI::clearList(bool) {}

void StereonGUI::clearList() {
    clearList(true);
}

void StereonGUI::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
}
