// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/objectlistmodel.h"

#include "geometry/description.h"
#include "gui/objecttexts.h"
#include "widgets/objectroles.h"

#include <algorithm>

ObjectListModel::ObjectListModel(SessionModel* session, QObject* parent)
    : QAbstractListModel(parent), session_(session) {
    fill();
    connect(session, &SessionModel::changed, this, &ObjectListModel::follow);
}

void ObjectListModel::fill() {
    rows_.clear();
    const ObjectStore& store = session_->store();
    rows_.reserve(size_t(store.visibleCount()));
    for (Kind kind : storedKinds) {
        for (const auto& [name, object] : store.objects(kind)) {
            if (object->visible)
                rows_.push_back({kind, name});
        }
    }
}

std::vector<ObjectListModel::Entry>::iterator ObjectListModel::find(const Entry& entry) {
    return std::lower_bound(rows_.begin(), rows_.end(), entry);
}

void ObjectListModel::place(const QString& name) {
    const std::string key = SessionModel::storeName(name);
    const SpaceObject* object = session_->store().find(key);
    const bool shown = object && object->visible;
    // A row is looked for under every kind: an object taken out has none to tell.
    for (Kind kind : storedKinds) {
        if (object && object->type() != kind)
            continue;
        const Entry probe{kind, key};
        const auto at = find(probe);
        const bool listed = at != rows_.end() && at->kind == kind && at->name == key;
        const int row = int(at - rows_.begin());
        if (shown && !listed) {
            beginInsertRows(QModelIndex(), row, row);
            rows_.insert(at, probe);
            endInsertRows();
        } else if (!shown && listed) {
            beginRemoveRows(QModelIndex(), row, row);
            rows_.erase(at);
            expanded_.remove(name);
            endRemoveRows();
        }
    }
}

void ObjectListModel::follow(SessionModel::Change change, const QStringList& names) {
    if (change == SessionModel::Change::Replaced) {
        beginResetModel();
        expanded_.clear();
        fill();
        endResetModel();
        return;
    }
    for (const QString& name : names)
        place(name);
    // An entry's fold-out shows whether each parent is visible.
    if (change != SessionModel::Change::Added && !rows_.empty())
        emit dataChanged(index(0), index(int(rows_.size()) - 1), {ObjectRole::InfoLines});
}

void ObjectListModel::retranslate() {
    if (!rows_.empty())
        emit dataChanged(index(0), index(int(rows_.size()) - 1));
}

int ObjectListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant ObjectListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const Entry& entry = rows_[size_t(index.row())];
    switch (role) {
    case ObjectRole::Name:
        return QString::fromUtf8(entry.name);
    case ObjectRole::Kind:
        return fileCode(entry.kind);
    case ObjectRole::Expanded:
        return expanded_.contains(QString::fromUtf8(entry.name));
    default:
        break;
    }
    const SpaceObject* object = session_->store().find(entry.name);
    if (!object)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return objectTitle(*object);
    case ObjectRole::HasInfo:
        return entry.kind == Kind::Line || entry.kind == Kind::Plane || !object->parents.empty();
    case ObjectRole::InfoLines:
        return QVariant::fromValue(
            describeEntry(session_->store(), describeObject(session_->store(), object)).lines);
    default:
        return {};
    }
}

bool ObjectListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != ObjectRole::Expanded || !index.isValid() || index.row() >= int(rows_.size()))
        return false;
    const QString name = QString::fromUtf8(rows_[size_t(index.row())].name);
    if (value.toBool())
        expanded_.insert(name);
    else
        expanded_.remove(name);
    emit dataChanged(index, index, {ObjectRole::Expanded});
    return true;
}

Qt::ItemFlags ObjectListModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

QModelIndex ObjectListModel::indexOf(const QString& name) const {
    const SpaceObject* object = session_->store().find(SessionModel::storeName(name));
    if (!object)
        return {};
    const Entry probe{object->type(), SessionModel::storeName(name)};
    const auto at = std::lower_bound(rows_.begin(), rows_.end(), probe);
    if (at == rows_.end() || at->name != probe.name || at->kind != probe.kind)
        return {};
    return index(int(at - rows_.begin()));
}
