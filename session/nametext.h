// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// A name as read from a session file, in UTF-8. Files of older Windows systems in Czech or
// Slovak hold Windows-1250 bytes; a name that is not valid UTF-8 is read as such and
// converted, so that names differing only in those bytes stay apart. Valid UTF-8 is
// returned unchanged.
std::string nameFromFile(const std::string& bytes);
