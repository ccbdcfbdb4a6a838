#include "core/temporary_file.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kDefaultFolder = "/tmp";
constexpr std::string_view kUniqueSuffix = "XXXXXX";
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;

} // namespace

std::string MakeTemporaryFile(std::string_view prefix)
{
    const char* folder = std::getenv("TMPDIR");
    std::string path(folder != nullptr && *folder != '\0' ? std::string_view(folder) : kDefaultFolder);
    while (path.size() > 1 && path.back() == '/') {
        path.pop_back();
    }
    if (path.back() != '/') {
        path += '/';
    }
    path += prefix;
    path += kUniqueSuffix;
    const int fd = ::mkstemp(path.data());
    if (fd < 0) {
        return {};
    }
    const bool ok = ::fchmod(fd, kOwnerOnly) == 0;
    ::close(fd);
    if (!ok) {
        ::unlink(path.c_str());
        return {};
    }
    return path;
}
