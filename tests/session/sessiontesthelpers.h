// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// File helpers for the session tests.

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"
#include "support/objectscript.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What writeSession puts into a file for this store.
inline QByteArray saved(const ObjectStore& store) {
    QTemporaryDir dir;
    const QString file = dir.filePath("s.zdr");
    return writeSession(store, file.toStdString()) ? readBytes(file) : "(save failed)";
}

// Reads text as a session file into store.
inline bool load(ObjectStore& store, const QByteArray& text) {
    QTemporaryDir dir;
    const QString file = dir.filePath("s.zdr");
    if (!writeBytes(file, text))
        qFatal("cannot write the test file");
    return readSession(store, file.toStdString()).ok();
}
