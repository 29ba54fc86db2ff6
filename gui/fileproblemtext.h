// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/filestatus.h"

#include <QString>

// The second line of the window's "Save Error" and "Load Error" boxes: "file: reason", the
// reason in the user's language (the system's own text for an unusual failed system call).
QString fileProblemText(const QString& fileName, const FileStatus& status);
