// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/sessionmodel.h"
#include "gui/stereongui.h"
#include "support/objectscript.h"
#include "widgets/checkgroup.h"
#include "widgets/objectitem.h"
#include "widgets/objectlist.h"
#include "widgets/objectroles.h"

// What the window tests use besides.
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWindow>

#include <memory>

// Files the objects of a script (see buildObjects) through the session, as the pages do.
inline bool buildIn(SessionModel& session, const QString& script) {
    for (const QString& command : script.split(';', Qt::SkipEmptyParts)) {
        const QString name = command.split(' ', Qt::SkipEmptyParts).value(1);
        if (!session.add(name, [&command](ObjectStore& s) { return buildObjects(s, command); }))
            return false;
    }
    return true;
}

// The menu's buttons, in the order of their keys F1 to F10.
inline const char* const menuButtons[] = {
    "listMenuButton",   "view3DMenuButton",  "optionsMenuButton", "pointMenuButton",
    "vectorMenuButton", "lineMenuButton",    "surfaceMenuButton", "intersectMenuButton",
    "angleMenuButton",  "distanceMenuButton"};

// A window whose settings file (English, by default) lives in a fresh folder.
struct WindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<StereonGUI> window;

    explicit WindowFixture(const QByteArray& settings = "en\n1\n") {
        QFile file(path("settings.cfg"));
        if (file.open(QIODevice::WriteOnly))
            file.write(settings);
        file.close();
        window = std::make_unique<StereonGUI>(dir.path());
        QCoreApplication::processEvents();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    SessionModel& session() const { return *window->session(); }

    bool build(const QString& script) { return buildIn(session(), script); }

    template <class T = QWidget> T* find(const QString& objectName) const {
        return window->findChild<T*>(objectName);
    }

    // What is wrong with the rows of the object list: each as tall as its text at least, none
    // over another.
    QString rowsProblem() const {
        const auto* list = find<ObjectList>("objectList");
        const int textHeight = QFontMetrics(list->font()).height();
        QRect previous;
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            const QRect rect = list->visualRect(list->model()->index(row, 0));
            if (rect.height() < textHeight)
                return QStringLiteral("row %1 is %2 pixels tall").arg(row).arg(rect.height());
            if (row > 0 && rect.top() <= previous.bottom())
                return QStringLiteral("rows %1 and %2 overlap").arg(row - 1).arg(row);
            previous = rect;
        }
        return QString();
    }
    void show(int page) const { find<QToolButton>(menuButtons[page])->click(); }
};

// A field's text replaced as the user would edit it: textEdited is emitted.
inline void type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    edit->insert(text);
}

// False when the combo does not offer the text.
inline bool choose(QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(combo->findText(text));
    return combo->currentIndex() >= 0;
}

// The texts of a model's rows in a role: a list's titles or names, a combo's items.
inline QStringList rows(const QAbstractItemModel* model, int role = Qt::DisplayRole) {
    QStringList texts;
    for (int i = 0; i < model->rowCount(); ++i)
        texts << model->index(i, 0).data(role).toString();
    return texts;
}
