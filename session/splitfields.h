// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The texts between consecutive separators. Text before the first separator is dropped;
// the rest after the last one is one more field (empty when the line ends with the
// separator). A line without a separator yields one field, the line without its first
// character; an empty line yields none.
std::vector<std::string> splitFields(const std::string& line, const std::string& separator);
