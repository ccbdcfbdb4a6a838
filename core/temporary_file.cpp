#include "core/temporary_file.h"

#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view kDefaultFolder = "/tmp";
constexpr std::string_view kUniqueSuffix = "XXXXXX";
constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
// The longest name of one folder entry on the file systems a user keeps files on.
constexpr size_t kLongestName = NAME_MAX;

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

std::string TemporaryNameBeside(const std::string& target)
{
    const size_t slash = target.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::string name = target.substr(nameStart);
    const size_t room = kLongestName - 1 - kUniqueSuffix.size();
    if (name.size() > room) {
        name.resize(room);
    }
    return target.substr(0, nameStart) + name + "." + std::string(kUniqueSuffix);
}
