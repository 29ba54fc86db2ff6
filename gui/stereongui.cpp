// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/stereongui.h"

#include "gui/objectlistmodel.h"
#include "gui/pages/anglepage.h"
#include "gui/pages/distancepage.h"
#include "gui/pages/intersectpage.h"
#include "gui/pages/linepage.h"
#include "gui/pages/listpage.h"
#include "gui/pages/optionspage.h"
#include "gui/pages/pointpage.h"
#include "gui/pages/surfacepage.h"
#include "gui/pages/vectorpage.h"
#include "gui/pages/view3dpage.h"
#include "gui/pickermodel.h"
#include "gui/sessionmodel.h"
#include "view3d/glwidget.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int menuIconSize = 40;

const char* const menuTexts[] = {
    QT_TRANSLATE_NOOP("StereonGUI", "List"),    QT_TRANSLATE_NOOP("StereonGUI", "3D"),
    QT_TRANSLATE_NOOP("StereonGUI", "Options"), QT_TRANSLATE_NOOP("StereonGUI", "Point"),
    QT_TRANSLATE_NOOP("StereonGUI", "Vector"),  QT_TRANSLATE_NOOP("StereonGUI", "Line"),
    QT_TRANSLATE_NOOP("StereonGUI", "Surface"), QT_TRANSLATE_NOOP("StereonGUI", "Intersection"),
    QT_TRANSLATE_NOOP("StereonGUI", "Angle"),   QT_TRANSLATE_NOOP("StereonGUI", "Distance"),
};

const char* const menuNames[] = {
    "listMenuButton",   "view3DMenuButton",   "optionsMenuButton", "pointMenuButton",
    "vectorMenuButton", "lineMenuButton",     "surfaceMenuButton", "intersectMenuButton",
    "angleMenuButton",  "distanceMenuButton",
};

} // namespace

StereonGUI::StereonGUI(const QString& settingsFolder, QWidget* parent)
    : QWidget(parent),
      settings(settingsFolder.isEmpty() ? Settings::forApplication()
                                        : Settings(settingsFolder, settingsFolder)),
      session_(new SessionModel(this)), objects_(new ObjectListModel(session_, this)) {
    settings.read();

    setWindowIcon(QIcon(QStringLiteral(":/data/stereon.png")));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    move(10, 10);
    applyStyleSheet();
    buildFrame();

    optionsPage->showSettings(settings.language, settings.loadLastSession, settings.showNames);
    view3DPage->setNamesShown(settings.showNames);
    if (!installLanguage(settings.language))
        languageChange();

    connect(session_, &SessionModel::fileNameChanged, this, [this](const QString& fileName) {
        settings.lastSession = fileName;
        showTitle();
    });
    connect(session_, &SessionModel::modifiedChanged, this, &QWidget::setWindowModified);
    openStartSession();
    // The session the window opens with is where the history starts.
    session_->undoStack()->clear();
    show();
    displayListMenu();
    // The window opens as large as its largest page asks, as far as the screen allows; on a
    // smaller screen that page scrolls.
    QSize pageHint;
    for (Page* page : std::as_const(pages)) {
        // A hidden page has not met the style sheet yet, which sets its fonts.
        page->ensurePolished();
        pageHint = pageHint.expandedTo(page->sizeHint());
    }
    QSize size = this->size() + (pageHint - listPage->size()).expandedTo(QSize(0, 0));
    if (const QScreen* screen = this->screen()) {
        const QRect free = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - this->size();
        size = size.boundedTo(free.size() - frame -
                              QSize(pos().x() - free.x(), pos().y() - free.y()));
    }
    resize(size);
}

StereonGUI::~StereonGUI() {
    saveSettings();
    // Pages go before the models they show.
    qDeleteAll(pages);
}

void StereonGUI::openStartSession() {
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    const auto named = std::find_if(arguments.begin(), arguments.end(), [](const QString& a) {
        return a.endsWith(QLatin1String(".zdr"), Qt::CaseSensitive);
    });
    // A file named on the command line wins, even one whose objects are all hidden.
    if (named != arguments.end() && listPage->loadSession(*named))
        return;
    if (!settings.lastSession.isEmpty() && settings.loadLastSession &&
        QFile::exists(settings.lastSession))
        listPage->loadSession(settings.lastSession);
}

void StereonGUI::applyStyleSheet() {
    QFile file(QStringLiteral(":/data/stylesheet.qss"));
    if (file.open(QIODevice::ReadOnly))
        setStyleSheet(QString::fromLatin1(file.readAll()));
}

void StereonGUI::buildFrame() {
    auto* top = new QGridLayout(this);
    top->setSpacing(0);

    auto* logo = new QLabel(this);
    logo->setPixmap(QPixmap(QStringLiteral(":/data/logo.png")));
    top->addWidget(logo, 0, 0, 1, 3, Qt::AlignLeft);

    auto* left = new QVBoxLayout;
    auto* right = new QVBoxLayout;
    buildMenuButtons(left, right);
    top->addLayout(left, 1, 0, Qt::AlignTop);
    top->addLayout(right, 1, 2, Qt::AlignTop);

    auto* menuWidget = new QWidget(this);
    menuWidget->setObjectName(QStringLiteral("menuWidget"));
    menuLayout = new QVBoxLayout(menuWidget);
    menuLayout->setSpacing(0);
    top->addWidget(menuWidget, 1, 1);
    top->setRowStretch(1, 1);
    top->setColumnStretch(1, 1);
    buildPages();
}

void StereonGUI::buildMenuButtons(QVBoxLayout* left, QVBoxLayout* right) {
    left->addSpacing(15);
    right->addSpacing(15);
    using Slot = void (StereonGUI::*)();
    const Slot menuSlots[] = {
        &StereonGUI::displayListMenu,    &StereonGUI::display3DMenu,
        &StereonGUI::displayOptionsMenu, &StereonGUI::displayPointMenu,
        &StereonGUI::displayVectorMenu,  &StereonGUI::displayLineMenu,
        &StereonGUI::displaySurfaceMenu, &StereonGUI::displayIntersectMenu,
        &StereonGUI::displayAngleMenu,   &StereonGUI::displayDistanceMenu,
    };
    for (int i = 0; i < 10; ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(menuNames[i]));
        button->setFixedWidth(85);
        button->setFont(QFont(QStringLiteral("Verdana"), 8));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setIcon(QIcon(QStringLiteral(":/data/iconB%1.png").arg(i)));
        button->setIconSize(QSize(menuIconSize, menuIconSize));
        connect(button, &QToolButton::clicked, this, menuSlots[i]);
        // A shortcut of its own, not the button's: a button's key animates a click first,
        // which holds the page back for a tenth of a second.
        connect(new QShortcut(QKeySequence(Qt::Key_F1 + i), this), &QShortcut::activated, this,
                menuSlots[i]);
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

void StereonGUI::buildPages() {
    using Label = PickerModel::Label;
    auto* points = new PickerModel(objects_, {Kind::Point}, Label::Name, this);
    auto* vectors = new PickerModel(objects_, {Kind::Vector}, Label::Name, this);
    auto* pointsLinesPlanes =
        new PickerModel(objects_, {Kind::Point, Kind::Line, Kind::Plane}, Label::KindAndName, this);
    auto* vectorsLinesPlanes = new PickerModel(objects_, {Kind::Vector, Kind::Line, Kind::Plane},
                                               Label::KindAndName, this);

    listPage = new ListPage(session_, objects_);
    view3DPage = new View3DPage(session_);
    optionsPage = new OptionsPage(session_);
    pages = {listPage,
             view3DPage,
             optionsPage,
             new PointPage(session_),
             new VectorPage(session_, points),
             new LinePage(session_, points, vectors),
             new SurfacePage(session_, points, vectors),
             new IntersectPage(session_, pointsLinesPlanes),
             new AnglePage(session_, vectorsLinesPlanes),
             new DistancePage(session_, pointsLinesPlanes)};
    listPage->addKeysTo(this);
    for (Page* page : std::as_const(pages)) {
        page->hide();
        menuLayout->addWidget(page, 1);
        connect(page, &Page::showObjectRequested, this, &StereonGUI::showObject);
    }
    // Undo and redo from every page; a text field keeps the keys for its own text.
    QUndoStack* history = session_->undoStack();
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, history,
            &QUndoStack::undo);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)})
        connect(new QShortcut(keys, this), &QShortcut::activated, history, &QUndoStack::redo);
    connect(view3DPage, &View3DPage::detached, this, &StereonGUI::displayListMenu);
    connect(optionsPage, &OptionsPage::languageChosen, this, &StereonGUI::changeLang);
    connect(optionsPage, &OptionsPage::loadLastToggled, this, [this](bool loadLast) {
        settings.loadLastSession = loadLast;
        saveSettings();
    });
    connect(optionsPage, &OptionsPage::namesToggled, this, [this](bool shown) {
        settings.showNames = shown;
        saveSettings();
        view3DPage->setNamesShown(shown);
    });
}

void StereonGUI::showPage(int index) {
    for (int i = 0; i < pages.size(); ++i) {
        if (i != index)
            pages[i]->hide();
    }
    pages[index]->show();
    if (QWidget* focus = pages[index]->focusTarget())
        focus->setFocus(Qt::OtherFocusReason);
    // Last: a page that hides with the focus in it can lift the button again.
    for (int i = 0; i < menuButtons.size(); ++i)
        menuButtons[i]->setDown(i == index);
}

void StereonGUI::displayListMenu() {
    showPage(0);
}

void StereonGUI::display3DMenu() {
    showPage(1);
}

void StereonGUI::displayOptionsMenu() {
    showPage(2);
}

void StereonGUI::displayPointMenu() {
    showPage(3);
}

void StereonGUI::displayVectorMenu() {
    showPage(4);
}

void StereonGUI::displayLineMenu() {
    showPage(5);
}

void StereonGUI::displaySurfaceMenu() {
    showPage(6);
}

void StereonGUI::displayIntersectMenu() {
    showPage(7);
}

void StereonGUI::displayAngleMenu() {
    showPage(8);
}

void StereonGUI::displayDistanceMenu() {
    showPage(9);
}

void StereonGUI::showObject(const QString& name) {
    displayListMenu();
    listPage->showObject(name);
}

void StereonGUI::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        languageChange();
    QWidget::changeEvent(event);
}

void StereonGUI::languageChange() {
    for (int i = 0; i < menuButtons.size(); ++i)
        menuButtons[i]->setText(tr(menuTexts[i]));
    objects_->retranslate();
    showTitle();
}

void StereonGUI::showTitle() {
    // "[*]" shows the unsaved mark while the window is modified.
    const QString& fileName = session_->fileName();
    setWindowFilePath(fileName);
    setWindowTitle(QStringLiteral("%1[*] - Stereon")
                       .arg(fileName.isEmpty() ? tr("Untitled") : QFileInfo(fileName).fileName()));
}

bool StereonGUI::installLanguage(const QString& code) {
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::removeTranslator(&qtCatalogue);
    if (!translator.load(QStringLiteral(":/data/lang_%1").arg(code)))
        return false;
    if (qtCatalogue.loadLanguage(code))
        QCoreApplication::installTranslator(&qtCatalogue);
    QCoreApplication::installTranslator(&translator);
    return true;
}

void StereonGUI::changeLang(const QString& code) {
    if (code == settings.language)
        return;
    if (installLanguage(code) || code == QLatin1String("en"))
        settings.language = code;
    else
        installLanguage(settings.language);
}

void StereonGUI::saveSettings() {
    settings.write();
}

void StereonGUI::closeEvent(QCloseEvent* event) {
    if (!listPage->offerToSave(tr("Exit"))) {
        event->ignore();
        return;
    }
    // A detached view is a window of its own and would outlive the main window.
    if (GLWidget* view = view3DPage->view(); view && !view->parent())
        view->close();
    QWidget::closeEvent(event);
}
