// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geometry/kind.h"
#include "gui/sessionmodel.h"

#include <QAbstractListModel>
#include <QSet>

#include <string>
#include <vector>

// The session's visible objects, points first, then vectors, lines and planes, each kind in
// name order (the store's order). Rows follow the session's changes one by one; texts are
// worked out only for the rows a view asks about.
class ObjectListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit ObjectListModel(SessionModel* session, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The row of the named object; invalid when it is not on the list.
    QModelIndex indexOf(const QString& name) const;

public slots:
    // Kind words and equations are worded again in the new language.
    void retranslate();

private:
    struct Entry {
        Kind kind;
        std::string name;
        bool operator<(const Entry& other) const {
            return kind != other.kind ? fileCode(kind) < fileCode(other.kind) : name < other.name;
        }
    };

    void follow(SessionModel::Change change, const QStringList& names);
    void fill();
    void place(const QString& name);
    std::vector<Entry>::iterator find(const Entry& entry);

    SessionModel* session_;
    std::vector<Entry> rows_;
    QSet<QString> expanded_;
};
