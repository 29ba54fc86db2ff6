// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/objectitem.h"

#include "widgets/checkitem.h"
#include "widgets/kindcolour.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QIcon& infoIcon() {
    // Shared, so that thousands of entries do not each load the image.
    static const QIcon icon(QStringLiteral(":/data/info.png"));
    return icon;
}

} // namespace

ObjectItem::ObjectItem(const QString& name, const QString& title, int kind, QWidget* parent)
    : QWidget(parent), grid(new QGridLayout), titleLabel_(new QLabel) {
    titleLabel_->setObjectName(QStringLiteral("objectTitle"));
    titleLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Names are shown as typed, never as markup.
    titleLabel_->setTextFormat(Qt::PlainText);
    // The title takes the room the entry has and is elided to it, instead of widening it.
    titleLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    grid->addWidget(titleLabel_, 0, 0);
    setLayout(grid);
    setTitle(title);
    setItem(name, kind);
}

void ObjectItem::setItem(const QString& name, int kind) {
    const QString colour = kindColour(kind);
    setStyleSheet(QStringLiteral("background-color:%1;").arg(colour));
    titleLabel_->setStyleSheet(colour == QLatin1String("crimson") ? QStringLiteral("color:yellow;")
                                                                  : QStringLiteral("color:black;"));
    kind_ = kind;
    name_ = name;
    hasInfoArea = false;
    lines.clear();
    linesShown = 0;
    // Deferred: a check box of the old area may be the sender of the call that got here.
    for (QWidget* widget : {infoArea, static_cast<QWidget*>(infoButton_)}) {
        if (widget) {
            grid->removeWidget(widget);
            widget->hide();
            widget->deleteLater();
        }
    }
    infoArea = nullptr;
    infoLayout = nullptr;
    infoButton_ = nullptr;
}

void ObjectItem::setTitle(const QString& text) {
    fullTitle_ = text;
    showElidedTitle();
}

void ObjectItem::showElidedTitle() {
    const QFontMetrics metrics(titleLabel_->font());
    const int room = titleLabel_->width();
    if (metrics.horizontalAdvance(fullTitle_) <= room) {
        titleLabel_->setToolTip(QString());
        titleLabel_->setText(fullTitle_);
    } else {
        titleLabel_->setToolTip(fullTitle_);
        titleLabel_->setText(metrics.elidedText(fullTitle_, Qt::ElideRight, room));
    }
}

void ObjectItem::addInfo(const QString& text) {
    appendLine({text, QString(), false});
}

void ObjectItem::addParentItem(const QString& text, const QString& itemName, bool checked) {
    appendLine({text, itemName, checked});
}

void ObjectItem::appendLine(const InfoLine& line) {
    if (!hasInfoArea)
        createInfoArea();
    lines.append(line);
    if (infoArea)
        fillInfoArea();
}

void ObjectItem::createInfoArea() {
    hasInfoArea = true;
    infoButton_ = new QToolButton;
    infoButton_->setIcon(infoIcon());
    infoButton_->setIconSize(QSize(25, 25));
    infoButton_->setToolTip(tr("Show or hide information about the object"));
    grid->addWidget(infoButton_, 0, 1);
    connect(infoButton_, &QToolButton::clicked, this, &ObjectItem::changeInfoVisibility);
}

void ObjectItem::fillInfoArea() {
    if (!infoArea) {
        infoArea = new QWidget;
        infoLayout = new QVBoxLayout(infoArea);
        infoArea->setContentsMargins(0, 0, 0, 0);
        infoArea->hide();
        grid->addWidget(infoArea, 1, 0, 1, 2);
    }
    for (; linesShown < lines.size(); ++linesShown)
        addLineWidget(lines[linesShown]);
}

void ObjectItem::addLineWidget(const InfoLine& line) {
    if (line.itemName.isEmpty()) {
        auto* label = new QLabel(line.text);
        label->setTextFormat(Qt::RichText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        infoLayout->addWidget(label);
        return;
    }
    auto* check = new CheckItem(line.text, line.itemName);
    check->setChecked(line.checked);
    // A parent's long name is cut short: it would widen the entry and the page past the window.
    const QFontMetrics metrics = check->fontMetrics();
    const QString shown =
        metrics.elidedText(line.text, Qt::ElideRight, 40 * metrics.averageCharWidth());
    check->setText(shown);
    check->setToolTip(shown == line.text
                          ? tr("Show or hide the parent object")
                          : line.text + QLatin1Char('\n') + tr("Show or hide the parent object"));
    connect(check, &CheckItem::visibilityChanged, this, &ObjectItem::changeItemVisibility);
    infoLayout->addWidget(check);
}

void ObjectItem::setInfoVisible(bool visible) {
    if (!hasInfoArea)
        return;
    if (visible)
        fillInfoArea();
    if (infoArea)
        infoArea->setVisible(visible);
}

bool ObjectItem::isInfoVisible() const {
    return infoArea && !infoArea->isHidden();
}

void ObjectItem::changeInfoVisibility() {
    setInfoVisible(!isInfoVisible());
}

void ObjectItem::changeItemVisibility(bool visible, const QString& itemName) {
    emit itemVisibilityChanged(visible, itemName, name_);
}

void ObjectItem::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    showElidedTitle();
}

void ObjectItem::paintEvent(QPaintEvent*) {
    // Lets the style sheet's background and border apply to a plain QWidget subclass.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
