#pragma once

// Objects built by hand (without the construction operations) and file helpers for the
// session tests.

#include "geometry/line.h"
#include "geometry/objectstore.h"
#include "geometry/surface.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// Files a copy of object under name; null when the store refuses it.
template <class T>
T* add(ObjectStore& store, const std::string& name, const T& object, bool visible = true,
       std::vector<SpaceObject*> parents = {}) {
    auto p = std::make_unique<T>(object);
    p->name = name;
    p->visible = visible;
    p->parents = std::move(parents);
    T* raw = p.get();
    return store.insert(raw->type(), std::move(p)) ? raw : nullptr;
}

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
