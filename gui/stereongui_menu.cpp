// Page switching: one title and page of the page area at a time, its menu button held down.
#include "gui/stereongui.h"

#include "view3d/glwidget.h"
#include "widgets/objectlist.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Where the 3D view sits in the page area: after the list header, the list and the 3D header.
constexpr int viewLayoutIndex = 3;

} // namespace

bool StereonGUI::isEmbedded3D() const {
    return glWidget && glWidget->parent();
}

void StereonGUI::showPage(int index) {
    for (QWidget* widget : std::as_const(pageWidgets))
        widget->hide();
    if (isEmbedded3D())
        glWidget->hide();
    for (QToolButton* button : std::as_const(menuButtons))
        button->setDown(false);

    const Page& page = pages[index];
    for (QWidget* widget : page.shown)
        widget->show();
    if (page.focus)
        page.focus->setFocus(Qt::OtherFocusReason);
    menuButtons[index]->setDown(true);
}

void StereonGUI::displayListMenu() {
    showPage(0);
    const int height = listTitle->sizeHint().height();
    for (QToolButton* button : {loadButton, saveButton, resetListButton})
        button->setFixedHeight(height);
    update();
}

void StereonGUI::display3DMenu() {
    showPage(1);
    showInWindowButton->setFixedHeight(view3DTitle->sizeHint().height());
    if (isEmbedded3D()) {
        glWidget->show();
        repaintDrawer();
    } else if (glWidget) {
        // A detached view comes back into the page.
        glWidget->hide();
        menuLayout->insertWidget(viewLayoutIndex, glWidget, 1);
        glWidget->show();
    }
    if (glWidget)
        glWidget->setFocus(Qt::OtherFocusReason);
    update();
}

void StereonGUI::displayOptionsMenu() {
    showPage(2);
    update();
}

void StereonGUI::displayPointMenu() {
    showPage(3);
    setRandName();
    update();
}

void StereonGUI::displayVectorMenu() {
    showPage(4);
    setRandName();
    update();
}

void StereonGUI::displayLineMenu() {
    showPage(5);
    setRandName();
    update();
}

void StereonGUI::displaySurfaceMenu() {
    showPage(6);
    setRandName();
    update();
}

void StereonGUI::displayIntersectMenu() {
    showPage(7);
    update();
}

void StereonGUI::displayAngleMenu() {
    showPage(8);
    update();
}

void StereonGUI::displayDistanceMenu() {
    showPage(9);
    update();
}
