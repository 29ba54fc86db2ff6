// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/objectstore.h"
#include "session/filestatus.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <QUndoStack>

#include <functional>
#include <string>

// The open session: its objects, whether they changed since the last save or load, and the
// file they came from. Every change of the objects goes through here, can be undone, and is
// announced by changed(), so whatever shows the session follows it without being told.
class SessionModel : public QObject {
    Q_OBJECT
public:
    enum class Change {
        Added,      // names: the objects filed or brought back
        Removed,    // names: the objects taken out
        Visibility, // names: the objects shown or hidden
        Replaced    // everything: a load or a reset
    };
    Q_ENUM(Change)

    explicit SessionModel(QObject* parent = nullptr);
    ~SessionModel() override;

    const ObjectStore& store() const { return store_; }
    // Unsaved changes: the undo history is away from where the session was saved or loaded.
    bool isModified() const { return !undoStack_.isClean(); }
    const QString& fileName() const { return fileName_; }
    QUndoStack* undoStack() { return &undoStack_; }

    // Runs a construction on the store; on success announces what it filed.
    bool add(const QString& name, const std::function<bool(ObjectStore&)>& construct);
    void setVisible(const QString& name, bool visible);
    // The objects built from the named one, which a delete takes with it.
    QStringList dependentsOf(const QString& name) const;
    // Deletes the object with its dependents and the hidden companions nothing else uses.
    bool remove(const QString& name);
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
    // The undoable changes; each keeps what it took out of the store.
    class Filing;
    class Visibility;
    class Replacement;

    void setFileName(const QString& fileName);

    ObjectStore store_;
    QString fileName_;
    QUndoStack undoStack_;
};
