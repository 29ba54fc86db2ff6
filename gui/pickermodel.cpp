// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/pickermodel.h"

#include "gui/objecttexts.h"
#include "widgets/objectroles.h"

namespace {

unsigned kindBit(int code) {
    return code >= 0 && code < 8 ? 1u << code : 0u;
}

} // namespace

PickerModel::PickerModel(QAbstractItemModel* objects, std::initializer_list<Kind> kinds,
                         Label label, QObject* parent)
    : QSortFilterProxyModel(parent), label_(label) {
    for (Kind kind : kinds)
        kinds_ |= kindBit(fileCode(kind));
    // The list is in order already; a kind's objects never change kind.
    setDynamicSortFilter(false);
    setSourceModel(objects);
}

bool PickerModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return kinds_ & kindBit(index.data(ObjectRole::Kind).toInt());
}

QVariant PickerModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QSortFilterProxyModel::data(index, role);
    const QString name = QSortFilterProxyModel::data(index, ObjectRole::Name).toString();
    if (label_ == Label::Name)
        return name;
    const auto kind =
        kindFromFileCode(QSortFilterProxyModel::data(index, ObjectRole::Kind).toInt());
    return kind ? kindWord(*kind) + QLatin1Char(' ') + name : name;
}
