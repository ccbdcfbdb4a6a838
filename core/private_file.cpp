#include "core/private_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr mode_t kPrivateMode = 0600;

} // namespace

int ReopenPrivateFile(const std::string& path, int access)
{
    if (path.empty()) {
        return -1;
    }
    // Truncated only once it is known to be ours.
    const int flags = (access & ~O_TRUNC) | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    int fd = ::open(path.c_str(), flags);
    if (fd < 0 && errno == ENOENT && (access & O_ACCMODE) != O_RDONLY) {
        fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL, kPrivateMode);
    }
    if (fd < 0) {
        return -1;
    }
    struct stat info
    {
    };
    const int status = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || status < 0 ||
        ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    if (((info.st_mode & 07777) != kPrivateMode && ::fchmod(fd, kPrivateMode) != 0) ||
        ((access & O_TRUNC) != 0 && ::ftruncate(fd, 0) != 0)) {
        ::close(fd);
        return -1;
    }
    return fd;
}
