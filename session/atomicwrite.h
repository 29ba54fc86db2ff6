// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/filestatus.h"

#include <string>

// Replaces the file at path with data, or leaves it as it was, as QSaveFile does: the data
// goes to a temporary file in the target's folder, is flushed to disk and only then renamed
// over the target. A symbolic link is written through to its target; a file that may not
// be written is refused (ReadOnly); an existing file keeps its mode, owner and group; a new
// one gets the mode the umask allows. On failure the temporary file is removed.
FileStatus writeFileAtomically(const std::string& path, const std::string& data);

// Removes the temporary file of a save in progress, if any. Async-signal-safe: for
// SIGINT and SIGTERM handlers that end the process in the middle of a save.
void removeUnfinishedTemporary();
