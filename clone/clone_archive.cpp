#include "clone/clone_archive.h"

#include "channels/channel_rows.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"
#include "core/settings_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <system_error>
#include <tuple>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kOrganization = "Velk";
constexpr std::string_view kApplication = "ZQ-L52";
constexpr std::string_view kArchiveFolderName = "archive";
constexpr std::string_view kDataHomeFallback = ".local/share";

constexpr std::string_view kExtension = ".vlk";
constexpr char kCopyMark = '~';
constexpr char kSeparator = '_';
constexpr char kReplacement = '_';
// "2026-12-08_143012"
constexpr size_t kStampLength = 17;
constexpr std::string_view kReadName = "read";
constexpr std::string_view kWriteName = "write";
// A same-second copy beyond this many means something else is writing the folder.
constexpr unsigned kMostCopiesASecond = 1000;

constexpr std::string_view kCloneCommentQuery = "COMMON.CLONE_COMMENT";
constexpr int kMemoryChannelRows = 100;

std::tm LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

// As the desktop toolkit cleans the home path: no doubled, trailing, "." or ".." parts.
std::string CleanPath(const std::string& path)
{
    std::string clean = fs::path(path).lexically_normal().string();
    while (clean.size() > 1 && clean.back() == '/') {
        clean.pop_back();
    }
    return clean.empty() ? "." : clean;
}

bool IsDigits(std::string_view text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsSafeNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

std::string SystemError(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// The newest first; the same second by its copy number, then by name so the order is stable.
auto NewestFirstKey(const SArchiveName& name, const std::string& fileName)
{
    return std::make_tuple(name.stamp, name.copy, fileName);
}

struct SFoundFile
{
    std::string path;
    std::string fileName;
    SArchiveName name;
};

// The archive files of the folder, newest first. A folder that cannot be read sets `error` (a missing
// one holds no files and is no error).
std::vector<SFoundFile> FindArchiveFiles(const std::string& folder, std::string* failure = nullptr)
{
    std::vector<SFoundFile> files;
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error == std::errc::no_such_file_or_directory) {
        return files;
    }
    for (fs::directory_iterator end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) {
            continue;
        }
        std::string fileName = it->path().filename().string();
        if (auto name = ParseArchiveFileName(fileName)) {
            files.push_back({it->path().string(), std::move(fileName), std::move(*name)});
        }
    }
    if (error && failure != nullptr) {
        *failure = "cannot read the folder " + folder + ": " + error.message();
    }
    std::sort(files.begin(), files.end(), [](const SFoundFile& a, const SFoundFile& b) {
        return NewestFirstKey(a.name, a.fileName) > NewestFirstKey(b.name, b.fileName);
    });
    return files;
}

std::string Stamp(const std::tm& when)
{
    // Room for any int, so the compiler can see nothing is cut.
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return stamp;
}

int StampField(const std::string& stamp, size_t at, size_t length)
{
    return std::stoi(stamp.substr(at, length));
}

// Whether a copy of that name may have been made by this program with the clock at `now`: a real date
// and time, no later than a day past now (the local time a copy is named by moves with the time zone).
bool MadeByThisProgram(const SArchiveName& name, const std::tm& now)
{
    const std::string& stamp = name.stamp;
    const int month = StampField(stamp, 5, 2);
    const int day = StampField(stamp, 8, 2);
    const int hour = StampField(stamp, 11, 2);
    const int minute = StampField(stamp, 13, 2);
    const int second = StampField(stamp, 15, 2);
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60) {
        return false;
    }
    std::tm tomorrow = now;
    tomorrow.tm_mday += 1;
    tomorrow.tm_isdst = 0;
    // Only to carry the day over into the month and the year: the zone plays no part.
    const std::time_t carried = ::timegm(&tomorrow);
    std::tm latest{};
    ::gmtime_r(&carried, &latest);
    return stamp <= Stamp(latest);
}

// Makes the missing folders of `folder` for the user alone, and keeps the archive folder itself so.
bool MakePrivateFolder(const std::string& folder, std::string& failure)
{
    constexpr mode_t kOwnerOnly = 0700;
    fs::path path;
    for (const fs::path& part : fs::path(folder)) {
        path /= part;
        if (::mkdir(path.c_str(), kOwnerOnly) == 0) {
            // A umask that takes the owner's own bits away is undone.
            ::chmod(path.c_str(), kOwnerOnly);
        } else if (errno != EEXIST) {
            failure = "cannot make the folder " + path.string() + ": " + SystemError(errno);
            return false;
        }
    }
    struct stat info
    {
    };
    if (::stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        failure = "cannot make the folder " + folder + ": " + SystemError(errno != 0 ? errno : ENOTDIR);
        return false;
    }
    if (info.st_uid == ::geteuid() && (info.st_mode & 077) != 0) {
        ::chmod(folder.c_str(), info.st_mode & 0700);
    }
    return true;
}

} // namespace

std::string_view ArchiveKindName(EArchiveKind kind)
{
    return kind == EArchiveKind::Write ? kWriteName : kReadName;
}

std::string ArchiveFileName(const std::tm& when, EArchiveKind kind, std::string_view comment)
{
    std::string name = Stamp(when);
    name += kSeparator;
    name += ArchiveKindName(kind);
    const std::string trimmed = TrimWhiteSpace(comment);
    if (!trimmed.empty()) {
        name += kSeparator;
        for (char c : trimmed) {
            name += IsSafeNameCharacter(c) ? c : kReplacement;
        }
    }
    return name + std::string(kExtension);
}

std::optional<SArchiveName> ParseArchiveFileName(std::string_view fileName)
{
    if (fileName.size() < kStampLength + 1 + kExtension.size() ||
        fileName.substr(fileName.size() - kExtension.size()) != kExtension) {
        return std::nullopt;
    }
    const std::string_view stamp = fileName.substr(0, kStampLength);
    if (!IsDigits(stamp.substr(0, 4)) || stamp[4] != '-' || !IsDigits(stamp.substr(5, 2)) ||
        stamp[7] != '-' || !IsDigits(stamp.substr(8, 2)) || stamp[10] != kSeparator ||
        !IsDigits(stamp.substr(11, 6)) || fileName[kStampLength] != kSeparator) {
        return std::nullopt;
    }
    std::string_view rest = fileName.substr(kStampLength + 1);
    rest.remove_suffix(kExtension.size());

    SArchiveName name;
    name.stamp = std::string(stamp);
    if (const size_t mark = rest.rfind(kCopyMark); mark != std::string_view::npos) {
        const std::string_view number = rest.substr(mark + 1);
        long long copy = 0;
        if (!IsDigits(number) || number.size() > 4 || !ParseDecimal(number, copy) || copy < 2) {
            return std::nullopt;
        }
        name.copy = static_cast<unsigned>(copy);
        rest = rest.substr(0, mark);
    }
    const std::string_view kind = rest.substr(0, rest.find(kSeparator));
    if (kind == kReadName) {
        name.kind = EArchiveKind::Read;
    } else if (kind == kWriteName) {
        name.kind = EArchiveKind::Write;
    } else {
        return std::nullopt;
    }
    return name;
}

std::string DefaultArchiveFolder()
{
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && *xdg != '\0') {
        dataHome = xdg;
    } else {
        const char* home = std::getenv("HOME");
        dataHome = CleanPath(home != nullptr && *home != '\0' ? home : "/");
        if (dataHome.back() != '/') {
            dataHome += '/';
        }
        dataHome += kDataHomeFallback;
    }
    return dataHome + "/" + std::string(kOrganization) + "/" + std::string(kApplication) + "/" +
           std::string(kArchiveFolderName);
}

bool ArchiveEnabled(const ISettingsStore& settings)
{
    return settings.GetInt(settings::kArchive, settings::kArchiveEnabled, 1) != 0;
}

bool SetArchiveEnabled(ISettingsStore& settings, bool enabled)
{
    return settings.SetInt(settings::kArchive, settings::kArchiveEnabled, enabled ? 1 : 0);
}

CCloneArchive::CCloneArchive(std::string folder, Clock clock)
    : m_folder(std::move(folder)), m_clock(clock ? std::move(clock) : Clock(LocalNow))
{
}

std::string CCloneArchive::ClaimName(CRadioData& data, EArchiveKind kind, SArchiveResult& result) const
{
    // The save command takes its path between double quotes.
    if (m_folder.empty() || m_folder.find('"') != std::string::npos) {
        result.error = "the archive folder \"" + m_folder + "\" cannot be used";
        return {};
    }
    if (!MakePrivateFolder(m_folder, result.error)) {
        return {};
    }
    std::string fileName = ArchiveFileName(m_clock(), kind, data.Execute(kCloneCommentQuery));
    const std::string base = fileName.substr(0, fileName.size() - kExtension.size());
    // Claim the name first: a copy never replaces an earlier one, not even one made by another
    // program in the same second.
    for (unsigned copy = 1; copy <= kMostCopiesASecond; ++copy) {
        if (copy > 1) {
            fileName = base + kCopyMark + std::to_string(copy) + std::string(kExtension);
        }
        std::string path = m_folder + "/" + fileName;
        // The saves keep the mode of the file they replace: this one is the user's alone.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        if (errno != EEXIST) {
            result.error = "cannot write in " + m_folder + ": " + SystemError(errno);
            return {};
        }
    }
    result.error = "too many copies within one second in " + m_folder;
    return {};
}

void CCloneArchive::Finish(const std::string& path, SArchiveResult& result) const
{
    result.stored = true;
    result.path = path;
    Trim(kKeep, path);
}

SArchiveResult CCloneArchive::Store(CRadioData& data, EArchiveKind kind) const
{
    SArchiveResult result;
    try {
        const std::string path = ClaimName(data, kind, result);
        if (path.empty()) {
            return result;
        }
        // The document's own save: the whole image, complete on disk before it takes the name.
        const std::string answer = data.SaveCopy(path);
        if (answer != answer::kOk) {
            ::unlink(path.c_str());
            result.error = "cannot write " + path + " (" + answer + ")";
            return result;
        }
        Finish(path, result);
    } catch (const std::exception& failure) {
        result.error = failure.what();
    }
    return result;
}

SArchiveResult CCloneArchive::StoreSent(CRadioData& data, const std::string& sentFile) const
{
    SArchiveResult result;
    try {
        // The records sent over the document's image: the bytes the transfer leaves out (the one the
        // transceiver keeps) are the document's, so the copy is a whole image like any other.
        const CRigCore& rig = data.Rig();
        CMemoryImage image = rig.WorkingImage();
        if (const std::string answer = LoadCloneFileCovering(sentFile, image, SafetySaveRanges(),
                                                             rig.GetModelCode(), rig.GetRevision());
            answer != answer::kOk) {
            result.error = "cannot read " + sentFile + " (" + answer + ")";
            return result;
        }
        const std::string path = ClaimName(data, EArchiveKind::Write, result);
        if (path.empty()) {
            return result;
        }
        const std::string answer =
            SaveCloneFile(path, NormalSaveRanges(), image, data.Execute(kCloneCommentQuery),
                          rig.GetModelCode(), rig.GetRevision());
        if (answer != answer::kOk) {
            ::unlink(path.c_str());
            result.error = "cannot write " + path + " (" + answer + ")";
            return result;
        }
        Finish(path, result);
    } catch (const std::exception& failure) {
        result.error = failure.what();
    }
    return result;
}

std::vector<SArchiveEntry> CCloneArchive::List(std::string* error) const
{
    std::vector<SArchiveEntry> entries;
    std::string failure;
    std::vector<SFoundFile> files = FindArchiveFiles(m_folder, &failure);
    if (error != nullptr) {
        *error = failure;
    }
    // The copies are whole images; the profile only decides which channels are legal, not which
    // are in use.
    CL52RadioData data;
    for (SFoundFile& file : files) {
        SArchiveEntry entry;
        entry.date = file.name.stamp.substr(0, 10);
        entry.time = file.name.stamp.substr(11, 2) + ":" + file.name.stamp.substr(13, 2) + ":" +
                     file.name.stamp.substr(15, 2);
        entry.kind = file.name.kind;
        if (data.OpenDocument(file.path) == answer::kOk) {
            entry.comment = TrimRightWhiteSpace(data.Execute(kCloneCommentQuery));
            entry.channelsInUse = 0;
            for (int row = 0; row < kMemoryChannelRows; ++row) {
                if (!channel_rows::IsRowBlank(data, row)) {
                    ++entry.channelsInUse;
                }
            }
        }
        entry.path = std::move(file.path);
        entry.fileName = std::move(file.fileName);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void CCloneArchive::Trim(size_t keep, const std::string& keepPath) const
{
    const std::tm now = m_clock();
    size_t kept = keepPath.empty() ? 0 : 1;
    for (const SFoundFile& file : FindArchiveFiles(m_folder)) {
        if (file.path == keepPath || !MadeByThisProgram(file.name, now)) {
            continue;
        }
        if (kept < keep) {
            ++kept;
        } else {
            ::unlink(file.path.c_str());
        }
    }
}
