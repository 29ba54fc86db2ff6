// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qt>

// The data an object list model offers its views, besides the title as Qt::DisplayRole.
namespace ObjectRole {
enum : int {
    Name = Qt::UserRole + 1, // QString
    Kind,                    // int: the kind's file code
    HasInfo,                 // bool: whether the entry can unfold
    InfoLines,               // QList<InfoLine>, worked out when asked for
    Expanded                 // bool, settable
};
} // namespace ObjectRole
