// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "session/filestatus.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>

// The open session: its objects, whether they changed since the last save or load, and the
// file they came from. Every change of the objects goes through here and is announced by
// changed(), so whatever shows the session follows it without being told by hand.
class SessionModel : public QObject {
    Q_OBJECT
public:
    enum class Change {
        Added,      // names: the visible objects filed (hidden companions come with them)
        Visibility, // names: the objects shown or hidden
        Replaced    // everything: a load or a reset
    };
    Q_ENUM(Change)

    explicit SessionModel(QObject* parent = nullptr);

    const ObjectStore& store() const { return store_; }
    bool isModified() const { return modified_; }
    const QString& fileName() const { return fileName_; }

    // Runs a construction on the store; on success announces `name` as added.
    bool add(const QString& name, const std::function<bool(ObjectStore&)>& construct);
    void setVisible(const QString& name, bool visible);
    // Replaces the session by the file only when it was read whole.
    FileStatus load(const QString& fileName);
    // Writes the session, holding the file's lock so another writer cannot interleave.
    FileStatus save(const QString& fileName);
    void clear();

    static std::string storeName(const QString& name) { return name.toUtf8().toStdString(); }

signals:
    void changed(SessionModel::Change change, const QStringList& names);
    void modifiedChanged(bool modified);
    void fileNameChanged(const QString& fileName);

private:
    void setModified(bool modified);
    void setFileName(const QString& fileName);

    ObjectStore store_;
    bool modified_ = false;
    QString fileName_;
};
