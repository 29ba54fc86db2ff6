// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sessionmodel.h"

#include "session/sessionlock.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QFile>

namespace {

std::string localPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

} // namespace

SessionModel::SessionModel(QObject* parent) : QObject(parent) {}

bool SessionModel::add(const QString& name, const std::function<bool(ObjectStore&)>& construct) {
    if (!construct(store_))
        return false;
    setModified(true);
    emit changed(Change::Added, {name});
    return true;
}

void SessionModel::setVisible(const QString& name, bool visible) {
    SpaceObject* object = store_.find(storeName(name));
    if (!object || object->visible == visible)
        return;
    store_.setVisible(storeName(name), visible);
    setModified(true);
    emit changed(Change::Visibility, {name});
}

FileStatus SessionModel::load(const QString& fileName) {
    // The reader fills a fresh store, so a failed read leaves this one untouched; the swap
    // keeps the store's address for those that draw from it.
    ObjectStore loaded;
    const FileStatus status = readSession(loaded, localPath(fileName));
    if (!status)
        return status;
    store_.swap(loaded);
    setModified(false);
    setFileName(fileName);
    emit changed(Change::Replaced, {});
    return status;
}

FileStatus SessionModel::save(const QString& fileName) {
    SessionLock lock;
    FileStatus status = lock.acquire(localPath(fileName));
    if (status)
        status = writeSession(store_, localPath(fileName));
    if (!status)
        return status;
    setModified(false);
    setFileName(fileName);
    return status;
}

void SessionModel::clear() {
    store_.clear();
    setModified(false);
    setFileName(QString());
    emit changed(Change::Replaced, {});
}

void SessionModel::setModified(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void SessionModel::setFileName(const QString& fileName) {
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}
