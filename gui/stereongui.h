// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/qtcatalogue.h"
#include "gui/settings.h"

#include <QKeySequence>
#include <QList>
#include <QTranslator>
#include <QWidget>

#include <vector>

class AnglePage;
class DistancePage;
class IntersectPage;
class LinePage;
class ListPage;
class ObjectListModel;
class OptionsPage;
class Page;
class PointPage;
class QToolButton;
class QVBoxLayout;
class SessionModel;
class SurfacePage;
class VectorPage;
class View3DPage;

// The main window's frame: menu buttons on both sides of a page area that shows one page at
// a time, the settings and the language. The pages and the list follow the session model.
class StereonGUI : public QWidget {
    Q_OBJECT
public:
    // Settings are kept in the program's directory (or the user's configuration folder when
    // that cannot be written); a non-empty `settingsFolder` puts them there instead.
    explicit StereonGUI(const QString& settingsFolder = QString(), QWidget* parent = nullptr);
    ~StereonGUI() override;

    SessionModel* session() const { return session_; }

public slots:
    void displayListMenu();
    void display3DMenu();
    void displayOptionsMenu();
    void displayPointMenu();
    void displayVectorMenu();
    void displayLineMenu();
    void displaySurfaceMenu();
    void displayIntersectMenu();
    void displayAngleMenu();
    void displayDistanceMenu();

    // The list page, with the object's entry unfolded and in view.
    void showObject(const QString& name);
    void changeLang(const QString& code);
    void saveSettings();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyStyleSheet();
    void buildFrame();
    void buildMenuButtons(QVBoxLayout* left, QVBoxLayout* right);
    void buildPages();
    void openStartSession();
    void showPage(int index);
    void languageChange();
    // The session's file name with the unsaved mark, in the title bar.
    void showTitle();
    // Installs the catalogues of a language; false (and none installed) when it has none.
    bool installLanguage(const QString& code);

    Settings settings;
    QTranslator translator;
    QtCatalogue qtCatalogue;
    SessionModel* session_;
    ObjectListModel* objects_;

    QVBoxLayout* menuLayout = nullptr;
    QList<QToolButton*> menuButtons;
    // In menu order: list, 3D, options, point, vector, line, surface, intersection, angle,
    // distance.
    QList<Page*> pages;
    ListPage* listPage = nullptr;
    View3DPage* view3DPage = nullptr;
    OptionsPage* optionsPage = nullptr;
};
