// Naming and input enabling on the input pages.
#include "gui/stereongui.h"

#include "widgets/gridpicker.h"

#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void StereonGUI::setRandName(QChar) {}

void StereonGUI::setRandName() {
    setRandName(QChar(0));
}

void StereonGUI::nameExists(const QString&) {}

void StereonGUI::enableAddP() {}

void StereonGUI::enableAddV() {}

void StereonGUI::enableAddL() {}

void StereonGUI::enableAddS() {}

void StereonGUI::enableAddI() {}

void StereonGUI::enableAddA() {}

void StereonGUI::enableAddD() {}

void StereonGUI::disableGroups(bool checked, int index) {
    CheckGroup* const* groups = nullptr;
    int count = 0;
    void (StereonGUI::*enableRule)() = nullptr;
    if (vectorPage->isVisible()) {
        groups = vectorOptions.data();
        count = int(vectorOptions.size());
        enableRule = &StereonGUI::enableAddV;
    } else if (linePage->isVisible()) {
        groups = lineOptions.data();
        count = int(lineOptions.size());
        enableRule = &StereonGUI::enableAddL;
    } else if (surfacePage->isVisible()) {
        groups = surfaceOptions.data();
        count = int(surfaceOptions.size());
        enableRule = &StereonGUI::enableAddS;
    } else {
        return;
    }
    // The groups of a page behave as radio buttons: exactly one stays checked.
    if (checked) {
        for (int i = 0; i < count; ++i) {
            if (i != index)
                groups[i]->setChecked(false);
        }
    } else {
        groups[(index + 1) % count]->setChecked(true);
    }
    (this->*enableRule)();
}

void StereonGUI::setIntersectTitle(const QString&) {}

void StereonGUI::resetIntersect() {
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectObject1Label), static_cast<QWidget*>(intersectObject1),
          static_cast<QWidget*>(intersectObject2Label), static_cast<QWidget*>(intersectObject2),
          static_cast<QWidget*>(computeIntersectButton)})
        widget->show();
    for (QWidget* widget :
         {static_cast<QWidget*>(intersectNameLabel), static_cast<QWidget*>(intersectName),
          static_cast<QWidget*>(intersectItem), static_cast<QWidget*>(addIntersectButton),
          static_cast<QWidget*>(resetIntersectButton)})
        widget->hide();
    intersectName->clear();
}

void StereonGUI::showObject(const QString&) {}

void StereonGUI::clickPointSet(bool set) {
    gridPicker->clickPointSet(set);
}

void StereonGUI::clickPointQ(qreal Q, bool r) {
    gridPicker->clickPointQ(Q, r);
}
