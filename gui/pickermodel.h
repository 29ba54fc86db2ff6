// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"

#include <QSortFilterProxyModel>

#include <initializer_list>

// The objects of some kinds from the object list, as an object picker offers them: by name
// alone, or as "Kind name" where the kinds are mixed. A picker keeps its choice while other
// objects come and go, and never offers one that is gone.
class PickerModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    enum class Label { Name, KindAndName };

    PickerModel(QAbstractItemModel* objects, std::initializer_list<Kind> kinds, Label label,
                QObject* parent = nullptr);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    unsigned kinds_ = 0;
    Label label_;
};
