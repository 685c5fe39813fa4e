// Opening the game's own files for reading: by the bytes of their path, regular files only.
#pragma once

#include <string>

namespace glintrow {

// The descriptor of a regular file opened for reading (close-on-exec). A missing or unreadable
// path, a folder, a device or a pipe raises a run-time error naming the path, at once: opening
// never waits for a writer.
int OpenRegularFile(const std::string& path);

} // namespace glintrow
