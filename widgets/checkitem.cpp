// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/checkitem.h"

CheckItem::CheckItem(const QString& text, const QString& itemName, QWidget* parent)
    : QCheckBox(text, parent), itemName_(itemName) {
    connect(this, &QCheckBox::clicked, this, &CheckItem::changeVisibility);
}

void CheckItem::changeVisibility(bool checked) {
    emit visibilityChanged(checked, itemName_);
}
