#include "core/clone_file.h"

#include "core/clone_record.h"
#include "core/command_text.h"
#include "core/line_reader.h"
#include "core/memory_map.h"
#include "core/temporary_file.h"

#include <array>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using memory_map::kKeptByte;
using memory_map::kLastAddress;

// Each list ends with an entry past the image.
constexpr SAddressRange kEnd = {0xFFFF, 0xFFFF};
constexpr std::array<SAddressRange, 2> kNormalRanges = {{{0, kLastAddress}, kEnd}};
constexpr std::array<SAddressRange, 3> kSafetyRanges = {
    {{0, kKeptByte - 1}, {kKeptByte + 1, kLastAddress}, kEnd}};
constexpr uint32_t kImageLimit = memory_map::kImageSize;
// The longest valid line is a 255-byte record; one more character is allowed for a CR.
constexpr size_t kMaxLineLength = CCloneRecord::kMaxTextLength + 1;

std::string BuildFileText(std::span<const SAddressRange> ranges, const CMemoryImage& image,
                          std::string_view comment, uint16_t modelCode, uint16_t revision)
{
    std::string text = CloneFileHeader(modelCode, revision);
    text += kCloneFileLineEnd;
    text += kCloneFileCommentMark;
    text += comment;
    text += kCloneFileLineEnd;
    CCloneRecord record;
    for (const SAddressRange& range : ranges) {
        if (range.first >= kImageLimit || range.last >= kImageLimit) {
            break;
        }
        uint32_t address = range.first;
        while (address <= range.last) {
            const uint32_t blockEnd = address | 0x0F;
            const uint32_t last = std::min(range.last, blockEnd);
            record.Set(&image, address, last - address + 1);
            record.Fetch();
            text += record.Format();
            text += kCloneFileLineEnd;
            address = last + 1;
        }
    }
    return text;
}

bool WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<size_t>(n));
    }
    return true;
}

mode_t DefaultFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

std::string DirectoryOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The system's rule for links in a shared folder such as /tmp (sticky and writable by all): only
// links of this user or of the folder's owner are followed.
bool MayFollow(const std::string& link, const struct stat& linkInfo)
{
    struct stat folder
    {
    };
    if (::stat(DirectoryOf(link).c_str(), &folder) != 0) {
        return false;
    }
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || linkInfo.st_uid == ::geteuid() || linkInfo.st_uid == folder.st_uid;
}

// Where a save creates the file when the path names nothing: the end of a chain of dangling
// symbolic links, or the path itself. Empty when the chain does not end.
std::string MissingLinkTarget(const std::string& path)
{
    constexpr int kMaxLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info
        {
        };
        if (::lstat(current.c_str(), &info) != 0) {
            return errno == ENOENT ? current : std::string();
        }
        if (!S_ISLNK(info.st_mode) || !MayFollow(current, info)) {
            return {};
        }
        std::string destination(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), destination.data(), destination.size());
        if (length <= 0 || static_cast<size_t>(length) >= destination.size()) {
            return {};
        }
        destination.resize(static_cast<size_t>(length));
        current = destination.front() == '/' ? destination : DirectoryOf(current) + "/" + destination;
    }
    return {};
}

// Whether every symbolic link on the way from `path` to what it names may be followed.
bool LinksMayBeFollowed(const std::string& path)
{
    constexpr int kMaxLinks = 40;
    std::string current = path;
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        struct stat info
        {
        };
        if (::lstat(current.c_str(), &info) != 0) {
            return false;
        }
        if (!S_ISLNK(info.st_mode)) {
            return true;
        }
        if (!MayFollow(current, info)) {
            return false;
        }
        std::string destination(PATH_MAX, '\0');
        const ssize_t length = ::readlink(current.c_str(), destination.data(), destination.size());
        if (length <= 0 || static_cast<size_t>(length) >= destination.size()) {
            return false;
        }
        destination.resize(static_cast<size_t>(length));
        current = destination.front() == '/' ? destination : DirectoryOf(current) + "/" + destination;
    }
    return false;
}

// Truncates and rewrites a file whose folder takes no temporary file. A failed write leaves the
// file damaged, and answers "ERROR".
std::string WriteInPlace(const std::string& target, std::string_view text)
{
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return std::string(answer::kCannotOpenFile);
    }
    struct stat info
    {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::string(answer::kCannotOpenFile);
    }
    bool ok = ::ftruncate(fd, 0) == 0;
    ok = ok && WriteAll(fd, text);
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return std::string(ok ? answer::kOk : answer::kError);
}

std::string LoadInto(CLineReader& reader, CCloneRecord& record, const std::string& expectedHeader,
                     std::span<const SAddressRange> required)
{
    std::string line;
    reader.Next(line);
    if (reader.HasError()) {
        return std::string(answer::kError);
    }
    if (reader.IsTooLong() || line.size() != expectedHeader.size()) {
        return std::string(answer::kFormatError);
    }
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return std::string(answer::kFormatError);
        }
        if (line[i] != expectedHeader[i]) {
            return std::string(i < 4 ? answer::kMismatchModel : answer::kMismatchRevision);
        }
    }
    while (reader.Next(line)) {
        if (reader.IsTooLong() || line.empty()) {
            return std::string(answer::kFormatError);
        }
        if (line.front() == kCloneFileCommentMark) {
            continue;
        }
        std::string result = record.Parse(line);
        if (result != answer::kOk) {
            return result;
        }
        record.Store();
    }
    if (reader.HasError()) {
        return std::string(answer::kError);
    }
    for (const SAddressRange& range : required) {
        // The list ends where a range leaves the image, as the save's does.
        if (range.first >= kImageLimit || range.last >= kImageLimit) {
            break;
        }
        if (!record.Covers(range.first, range.last)) {
            return std::string(answer::kNotEnoughData);
        }
    }
    return std::string(answer::kOk);
}

} // namespace

std::string CloneFileHeader(uint16_t modelCode, uint16_t revision)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X%04X", static_cast<unsigned>(modelCode),
                  static_cast<unsigned>(revision));
    return text;
}

std::span<const SAddressRange> NormalSaveRanges()
{
    return kNormalRanges;
}

std::span<const SAddressRange> SafetySaveRanges()
{
    return kSafetyRanges;
}

std::string SaveCloneFile(const std::string& path, std::span<const SAddressRange> ranges,
                          const CMemoryImage& image, std::string_view comment, uint16_t modelCode,
                          uint16_t revision)
{
    if (path.empty()) {
        return std::string(answer::kCannotOpenFile);
    }
    return ReplaceFile(path, BuildFileText(ranges, image, comment, modelCode, revision));
}

std::string ReplaceFile(const std::string& path, std::string_view text)
{
    if (path.empty()) {
        return std::string(answer::kCannotOpenFile);
    }
    // Write beside the target and rename over it, so the old file survives any failure. Only a
    // regular file is replaced that way, where a symbolic link to it points; anything else that
    // stands at the path (a device, a FIFO, a link to one) is left alone.
    std::string target = path;
    struct stat targetInfo
    {
    };
    const bool exists = ::stat(path.c_str(), &targetInfo) == 0;
    if (exists) {
        if (!S_ISREG(targetInfo.st_mode) || ::access(path.c_str(), W_OK) != 0 || !LinksMayBeFollowed(path)) {
            return std::string(answer::kCannotOpenFile);
        }
        char* resolved = ::realpath(path.c_str(), nullptr);
        if (resolved == nullptr) {
            return std::string(answer::kCannotOpenFile);
        }
        target = resolved;
        std::free(resolved);
    } else {
        if (errno != ENOENT) {
            return std::string(answer::kCannotOpenFile);
        }
        target = MissingLinkTarget(path);
        if (target.empty()) {
            return std::string(answer::kCannotOpenFile);
        }
    }
    std::string temporary = TemporaryNameBeside(target);
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        // The user may write the file but the folder takes no new one: write the file itself.
        if (exists && (errno == EACCES || errno == EPERM || errno == EROFS)) {
            return WriteInPlace(target, text);
        }
        return std::string(answer::kCannotOpenFile);
    }
    const mode_t mode = exists ? (targetInfo.st_mode & 07777) : DefaultFileMode();
    if (exists) {
        // Saving over another user's file keeps it theirs where this process may give it away.
        // The mode follows, as a change of owner clears the set-id bits.
        [[maybe_unused]] const int ignored = ::fchown(fd, targetInfo.st_uid, targetInfo.st_gid);
    }
    bool ok = ::fchmod(fd, mode) == 0 || exists;
    ok = WriteAll(fd, text) && ok;
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return std::string(answer::kError);
    }
    const int dirFd = ::open(DirectoryOf(target).c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::string(answer::kOk);
}

std::string LoadCloneFile(const std::string& path, CMemoryImage& image, uint16_t modelCode, uint16_t revision)
{
    return LoadCloneFileCovering(path, image, NormalSaveRanges(), modelCode, revision);
}

std::string LoadCloneFileCovering(const std::string& path, CMemoryImage& image,
                                  std::span<const SAddressRange> required, uint16_t modelCode,
                                  uint16_t revision)
{
    const CMemoryImage backup = image;
    CCloneRecord record;
    record.Attach(&image);
    CLineReader reader;
    reader.SetCommentMark(kCloneFileCommentMark);
    if (!reader.Open(path, kMaxLineLength)) {
        return std::string(answer::kCannotOpenFile);
    }
    std::string result = LoadInto(reader, record, CloneFileHeader(modelCode, revision), required);
    if (result != answer::kOk) {
        image.CopyFrom(backup);
    }
    return result;
}
