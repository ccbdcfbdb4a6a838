#include "clone/clone_archive.h"

#include "channels/channel_rows.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "core/settings_store.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <filesystem>
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

std::vector<SFoundFile> FindArchiveFiles(const std::string& folder)
{
    std::vector<SFoundFile> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code ignored;
        if (!it->is_regular_file(ignored)) {
            continue;
        }
        std::string fileName = it->path().filename().string();
        if (auto name = ParseArchiveFileName(fileName)) {
            files.push_back({it->path().string(), std::move(fileName), std::move(*name)});
        }
    }
    std::sort(files.begin(), files.end(), [](const SFoundFile& a, const SFoundFile& b) {
        return NewestFirstKey(a.name, a.fileName) > NewestFirstKey(b.name, b.fileName);
    });
    return files;
}

} // namespace

std::string_view ArchiveKindName(EArchiveKind kind)
{
    return kind == EArchiveKind::Write ? kWriteName : kReadName;
}

std::string ArchiveFileName(const std::tm& when, EArchiveKind kind, std::string_view comment)
{
    // Room for any int, so the compiler can see nothing is cut.
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d%02d%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    std::string name = stamp;
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

SArchiveResult CCloneArchive::Store(CRadioData& data, EArchiveKind kind) const
{
    SArchiveResult result;
    try {
        // The save command takes its path between double quotes.
        if (m_folder.empty() || m_folder.find('"') != std::string::npos) {
            result.error = "the archive folder \"" + m_folder + "\" cannot be used";
            return result;
        }
        std::error_code error;
        fs::create_directories(m_folder, error);
        if (error) {
            result.error = "cannot make the folder " + m_folder + ": " + error.message();
            return result;
        }

        std::string fileName = ArchiveFileName(m_clock(), kind, data.Execute(kCloneCommentQuery));
        const std::string base = fileName.substr(0, fileName.size() - kExtension.size());
        // Claim the name first: a copy never replaces an earlier one, not even one made by another
        // program in the same second.
        std::string path;
        for (unsigned copy = 1; copy <= kMostCopiesASecond; ++copy) {
            if (copy > 1) {
                fileName = base + kCopyMark + std::to_string(copy) + std::string(kExtension);
            }
            path = m_folder + "/" + fileName;
            const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd >= 0) {
                ::close(fd);
                break;
            }
            if (errno != EEXIST) {
                result.error = "cannot write in " + m_folder + ": " + SystemError(errno);
                return result;
            }
            path.clear();
        }
        if (path.empty()) {
            result.error = "too many copies within one second in " + m_folder;
            return result;
        }

        // The document's own save: the whole image, complete on disk before it takes the name.
        const std::string answer = data.SaveCopy(path);
        if (answer != answer::kOk) {
            ::unlink(path.c_str());
            result.error = "cannot write " + path + " (" + answer + ")";
            return result;
        }
        result.stored = true;
        result.path = path;
        Trim();
    } catch (const std::exception& failure) {
        result.error = failure.what();
    }
    return result;
}

std::vector<SArchiveEntry> CCloneArchive::List() const
{
    std::vector<SArchiveEntry> entries;
    // The copies are whole images; the profile only decides which channels are legal, not which
    // are in use.
    CL52RadioData data;
    for (SFoundFile& file : FindArchiveFiles(m_folder)) {
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

void CCloneArchive::Trim(size_t keep) const
{
    const std::vector<SFoundFile> files = FindArchiveFiles(m_folder);
    for (size_t i = keep; i < files.size(); ++i) {
        ::unlink(files[i].path.c_str());
    }
}
