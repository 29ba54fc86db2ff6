// The wiring of the window: every page's signals to their slots, the grids to each other and
// the return key from field to field.
#include "gui/stereongui.h"

#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"
#include "widgets/objectlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

void StereonGUI::connectPages() {
    using Slot = void (StereonGUI::*)();
    const Slot menuSlots[] = {
        &StereonGUI::displayListMenu,    &StereonGUI::display3DMenu,
        &StereonGUI::displayOptionsMenu, &StereonGUI::displayPointMenu,
        &StereonGUI::displayVectorMenu,  &StereonGUI::displayLineMenu,
        &StereonGUI::displaySurfaceMenu, &StereonGUI::displayIntersectMenu,
        &StereonGUI::displayAngleMenu,   &StereonGUI::displayDistanceMenu,
    };
    for (int i = 0; i < menuButtons.size(); ++i)
        connect(menuButtons[i], &QToolButton::clicked, this, menuSlots[i]);

    connect(objectList, &ObjectList::droppedFile, this,
            qOverload<const QString&>(&StereonGUI::loadFile));
    connect(loadButton, &QToolButton::clicked, this, qOverload<>(&StereonGUI::loadFile));
    connect(saveButton, &QToolButton::clicked, this, &StereonGUI::saveFile);
    connect(resetListButton, &QToolButton::clicked, this, qOverload<>(&StereonGUI::clearList));
    connect(showInWindowButton, &QToolButton::clicked, this, &StereonGUI::makeDrawer);
    connect(aboutQtButton, &QPushButton::clicked, this, &StereonGUI::showAboutQt);
    connect(languageCombo, &QComboBox::currentIndexChanged, this,
            [this] { changeLang(languageCombo->currentText()); });
    connect(loadLastCheck, &QCheckBox::toggled, this, &StereonGUI::saveSettings);

    connect(addPointButton, &QPushButton::clicked, this, &StereonGUI::addPoint);
    connect(addVectorButton, &QPushButton::clicked, this, &StereonGUI::addVector);
    connect(addLineButton, &QPushButton::clicked, this, &StereonGUI::addLine);
    connect(addSurfaceButton, &QPushButton::clicked, this, &StereonGUI::addSurface);
    connect(computeIntersectButton, &QPushButton::clicked, this, &StereonGUI::compIntersect);
    connect(addIntersectButton, &QPushButton::clicked, this, &StereonGUI::addIntersect);
    connect(resetIntersectButton, &QPushButton::clicked, this, &StereonGUI::resetIntersect);
    connect(computeAngleButton, &QPushButton::clicked, this, &StereonGUI::compAngle);
    connect(computeDistanceButton, &QPushButton::clicked, this, &StereonGUI::compDistance);

    for (const auto& options : {vectorOptions.data(), lineOptions.data()}) {
        for (int i = 0; i < 2; ++i)
            connect(options[i], qOverload<bool, int>(&CheckGroup::clicked), this,
                    &StereonGUI::disableGroups);
    }
    for (CheckGroup* group : surfaceOptions)
        connect(group, qOverload<bool, int>(&CheckGroup::clicked), this,
                &StereonGUI::disableGroups);

    for (QLineEdit* name : {pointName, vectorName, lineName, surfaceName})
        connect(name, &QLineEdit::textEdited, this, &StereonGUI::nameExists);
    connect(intersectName, &QLineEdit::textChanged, this, &StereonGUI::setIntersectTitle);
    connect(intersectName, &QLineEdit::textChanged, this, &StereonGUI::nameExists);

    for (QLineEdit* edit : {pointX, pointY, pointZ})
        connect(edit, &QLineEdit::textChanged, this, &StereonGUI::enableAddP);
    for (QLineEdit* edit : {vectorX, vectorY, vectorZ})
        connect(edit, &QLineEdit::textChanged, this, &StereonGUI::enableAddV);
    connect(surfaceD, &QLineEdit::textChanged, this, &StereonGUI::enableAddS);
    const std::pair<QList<QComboBox*>, void (StereonGUI::*)()> comboRules[] = {
        {{vectorPoint1, vectorPoint2}, &StereonGUI::enableAddV},
        {{linePoint1, linePoint2, linePoint, lineVector}, &StereonGUI::enableAddL},
        {{surfacePoint1, surfacePoint2, surfacePoint3, surfaceVector1, surfaceVector2,
          surfaceVectorsPoint, surfaceNormal, surfaceNormalOfPoint, surfaceNormalPoint},
         &StereonGUI::enableAddS},
        {{intersectObject1, intersectObject2}, &StereonGUI::enableAddI},
        {{angleObject1, angleObject2}, &StereonGUI::enableAddA},
        {{distanceObject1, distanceObject2}, &StereonGUI::enableAddD},
    };
    for (const auto& [combos, rule] : comboRules) {
        for (QComboBox* combo : combos)
            connect(combo, &QComboBox::currentIndexChanged, this, rule);
    }

    for (QLabel* alert : {pointAlert, vectorAlert, lineAlert, surfaceAlert, intersectAlert})
        connect(alert, &QLabel::linkActivated, this, &StereonGUI::showLinkedObject);
}

// The grids keep each other informed inside the picker; the window hears of picked
// points and zoom steps and writes the picked coordinates into the point fields.
void StereonGUI::connectGrids() {
    for (GridScene* grid : gridPicker->grids()) {
        connect(grid, &GridScene::pointSet, this, &StereonGUI::clickPointSet);
        connect(grid, &GridScene::changedQ, this, &StereonGUI::clickPointQ);
    }
    connect(gridPicker, &GridPicker::coordinatesChanged, this,
            [this](const QString& x, const QString& y, const QString& z) {
                pointX->setText(x);
                pointY->setText(y);
                pointZ->setText(z);
                enableAddP();
            });
    connect(resetPointButton, &QPushButton::clicked, gridPicker,
            [this] { gridPicker->reset(true); });
}

void StereonGUI::connectReturnKeys() {
    auto focusOn = [](QLineEdit* from, QWidget* to) {
        QObject::connect(from, &QLineEdit::returnPressed, to, [to] { to->setFocus(); });
    };
    auto command = [this](QLineEdit* from, void (StereonGUI::*slot)()) {
        connect(from, &QLineEdit::returnPressed, this, slot);
    };
    focusOn(pointName, pointX);
    focusOn(pointX, pointY);
    focusOn(pointY, pointZ);
    command(pointZ, &StereonGUI::addPoint);
    focusOn(pointZ, pointName);
    focusOn(vectorName, vectorX);
    focusOn(vectorX, vectorY);
    focusOn(vectorY, vectorZ);
    command(vectorZ, &StereonGUI::addVector);
    focusOn(vectorZ, vectorName);
    command(lineName, &StereonGUI::addLine);
    focusOn(lineName, lineName);
    // D is only enabled with option 3; otherwise the focus stays on the name.
    focusOn(surfaceName, surfaceName);
    focusOn(surfaceName, surfaceD);
    command(surfaceD, &StereonGUI::addSurface);
    focusOn(surfaceD, surfaceName);
}
