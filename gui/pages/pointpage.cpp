// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pages/pointpage.h"

#include "geometry/construction.h"
#include "gui/pages/numberfield.h"
#include "gui/sessionmodel.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"

#include <QFormLayout>
#include <QGraphicsView>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

PointPage::PointPage(SessionModel* session, QWidget* parent)
    : Page(session, QT_TRANSLATE_NOOP("StereonGUI", "New Point"),
           QStringLiteral("background:peru;color:black;"), parent) {
    setObjectName(QStringLiteral("pointPage"));
    pointName = new QLineEdit(this);
    pointName->setObjectName(QStringLiteral("pointName"));
    setNameField(pointName, QLatin1Char('P'), NameFocus::WhenFilled);
    pointAlert = alertLabel(QStringLiteral("pointAlert"));
    pointX = numberEdit(QStringLiteral("pointX"));
    pointY = numberEdit(QStringLiteral("pointY"));
    pointZ = numberEdit(QStringLiteral("pointZ"));
    addPointButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Add Point"),
                                                QStringLiteral("addPointButton"));
    addPointButton->setEnabled(false);
    resetPointButton = captionButton<QPushButton>(QT_TRANSLATE_NOOP("StereonGUI", "Reset"),
                                                  QStringLiteral("resetPointButton"));

    auto* form = new QFormLayout;
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Name:")), pointName);
    form->addRow(pointAlert);
    form->addRow(captionLabel(QT_TRANSLATE_NOOP("StereonGUI", "Coordinates:")));
    form->addRow(QStringLiteral("X:"), pointX);
    form->addRow(QStringLiteral("Y:"), pointY);
    form->addRow(QStringLiteral("Z:"), pointZ);
    form->addRow(addPointButton);
    form->addRow(resetPointButton);

    gridPicker = new GridPicker(body());
    auto* layout = new QGridLayout(body());
    layout->addLayout(form, 0, 0);
    layout->addWidget(gridPicker->viewXY(), 0, 1);
    layout->addWidget(gridPicker->viewXZ(), 1, 0, Qt::AlignRight);
    layout->addWidget(gridPicker->viewYZ(), 1, 1, Qt::AlignLeft);

    // The grids keep each other informed inside the picker; a pick lands in the fields.
    for (GridScene* grid : gridPicker->grids()) {
        connect(grid, &GridScene::pointSet, gridPicker, &GridPicker::clickPointSet);
        connect(grid, &GridScene::changedQ, gridPicker, &GridPicker::clickPointQ);
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

    connect(pointName, &QLineEdit::textEdited, this, &PointPage::enableAddP);
    for (QLineEdit* edit : {pointX, pointY, pointZ})
        connect(edit, &QLineEdit::textChanged, this, &PointPage::enableAddP);
    connect(addPointButton, &QPushButton::clicked, this, &PointPage::addPoint);
    // Return walks name, X, Y, Z; on Z it adds the point and starts again at the name.
    connect(pointName, &QLineEdit::returnPressed, pointX, [this] { pointX->setFocus(); });
    connect(pointX, &QLineEdit::returnPressed, pointY, [this] { pointY->setFocus(); });
    connect(pointY, &QLineEdit::returnPressed, pointZ, [this] { pointZ->setFocus(); });
    connect(pointZ, &QLineEdit::returnPressed, this, [this] {
        addPoint();
        pointName->setFocus();
    });
}

QWidget* PointPage::focusTarget() {
    return pointName;
}

void PointPage::enableAddP() {
    const bool numbers = numberIn(pointX) && numberIn(pointY) && numberIn(pointZ);
    const bool clear = showAlert(pointAlert, nameProblem(pointName, true));
    addPointButton->setEnabled(numbers && clear);
}

void PointPage::addPoint() {
    // Return reaches here with incomplete input too.
    if (!addPointButton->isEnabled())
        return;
    const QString name = pointName->text();
    const double x = *numberIn(pointX);
    const double y = *numberIn(pointY);
    const double z = *numberIn(pointZ);
    const bool added = session()->add(name, [&](ObjectStore& store) {
        return createPoint(store, x, y, z, SessionModel::storeName(name));
    });
    if (!added) {
        tellFailed(pointAlert, QT_TRANSLATE_NOOP("StereonGUI", "Failed to add point."), nullptr);
        return;
    }
    for (QLineEdit* edit : {pointName, pointX, pointY, pointZ})
        edit->clear();
    gridPicker->reset(false);
    proposeName();
    tellAdded(pointAlert, QT_TRANSLATE_NOOP("StereonGUI", "Point %1 was added."), name);
}
