// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/sessionmodel.h"

#include "geometry/removal.h"
#include "session/sessionlock.h"
#include "session/sessionreader.h"
#include "session/sessionwriter.h"

#include <QFile>
#include <QUndoCommand>

#include <memory>
#include <utility>
#include <vector>

namespace {

std::string localPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

QStringList qNames(const std::vector<std::string>& names) {
    QStringList list;
    for (const std::string& name : names)
        list << QString::fromStdString(name);
    return list;
}

} // namespace

// Objects that come into the store (an add) or leave it (a delete), and go back the other
// way on undo. Out of the store they are kept here as they were, so nothing that pointed to
// them needs to change: in stack order, whatever used them is out as well.
class SessionModel::Filing : public QUndoCommand {
public:
    Filing(SessionModel* session, std::vector<std::string> names, bool adds)
        : session_(session), names_(std::move(names)), adds_(adds) {}

    void redo() override {
        // An add has happened when it is pushed; a delete happens here.
        if (first_ && adds_) {
            first_ = false;
            session_->emit changed(Change::Added, qNames(names_));
            return;
        }
        first_ = false;
        adds_ ? putBack() : takeOut();
    }
    void undo() override { adds_ ? takeOut() : putBack(); }

private:
    void takeOut() {
        for (const std::string& name : names_)
            kept_.push_back(session_->store_.take(name));
        session_->emit changed(Change::Removed, qNames(names_));
    }
    void putBack() {
        for (std::unique_ptr<SpaceObject>& object : kept_) {
            const Kind kind = object->type();
            session_->store_.insert(kind, std::move(object));
        }
        kept_.clear();
        session_->emit changed(Change::Added, qNames(names_));
    }

    SessionModel* session_;
    std::vector<std::string> names_;
    std::vector<std::unique_ptr<SpaceObject>> kept_;
    bool adds_;
    bool first_ = true;
};

class SessionModel::Visibility : public QUndoCommand {
public:
    Visibility(SessionModel* session, const QString& name, bool visible)
        : session_(session), name_(name), visible_(visible) {}
    void redo() override { set(visible_); }
    void undo() override { set(!visible_); }

private:
    void set(bool visible) {
        session_->store_.setVisible(storeName(name_), visible);
        session_->emit changed(Change::Visibility, {name_});
    }

    SessionModel* session_;
    QString name_;
    bool visible_;
};

// A load or a reset: the whole store and its file change places with the kept ones.
class SessionModel::Replacement : public QUndoCommand {
public:
    Replacement(SessionModel* session, std::unique_ptr<ObjectStore> store, const QString& file)
        : session_(session), store_(std::move(store)), file_(file) {}
    void redo() override { exchange(); }
    void undo() override { exchange(); }

private:
    void exchange() {
        // The swap keeps the store's address for those that draw from it.
        session_->store_.swap(*store_);
        const QString file = session_->fileName_;
        session_->setFileName(file_);
        file_ = file;
        session_->emit changed(Change::Replaced, {});
    }

    SessionModel* session_;
    std::unique_ptr<ObjectStore> store_;
    QString file_;
};

SessionModel::SessionModel(QObject* parent) : QObject(parent) {
    connect(&undoStack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

SessionModel::~SessionModel() {
    // The kept objects go before the store whose objects they may point to.
    undoStack_.clear();
}

bool SessionModel::add(const QString& name, const std::function<bool(ObjectStore&)>& construct) {
    std::vector<std::string> filed;
    store_.setJournal(&filed);
    const bool added = construct(store_);
    store_.setJournal(nullptr);
    if (!added)
        return false;
    auto* filing = new Filing(this, std::move(filed), true);
    filing->setText(name);
    undoStack_.push(filing);
    return true;
}

void SessionModel::setVisible(const QString& name, bool visible) {
    const SpaceObject* object = store_.find(storeName(name));
    if (!object || object->visible == visible)
        return;
    undoStack_.push(new Visibility(this, name, visible));
}

QStringList SessionModel::dependentsOf(const QString& name) const {
    return qNames(::dependentsOf(store_, storeName(name)));
}

bool SessionModel::remove(const QString& name) {
    std::vector<std::string> going = deletionOf(store_, storeName(name));
    if (going.empty())
        return false;
    undoStack_.push(new Filing(this, std::move(going), false));
    return true;
}

FileStatus SessionModel::load(const QString& fileName) {
    // The reader fills a fresh store, so a failed read leaves this one untouched.
    auto loaded = std::make_unique<ObjectStore>();
    const FileStatus status = readSession(*loaded, localPath(fileName));
    if (!status)
        return status;
    undoStack_.push(new Replacement(this, std::move(loaded), fileName));
    undoStack_.setClean();
    return status;
}

FileStatus SessionModel::save(const QString& fileName) {
    SessionLock lock;
    FileStatus status = lock.acquire(localPath(fileName));
    if (status)
        status = writeSession(store_, localPath(fileName));
    if (!status)
        return status;
    setFileName(fileName);
    undoStack_.setClean();
    return status;
}

void SessionModel::clear() {
    undoStack_.push(new Replacement(this, std::make_unique<ObjectStore>(), QString()));
}

void SessionModel::setFileName(const QString& fileName) {
    if (fileName_ == fileName)
        return;
    fileName_ = fileName;
    emit fileNameChanged(fileName);
}
