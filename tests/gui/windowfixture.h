#pragma once

#include "gui/stereongui.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

// A window in English whose settings live in a fresh folder.
struct WindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<StereonGUI> window;

    WindowFixture() {
        QFile file(dir.filePath(QStringLiteral("settings.cfg")));
        if (file.open(QIODevice::WriteOnly))
            file.write("en\n1\n");
        file.close();
        window = std::make_unique<StereonGUI>(dir.path());
        QCoreApplication::processEvents();
    }
};
