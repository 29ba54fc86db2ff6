#include "gui/stereongui.h"

#include "gui/openglavailable.h"
#include "view3d/glwidget.h"
#include "widgets/checkgroup.h"
#include "widgets/doublevalidator.h"
#include "widgets/gridpicker.h"
#include "widgets/gridscene.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFormLayout>
#include <QGraphicsView>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {

constexpr int menuIconSize = 40;

const char* const menuTexts[] = {
    QT_TRANSLATE_NOOP("StereonGUI", "List"),    QT_TRANSLATE_NOOP("StereonGUI", "3D"),
    QT_TRANSLATE_NOOP("StereonGUI", "Options"), QT_TRANSLATE_NOOP("StereonGUI", "Point"),
    QT_TRANSLATE_NOOP("StereonGUI", "Vector"),  QT_TRANSLATE_NOOP("StereonGUI", "Line"),
    QT_TRANSLATE_NOOP("StereonGUI", "Surface"), QT_TRANSLATE_NOOP("StereonGUI", "Intersection"),
    QT_TRANSLATE_NOOP("StereonGUI", "Angle"),   QT_TRANSLATE_NOOP("StereonGUI", "Distance"),
};

} // namespace

bool StereonGUI::hasOpenGL() {
    static const bool available = openGLAvailable();
    return available;
}

StereonGUI::StereonGUI(const QString& settingsFolder, QWidget* parent)
    : QWidget(parent),
      settings(settingsFolder.isEmpty() ? Settings::forApplication()
                                        : Settings(settingsFolder, settingsFolder)) {
    settings.read();

    setWindowTitle(QStringLiteral("Stereon"));
    setWindowIcon(QIcon(QStringLiteral(":/data/stereon.png")));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    move(10, 10);
    applyStyleSheet();

    validator = new DoubleValidator(-999999999.999, 999999999.999, 3, this);
    validator->setNotation(QDoubleValidator::StandardNotation);
    // The fields are read back with the C locale, so they are typed in it too.
    validator->setLocale(QLocale::c());
    objectStore = std::make_unique<ObjectStore>();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    buildFrame();
    selectStartLanguage();
    const bool translatorInstalled =
        translator.load(QStringLiteral(":/data/lang_%1").arg(settings.language));
    if (translatorInstalled)
        QCoreApplication::installTranslator(&translator);

    connectPages();
    connectGrids();
    connectReturnKeys();

    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const auto session = std::find_if(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.endsWith(QLatin1String(".zdr"), Qt::CaseSensitive);
    });
    const bool openedFromCommandLine = session != arguments.end() && loadSession(*session);
    // With a translator the language-change event sets the texts; without one, do it now.
    if (!translatorInstalled)
        languageChange();
    // A file named on the command line wins, even one whose objects are all hidden.
    if (!openedFromCommandLine && !settings.lastSession.isEmpty() && settings.loadLastSession &&
        QFile::exists(settings.lastSession))
        loadSession(settings.lastSession);

    modified = false;
    show();
    displaySurfaceMenu();
    displayPointMenu();
    displayListMenu();
}

StereonGUI::~StereonGUI() {
    saveSettings();
    clearList(true);
    objectStore.reset();
    // A detached 3D view is a window of its own and not among our children.
    if (glWidget && !glWidget->parent())
        delete glWidget;
}

void StereonGUI::applyStyleSheet() {
    QFile file(QStringLiteral(":/data/stylesheet.qss"));
    if (file.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromLatin1(file.readAll()));
}

void StereonGUI::buildFrame() {
    auto* top = new QGridLayout(this);
    top->setSpacing(0);

    logoLabel = new QLabel(this);
    logoLabel->setPixmap(QPixmap(QStringLiteral(":/data/logo.png")));
    top->addWidget(logoLabel, 0, 0, 1, 3, Qt::AlignLeft);

    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    buildMenuButtons(left, right);
    top->addLayout(left, 1, 0, Qt::AlignTop);
    top->addLayout(right, 1, 2, Qt::AlignTop);

    menuWidget = new QWidget(this);
    menuWidget->setObjectName(QStringLiteral("menuWidget"));
    menuLayout = new QVBoxLayout(menuWidget);
    menuLayout->setSpacing(0);
    top->addWidget(menuWidget, 1, 1);
    top->setRowStretch(1, 1);
    top->setColumnStretch(1, 1);

    buildListPage();
    build3DPage();
    buildOptionsPage();
    buildPointPage();
    buildVectorPage();
    buildLinePage();
    buildSurfacePage();
    buildIntersectPage();
    buildAnglePage();
    buildDistancePage();
    objectCombos = {vectorPoint1,     vectorPoint2,         linePoint1,         linePoint2,
                    linePoint,        lineVector,           surfacePoint1,      surfacePoint2,
                    surfacePoint3,    surfaceVector1,       surfaceVector2,     surfaceVectorsPoint,
                    surfaceNormal,    surfaceNormalOfPoint, surfaceNormalPoint, intersectObject1,
                    intersectObject2, angleObject1,         angleObject2,       distanceObject1,
                    distanceObject2};
}

void StereonGUI::buildMenuButtons(QVBoxLayout* left, QVBoxLayout* right) {
    left->addSpacing(15);
    right->addSpacing(15);
    for (int i = 0; i < 10; ++i) {
        auto* button = new QToolButton(this);
        button->setFixedWidth(85);
        button->setFont(QFont(QStringLiteral("Verdana"), 8));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(QStringLiteral(":/data/iconB%1.png").arg(i)));
        button->setIconSize(QSize(menuIconSize, menuIconSize));
        captions.push_back({button, menuTexts[i], "", QKeySequence(Qt::Key_F1 + i)});
        menuButtons.append(button);
        if (i < 3) {
            if (i == 2)
                left->addSpacing(50);
            left->addWidget(button);
        } else {
            button->setProperty("isRight", true);
            right->addWidget(button);
        }
    }
    left->addSpacing(15);
    right->addSpacing(15);
}

QLabel* StereonGUI::captionLabel(const char* source, const char* suffix) {
    auto* label = new QLabel(this);
    captions.push_back({label, source, suffix, QKeySequence()});
    return label;
}

QLabel* StereonGUI::titleLabel(const char* source, const QString& style) {
    QLabel* title = captionLabel(source);
    title->setProperty("menuLabel", true);
    title->setStyleSheet(style);
    return title;
}

QLabel* StereonGUI::alertLabel() {
    auto* alert = new QLabel(this);
    alert->setProperty("alert", true);
    alert->hide();
    return alert;
}

QLineEdit* StereonGUI::numberEdit() {
    auto* edit = new QLineEdit(this);
    edit->setValidator(validator);
    return edit;
}

QComboBox* StereonGUI::objectCombo() {
    return new QComboBox(this);
}

CheckGroup* StereonGUI::optionGroup(int index, const char* number, QFormLayout*& form) {
    auto* group = new CheckGroup(index, this);
    captions.push_back({group, QT_TR_NOOP("Option"), number, QKeySequence()});
    group->setChecked(index == 0);
    form = new QFormLayout(group);
    form->setContentsMargins(5, 5, 5, 5);
    return group;
}

QToolButton* StereonGUI::headerButton(const char* source, const QKeySequence& shortcut) {
    auto* button = new QToolButton(this);
    button->setProperty("isLabel", true);
    captions.push_back({button, source, "", shortcut});
    return button;
}

template <class Button> Button* StereonGUI::captionButton(const char* source) {
    auto* button = new Button(this);
    captions.push_back({button, source, "", QKeySequence()});
    return button;
}

QWidget* StereonGUI::addPage(QLabel* title) {
    auto* page = new QWidget(this);
    menuLayout->addWidget(title, 0);
    menuLayout->addWidget(page, 1);
    title->hide();
    page->hide();
    pageWidgets << title << page;
    return page;
}

void StereonGUI::buildListPage() {
    listTitle = titleLabel(QT_TR_NOOP("List of Objects"));
    loadButton = headerButton(QT_TR_NOOP("Load"), QKeySequence(Qt::CTRL | Qt::Key_L));
    saveButton = headerButton(QT_TR_NOOP("Save"), QKeySequence::Save);
    resetListButton = headerButton(QT_TR_NOOP("Reset"), QKeySequence(Qt::CTRL | Qt::Key_R));
    // Nothing to save or clear until the list has entries.
    saveButton->setEnabled(false);
    resetListButton->setEnabled(false);
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addWidget(listTitle, 1);
    header->addWidget(loadButton);
    header->addWidget(saveButton);
    header->addWidget(resetListButton);
    menuLayout->addLayout(header);

    objectList = new ObjectList(this);
    auto* content = new QWidget;
    content->setStyleSheet(QStringLiteral(".QWidget{background:white;}"));
    content->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    listLayout = new QVBoxLayout(content);
    objectList->setWidget(content);
    objectList->setWidgetResizable(true);
    menuLayout->addWidget(objectList, 1);

    for (QWidget* widget :
         {static_cast<QWidget*>(listTitle), static_cast<QWidget*>(loadButton),
          static_cast<QWidget*>(saveButton), static_cast<QWidget*>(resetListButton),
          static_cast<QWidget*>(objectList)}) {
        widget->hide();
        pageWidgets << widget;
    }
    pages[0] = {{listTitle, loadButton, saveButton, resetListButton, objectList}, objectList};
}

void StereonGUI::build3DPage() {
    const QString black = QStringLiteral("background:black;");
    view3DTitle = titleLabel(QT_TR_NOOP("3D Demonstration"), black);
    showInWindowButton =
        headerButton(QT_TR_NOOP("Show in Window"), QKeySequence(Qt::CTRL | Qt::Key_I));
    showInWindowButton->setStyleSheet(black);
    auto* header = new QHBoxLayout;
    header->setSpacing(0);
    header->addWidget(view3DTitle, 1);
    header->addWidget(showInWindowButton);
    menuLayout->addLayout(header);
    view3DTitle->hide();
    showInWindowButton->hide();
    pageWidgets << view3DTitle << showInWindowButton;

    QWidget* focus = nullptr;
    if (hasOpenGL()) {
        // Without a parent, so that it can become a window of its own.
        glWidget = new GLWidget;
        glWidget->setWindowIcon(windowIcon());
        glWidget->setStore(objectStore.get());
        glWidget->hide();
        menuLayout->addWidget(glWidget, 1);
        focus = glWidget;
    } else {
        noViewLabel = new QLabel(this);
        noViewLabel->setAlignment(Qt::AlignCenter);
        noViewLabel->setWordWrap(true);
        noViewLabel->hide();
        menuLayout->addWidget(noViewLabel, 1);
        pageWidgets << noViewLabel;
        focus = noViewLabel;
    }
    pages[1] = {{view3DTitle, showInWindowButton}, focus};
    if (noViewLabel)
        pages[1].shown << noViewLabel;
}

void StereonGUI::buildOptionsPage() {
    QLabel* title = titleLabel(QT_TR_NOOP("Options"));
    optionsPage = addPage(title);
    pages[2] = {{title, optionsPage}, optionsPage};

    auto* about = new QGridLayout;
    auto* icon = new QLabel(optionsPage);
    icon->setPixmap(QPixmap(QStringLiteral(":/data/stereon.png"))
                        .scaled(100, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    about->addWidget(icon, 0, 0);
    auto* product = new QLabel(QStringLiteral("Stereon\nRC"), optionsPage);
    product->setAlignment(Qt::AlignCenter);
    product->setStyleSheet(QStringLiteral("font-weight:bold;font-size:17pt;"));
    about->addWidget(product, 0, 1, Qt::AlignLeft);
    aboutQtButton = captionButton<QPushButton>(QT_TR_NOOP("About Qt"));
    about->addWidget(aboutQtButton, 1, 0);
    const QString small = QStringLiteral("font-size:10pt;");
    auto* credit = new QLabel(QStringLiteral("\u00a9 2026 the Stereon developers"), optionsPage);
    credit->setStyleSheet(small);
    about->addWidget(credit, 1, 1);
    QLabel* openSource =
        captionLabel(QT_TR_NOOP("This program uses open source icons and Qt Framework"));
    openSource->setStyleSheet(small);
    about->addWidget(openSource, 2, 1);
    about->setColumnStretch(1, 1);

    auto* rule = new QFrame(optionsPage);
    rule->setFrameShape(QFrame::HLine);
    rule->setStyleSheet(QStringLiteral("color:#676767"));

    auto* form = new QFormLayout;
    languageCombo = new QComboBox(optionsPage);
    languageCombo->addItems({QString(), QString(), QString()});
    form->addRow(captionLabel(QT_TR_NOOP("Language:")), languageCombo);
    loadLastCheck = captionButton<QCheckBox>(QT_TR_NOOP("Load last session on startup"));
    loadLastCheck->setChecked(settings.loadLastSession);
    form->addRow(loadLastCheck);

    auto* layout = new QVBoxLayout(optionsPage);
    layout->addLayout(about);
    layout->addWidget(rule);
    layout->addLayout(form, 1);
}

void StereonGUI::buildPointPage() {
    QLabel* title =
        titleLabel(QT_TR_NOOP("New Point"), QStringLiteral("background:peru;color:black;"));
    pointPage = addPage(title);

    pointName = new QLineEdit(pointPage);
    pointAlert = alertLabel();
    pointX = numberEdit();
    pointY = numberEdit();
    pointZ = numberEdit();
    addPointButton = captionButton<QPushButton>(QT_TR_NOOP("Add Point"));
    addPointButton->setEnabled(false);
    resetPointButton = captionButton<QPushButton>(QT_TR_NOOP("Reset"));

    auto* form = new QFormLayout;
    form->addRow(captionLabel(QT_TR_NOOP("Name:")), pointName);
    form->addRow(pointAlert);
    form->addRow(captionLabel(QT_TR_NOOP("Coordinates:")));
    form->addRow(QStringLiteral("X:"), pointX);
    form->addRow(QStringLiteral("Y:"), pointY);
    form->addRow(QStringLiteral("Z:"), pointZ);
    form->addRow(addPointButton);
    form->addRow(resetPointButton);

    gridPicker = new GridPicker(pointPage);
    gridXY = gridPicker->gridXY();
    gridXZ = gridPicker->gridXZ();
    gridYZ = gridPicker->gridYZ();

    auto* layout = new QGridLayout(pointPage);
    layout->addLayout(form, 0, 0);
    layout->addWidget(gridPicker->viewXY(), 0, 1);
    layout->addWidget(gridPicker->viewXZ(), 1, 0, Qt::AlignRight);
    layout->addWidget(gridPicker->viewYZ(), 1, 1, Qt::AlignLeft);
    pages[3] = {{title, pointPage}, pointName};
}

void StereonGUI::buildVectorPage() {
    QLabel* title =
        titleLabel(QT_TR_NOOP("New Vector"), QStringLiteral("background:tomato;color:black;"));
    vectorPage = addPage(title);
    vectorName = new QLineEdit(vectorPage);
    vectorAlert = alertLabel();

    QFormLayout* byCoordinates = nullptr;
    vectorOptions[0] = optionGroup(0, " 1", byCoordinates);
    vectorX = numberEdit();
    vectorY = numberEdit();
    vectorZ = numberEdit();
    byCoordinates->addRow(captionLabel(QT_TR_NOOP("Coordinates:")));
    byCoordinates->addRow(QStringLiteral("X:"), vectorX);
    byCoordinates->addRow(QStringLiteral("Y:"), vectorY);
    byCoordinates->addRow(QStringLiteral("Z:"), vectorZ);

    QFormLayout* byPoints = nullptr;
    vectorOptions[1] = optionGroup(1, " 2", byPoints);
    vectorPoint1 = objectCombo();
    vectorPoint2 = objectCombo();
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 1:"), vectorPoint1);
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 2:"), vectorPoint2);

    addVectorButton = captionButton<QPushButton>(QT_TR_NOOP("Add Vector"));
    addVectorButton->setEnabled(false);

    auto* form = new QFormLayout(vectorPage);
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TR_NOOP("Name:")), vectorName);
    form->addRow(vectorAlert);
    form->addRow(vectorOptions[0]);
    form->addRow(vectorOptions[1]);
    form->addRow(addVectorButton);
    pages[4] = {{title, vectorPage}, vectorName};
}

void StereonGUI::buildLinePage() {
    QLabel* title =
        titleLabel(QT_TR_NOOP("New Line"), QStringLiteral("background:deepskyblue;color:black;"));
    linePage = addPage(title);
    lineName = new QLineEdit(linePage);
    lineAlert = alertLabel();

    QFormLayout* byPoints = nullptr;
    lineOptions[0] = optionGroup(0, " 1", byPoints);
    linePoint1 = objectCombo();
    linePoint2 = objectCombo();
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 1:"), linePoint1);
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 2:"), linePoint2);

    QFormLayout* byVector = nullptr;
    lineOptions[1] = optionGroup(1, " 2", byVector);
    linePoint = objectCombo();
    lineVector = objectCombo();
    byVector->addRow(captionLabel(QT_TR_NOOP("Point"), ":"), linePoint);
    byVector->addRow(captionLabel(QT_TR_NOOP("Vector"), ":"), lineVector);

    addLineButton = captionButton<QPushButton>(QT_TR_NOOP("Add Line"));
    addLineButton->setEnabled(false);

    auto* form = new QFormLayout(linePage);
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TR_NOOP("Name:")), lineName);
    form->addRow(lineAlert);
    form->addRow(lineOptions[0]);
    form->addRow(lineOptions[1]);
    form->addRow(addLineButton);
    pages[5] = {{title, linePage}, nullptr};
}

void StereonGUI::buildSurfacePage() {
    QLabel* title =
        titleLabel(QT_TR_NOOP("New Surface"), QStringLiteral("background:limegreen;color:black;"));
    surfacePage = addPage(title);
    surfaceName = new QLineEdit(surfacePage);
    surfaceAlert = alertLabel();

    QFormLayout* byPoints = nullptr;
    surfaceOptions[0] = optionGroup(0, " 1", byPoints);
    surfacePoint1 = objectCombo();
    surfacePoint2 = objectCombo();
    surfacePoint3 = objectCombo();
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 1:"), surfacePoint1);
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 2:"), surfacePoint2);
    byPoints->addRow(captionLabel(QT_TR_NOOP("Point"), " 3:"), surfacePoint3);

    QFormLayout* byVectors = nullptr;
    surfaceOptions[1] = optionGroup(1, " 2", byVectors);
    surfaceVector1 = objectCombo();
    surfaceVector2 = objectCombo();
    surfaceVectorsPoint = objectCombo();
    byVectors->addRow(captionLabel(QT_TR_NOOP("Vector"), " 1:"), surfaceVector1);
    byVectors->addRow(captionLabel(QT_TR_NOOP("Vector"), " 2:"), surfaceVector2);
    byVectors->addRow(captionLabel(QT_TR_NOOP("Point"), ":"), surfaceVectorsPoint);

    QFormLayout* byEquation = nullptr;
    surfaceOptions[2] = optionGroup(2, " 3", byEquation);
    surfaceNormal = objectCombo();
    surfaceD = numberEdit();
    byEquation->addRow(captionLabel(QT_TR_NOOP("Normal Vector"), ":"), surfaceNormal);
    byEquation->addRow(QStringLiteral("D:"), surfaceD);

    QFormLayout* byNormal = nullptr;
    surfaceOptions[3] = optionGroup(3, " 4", byNormal);
    surfaceNormalOfPoint = objectCombo();
    surfaceNormalPoint = objectCombo();
    byNormal->addRow(captionLabel(QT_TR_NOOP("Normal Vector"), ":"), surfaceNormalOfPoint);
    byNormal->addRow(captionLabel(QT_TR_NOOP("Point"), ":"), surfaceNormalPoint);

    addSurfaceButton = captionButton<QPushButton>(QT_TR_NOOP("Add Surface"));
    addSurfaceButton->setEnabled(false);

    auto* form = new QFormLayout(surfacePage);
    form->setSpacing(10);
    form->addRow(captionLabel(QT_TR_NOOP("Name:")), surfaceName);
    form->addRow(surfaceAlert);
    for (CheckGroup* group : surfaceOptions)
        form->addRow(group);
    form->addRow(addSurfaceButton);
    pages[6] = {{title, surfacePage}, nullptr};
}

void StereonGUI::buildIntersectPage() {
    QLabel* title = titleLabel(QT_TR_NOOP("Compute Intersection"));
    intersectPage = addPage(title);
    intersectAlert = alertLabel();
    intersectObject1 = objectCombo();
    intersectObject2 = objectCombo();
    intersectObject1Label = captionLabel(QT_TR_NOOP("Object"), " 1:");
    intersectObject2Label = captionLabel(QT_TR_NOOP("Object"), " 2:");
    computeIntersectButton = captionButton<QPushButton>(QT_TR_NOOP("Compute Intersection"));
    computeIntersectButton->setEnabled(false);
    intersectNameLabel = captionLabel(QT_TR_NOOP("Name:"));
    intersectName = new QLineEdit(intersectPage);
    intersectItem = new ObjectItem(QString(), QString(), -1, intersectPage);
    // Its text comes with the first result.
    addIntersectButton = new QPushButton(intersectPage);
    resetIntersectButton = captionButton<QPushButton>(QT_TR_NOOP("Reset"));

    auto* form = new QFormLayout(intersectPage);
    form->addRow(intersectAlert);
    form->addRow(intersectObject1Label, intersectObject1);
    form->addRow(intersectObject2Label, intersectObject2);
    form->addRow(computeIntersectButton);
    form->addRow(intersectNameLabel, intersectName);
    form->addRow(intersectItem);
    form->addRow(addIntersectButton);
    form->addRow(resetIntersectButton);
    resetIntersect();
    pages[7] = {{title, intersectPage}, intersectPage};
}

void StereonGUI::buildAnglePage() {
    QLabel* title = titleLabel(QT_TR_NOOP("Compute Angle"));
    anglePage = addPage(title);
    angleAlert = alertLabel();
    angleObject1 = objectCombo();
    angleObject2 = objectCombo();
    angleResult = new QLabel(anglePage);
    angleResult->hide();
    computeAngleButton = captionButton<QPushButton>(QT_TR_NOOP("Compute Angle"));
    computeAngleButton->setEnabled(false);

    auto* form = new QFormLayout(anglePage);
    form->addRow(angleAlert);
    form->addRow(captionLabel(QT_TR_NOOP("Object"), " 1:"), angleObject1);
    form->addRow(captionLabel(QT_TR_NOOP("Object"), " 2:"), angleObject2);
    form->addRow(angleResult);
    form->addRow(computeAngleButton);
    pages[8] = {{title, anglePage}, anglePage};
}

void StereonGUI::buildDistancePage() {
    QLabel* title = titleLabel(QT_TR_NOOP("Compute Distance"));
    distancePage = addPage(title);
    distanceAlert = alertLabel();
    distanceObject1 = objectCombo();
    distanceObject2 = objectCombo();
    distanceResult = new QLabel(distancePage);
    distanceResult->hide();
    computeDistanceButton = captionButton<QPushButton>(QT_TR_NOOP("Compute Distance"));
    computeDistanceButton->setEnabled(false);

    auto* form = new QFormLayout(distancePage);
    form->addRow(distanceAlert);
    form->addRow(captionLabel(QT_TR_NOOP("Object"), " 1:"), distanceObject1);
    form->addRow(captionLabel(QT_TR_NOOP("Object"), " 2:"), distanceObject2);
    form->addRow(distanceResult);
    form->addRow(computeDistanceButton);
    pages[9] = {{title, distancePage}, distancePage};
}
