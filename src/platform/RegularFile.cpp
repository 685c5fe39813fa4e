// Opening the game's own files for reading: by the bytes of their path, regular files only.
#include "RegularFile.h"
#include "Runtime.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glintrow {

int OpenRegularFile(const std::string& path) {
    // Without O_NONBLOCK a pipe would hold the open until something writes to it.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            throw RuntimeError(reasons::FileNotFound, {path});
        if (error == EACCES || error == EPERM)
            throw RuntimeError(reasons::PermissionDenied, {path});
        throw RuntimeError(reasons::SystemError, {std::string(std::strerror(error)), path});
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        throw RuntimeError(reasons::NotRegularFile, {path});
    }
    return descriptor;
}

} // namespace glintrow
