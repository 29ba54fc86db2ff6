// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/checkgroup.h"

CheckGroup::CheckGroup(int index, QWidget* parent) : QGroupBox(parent), index_(index) {
    setCheckable(true);
    connect(this, &QGroupBox::clicked, this, &CheckGroup::click);
}

void CheckGroup::click(bool checked) {
    emit clicked(checked, index_);
}
