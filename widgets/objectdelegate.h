// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/infoline.h"

#include <QList>
#include <QRect>
#include <QStyledItemDelegate>

// Paints an object list entry as a coloured card: the title in the kind's colour, the (i)
// button that folds out the equations, and a check box for each object the entry was built
// from. A folded entry's height is the same for all, so long lists cost only what shows.
class ObjectDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ObjectDelegate(QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

signals:
    // A check box of a fold-out was clicked: show or hide the object it names.
    void visibilityClicked(const QString& name, bool visible);

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

public:
    // Where the parts of one entry go within its row: what the delegate paints and where a
    // click lands.
    struct Layout {
        QRect card;
        QRect title;
        QRect infoButton; // empty when the entry cannot unfold
        QList<InfoLine> lines;
        QList<QRect> lineRects;
    };
    Layout layoutOf(const QRect& rect, const QModelIndex& index) const;

private:
    int lineHeight(const InfoLine& line, int width) const;
    // The title line: its text, or the (i) button where it is taller.
    static int titleHeight(bool withButton);
};
