// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/splitfields.h"

std::vector<std::string> splitFields(const std::string& line, const std::string& separator) {
    std::vector<std::string> fields;
    if (line.empty())
        return fields;
    std::string::size_type at = separator.empty() ? std::string::npos : line.find(separator);
    if (at == std::string::npos) {
        fields.push_back(line.substr(1));
        return fields;
    }
    for (;;) {
        const std::string::size_type begin = at + separator.size();
        at = line.find(separator, begin);
        if (at == std::string::npos) {
            fields.push_back(line.substr(begin));
            return fields;
        }
        fields.push_back(line.substr(begin, at - begin));
    }
}
