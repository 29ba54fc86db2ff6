// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/objectdelegate.h"

#include "widgets/kindcolour.h"
#include "widgets/objectroles.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QToolTip>

#include <algorithm>
#include <cmath>

namespace {

constexpr int outerX = 9;      // from the list's edges to the card
constexpr int outerY = 3;      // half the gap between two cards
constexpr int border = 2;      // the card's black frame
constexpr int padding = 7;     // from the frame to the content
constexpr int iconSize = 25;   // the (i) button's icon
constexpr int buttonSize = 31; // and the button around it
constexpr int lineGap = 6;     // between the lines of a fold-out

QFont titleFont() {
    QFont font = QApplication::font();
    font.setPointSize(13);
    font.setBold(true);
    return font;
}

QFont infoFont() {
    return QFont(QStringLiteral("Verdana"), 10);
}

const QIcon& infoIcon() {
    static const QIcon icon(QStringLiteral(":/data/info.png"));
    return icon;
}

QString itemText(const char* source) {
    return QCoreApplication::translate("ObjectItem", source);
}

void prepareDocument(QTextDocument& document, const QString& html, int width) {
    document.setDefaultFont(infoFont());
    document.setDocumentMargin(0);
    document.setHtml(html);
    document.setTextWidth(width);
}

} // namespace

ObjectDelegate::ObjectDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

int ObjectDelegate::titleHeight(bool withButton) {
    const int text = QFontMetrics(titleFont()).height();
    return withButton ? std::max(text, buttonSize) : text;
}

int ObjectDelegate::lineHeight(const InfoLine& line, int width) const {
    if (!line.itemName.isEmpty()) {
        const int indicator =
            QApplication::style()->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, nullptr);
        return std::max(QFontMetrics(infoFont()).height(), indicator) + 2;
    }
    QTextDocument document;
    prepareDocument(document, line.text, width);
    return int(std::ceil(document.size().height()));
}

ObjectDelegate::Layout ObjectDelegate::layoutOf(const QRect& rect, const QModelIndex& index) const {
    Layout layout;
    layout.card = rect.adjusted(outerX, outerY, -outerX, -outerY);
    const QRect inner = layout.card.adjusted(border + padding, border + padding,
                                             -(border + padding), -(border + padding));
    const bool hasInfo = index.data(ObjectRole::HasInfo).toBool();
    const int height = titleHeight(hasInfo);
    layout.title = QRect(inner.left(), inner.top(), inner.width(), height);
    if (hasInfo) {
        layout.infoButton = QRect(inner.right() - buttonSize + 1, inner.top(), buttonSize, height);
        layout.title.setRight(layout.infoButton.left() - padding);
    }
    if (layout.infoButton.isEmpty() || !index.data(ObjectRole::Expanded).toBool())
        return layout;
    layout.lines = index.data(ObjectRole::InfoLines).value<QList<InfoLine>>();
    int y = layout.title.bottom() + 1 + lineGap;
    for (const InfoLine& line : std::as_const(layout.lines)) {
        const int height = lineHeight(line, inner.width());
        layout.lineRects.append(QRect(inner.left(), y, inner.width(), height));
        y += height + lineGap;
    }
    return layout;
}

QSize ObjectDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    // The width is the list's: a card takes whatever the view gives it.
    constexpr int width = 100;
    // Folded entries need nothing of the object but whether they can unfold.
    const bool hasInfo = index.data(ObjectRole::HasInfo).toBool();
    const int folded = 2 * (outerY + border + padding) + titleHeight(hasInfo);
    if (!hasInfo || !index.data(ObjectRole::Expanded).toBool())
        return QSize(width, folded);
    const Layout layout = layoutOf(QRect(0, 0, std::max(option.rect.width(), 200), 0), index);
    if (layout.lineRects.isEmpty())
        return QSize(width, folded);
    return QSize(width, layout.lineRects.last().bottom() + 1 + border + padding + outerY);
}

void ObjectDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    const Layout layout = layoutOf(option.rect, index);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(Qt::black, border, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(QColor(kindColour(index.data(ObjectRole::Kind).toInt())));
    painter->drawRect(layout.card.adjusted(1, 1, -1, -1));
    if (option.state & QStyle::State_Selected) {
        painter->setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(layout.card.adjusted(border + 2, border + 2, -border - 3, -border - 3));
    }

    painter->setFont(titleFont());
    painter->setPen(Qt::black);
    const QString title = index.data(Qt::DisplayRole).toString();
    painter->drawText(
        layout.title, Qt::AlignLeft | Qt::AlignVCenter,
        painter->fontMetrics().elidedText(title, Qt::ElideRight, layout.title.width()));
    if (!layout.infoButton.isEmpty()) {
        const QRect icon(layout.infoButton.center() - QPoint(iconSize / 2, iconSize / 2),
                         QSize(iconSize, iconSize));
        infoIcon().paint(painter, icon);
    }

    painter->setFont(infoFont());
    for (int i = 0; i < layout.lines.size(); ++i) {
        const InfoLine& line = layout.lines[i];
        const QRect& rect = layout.lineRects[i];
        if (line.itemName.isEmpty()) {
            QTextDocument document;
            prepareDocument(document, line.text, rect.width());
            painter->save();
            painter->translate(rect.topLeft());
            document.drawContents(painter);
            painter->restore();
            continue;
        }
        QStyleOptionButton box;
        box.rect = rect;
        box.text = line.text;
        box.fontMetrics = painter->fontMetrics();
        box.palette = option.palette;
        box.palette.setColor(QPalette::WindowText, Qt::black);
        box.state = QStyle::State_Enabled | (line.checked ? QStyle::State_On : QStyle::State_Off);
        QApplication::style()->drawControl(QStyle::CE_CheckBox, &box, painter, option.widget);
    }
    painter->restore();
}

bool ObjectDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
                                 const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::MouseButtonRelease)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    const QPoint at = mouse->position().toPoint();
    const Layout layout = layoutOf(option.rect, index);
    if (layout.infoButton.contains(at)) {
        model->setData(index, !index.data(ObjectRole::Expanded).toBool(), ObjectRole::Expanded);
        return true;
    }
    for (int i = 0; i < layout.lines.size(); ++i) {
        const InfoLine& line = layout.lines[i];
        if (!line.itemName.isEmpty() && layout.lineRects[i].contains(at)) {
            emit visibilityClicked(line.itemName, !line.checked);
            return true;
        }
    }
    return false;
}

bool ObjectDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                               const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const Layout layout = layoutOf(option.rect, index);
    QString tip;
    if (layout.infoButton.contains(event->pos())) {
        tip = itemText("Show or hide information about the object");
    } else if (layout.title.contains(event->pos())) {
        // The full title, where the card is too narrow for it.
        const QString title = index.data(Qt::DisplayRole).toString();
        if (QFontMetrics(titleFont()).horizontalAdvance(title) > layout.title.width())
            tip = title;
    } else {
        for (int i = 0; i < layout.lines.size(); ++i) {
            if (!layout.lines[i].itemName.isEmpty() && layout.lineRects[i].contains(event->pos()))
                tip = itemText("Show or hide the parent object");
        }
    }
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), tip, view);
    return true;
}
