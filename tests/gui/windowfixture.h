#pragma once

#include "geometry/construction.h"
#include "gui/stereongui.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <memory>

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

    // Files the objects of a script of ";"-separated commands "kind name operands" in the
    // window's store, then rebuilds the list. P and V take coordinates, L two operands, S
    // three (points, or two vectors and a point), N a point and a normal, E a normal and d.
    // False on a refusal. The store is passed in: only the test classes may reach it.
    bool build(ObjectStore& store, const QString& script) {
        for (const QString& command : script.split(';')) {
            const QStringList w = command.split(' ', Qt::SkipEmptyParts);
            const auto s = [&w](int i) { return w.value(i).toStdString(); };
            const auto n = [&w](int i) { return w.value(i).toDouble(); };
            const QString kind = w.value(0);
            const bool filed = kind == "P"   ? createPoint(store, n(2), n(3), n(4), s(1))
                               : kind == "V" ? createVector(store, n(2), n(3), n(4), s(1))
                               : kind == "L" ? createLine(store, s(2), s(3), s(1))
                               : kind == "S" ? createSurfaceFromThree(store, s(2), s(3), s(4), s(1))
                               : kind == "N"
                                   ? createSurfaceFromPointAndNormal(store, s(2), s(3), s(1))
                                   : createSurfaceFromEquation(store, s(2), n(3), s(1));
            if (!filed)
                return false;
        }
        window->rebuildList();
        return true;
    }
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

inline QStringList itemTexts(const QComboBox* combo) {
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    return texts;
}
