#pragma once

#include <string>

// Replaces the file at path with data, or leaves it as it was. The data goes to a
// temporary file in the same folder, is flushed to disk and only then renamed over the
// target; on any failure the temporary file is removed and false is returned.
// An existing target keeps its permission bits.
bool writeFileAtomically(const std::string& path, const std::string& data);
