// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One line of an entry's fold-out: rich text, or (with an item name) a check box that shows
// or hides that object.
struct InfoLine {
    QString text;
    QString itemName;
    bool checked = false;
    bool operator==(const InfoLine& other) const {
        return text == other.text && itemName == other.itemName && checked == other.checked;
    }
};
