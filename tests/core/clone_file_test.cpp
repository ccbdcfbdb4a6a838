#include "core/clone_file.h"
#include "core/command_text.h"
#include "test_files.h"

#include <functional>
#include <gtest/gtest.h>
#include <sched.h>
#include <signal.h>
#include <sstream>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const std::string kComment = "Club net 2      ";

CMemoryImage PatternImage(uint8_t seed = 0)
{
    CMemoryImage image(2816);
    for (uint32_t a = 0; a < image.GetSize(); ++a) {
        image.SetByte(a, static_cast<uint8_t>(a * 7 + seed));
    }
    return image;
}

// A valid file's text with its record lines handed to `edit` first.
std::string EditedFile(const std::function<void(std::vector<std::string>&)>& edit)
{
    CTempDir dir;
    const std::string path = dir.File("good.vlk");
    EXPECT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(), kComment), answer::kOk);
    std::vector<std::string> lines = TextLines(ReadFileText(path));
    edit(lines);
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

TEST(CloneFileSave, NormalSaveWritesHeaderCommentAnd176Records)
{
    CTempDir dir;
    const std::string path = dir.File("a.vlk");
    const CMemoryImage image = PatternImage();
    ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), image, kComment), answer::kOk);
    const std::string text = ReadFileText(path);
    const std::vector<std::string> lines = TextLines(text);
    ASSERT_EQ(lines.size(), 178U);
    EXPECT_EQ(lines[0], "21350001\r");
    EXPECT_EQ(lines[1], "#" + kComment + "\r");
    EXPECT_EQ(lines[2].substr(0, 6), "000010");
    EXPECT_EQ(lines[2].size(), 39U) << "38 characters and the CR";
    EXPECT_EQ(lines[177].substr(0, 6), "0AF010");
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].back(), '\r') << "every line ends in CR LF";
    }

    const std::string again = dir.File("b.vlk");
    ASSERT_EQ(SaveCloneFile(again, NormalSaveRanges(), image, kComment), answer::kOk);
    EXPECT_EQ(ReadFileText(again), text) << "saving the same image twice gives the same bytes";

    CMemoryImage loaded(2816);
    ASSERT_EQ(LoadCloneFile(path, loaded), answer::kOk);
    EXPECT_TRUE(loaded.IsEqual(image));
}

TEST(CloneFileSave, SafetySaveLeavesOutByte0x844)
{
    CTempDir dir;
    const std::string path = dir.File("safe.vlk");
    ASSERT_EQ(SaveCloneFile(path, SafetySaveRanges(), PatternImage(), kComment), answer::kOk);
    const std::vector<std::string> lines = TextLines(ReadFileText(path));
    ASSERT_EQ(lines.size(), 2U + 132 + 1 + 1 + 43);
    EXPECT_EQ(lines[2 + 131].substr(0, 6), "083010");
    EXPECT_EQ(lines[2 + 132].substr(0, 6), "084004");
    EXPECT_EQ(lines[2 + 132].size(), 6U + 8 + 1);
    EXPECT_EQ(lines[2 + 133].substr(0, 6), "08450B");
    EXPECT_EQ(lines[2 + 134].substr(0, 6), "085010");

    CMemoryImage image(2816);
    EXPECT_EQ(LoadCloneFile(path, image), answer::kNotEnoughData)
        << "such a file only carries data to the transceiver";
}

TEST(CloneFileSave, RangeListEndsAtTheSentinelOrAnAddressOutsideTheImage)
{
    CTempDir dir;
    const std::string path = dir.File("ranges.vlk");
    const SAddressRange ranges[] = {{0x00E, 0x012}, {0xB00, 0xB10}, {0x000, 0x001}};
    ASSERT_EQ(SaveCloneFile(path, ranges, PatternImage(), kComment), answer::kOk);
    const std::vector<std::string> lines = TextLines(ReadFileText(path));
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[2].substr(0, 6), "000E02");
    EXPECT_EQ(lines[3].substr(0, 6), "001003");
}

TEST(CloneFileLoad, HeaderChecksStopAtTheFirstBadCharacter)
{
    CTempDir dir;
    const std::string path = dir.File("h.vlk");
    const std::string body = EditedFile([](std::vector<std::string>& lines) { lines.erase(lines.begin()); });
    const std::pair<std::string, std::string_view> cases[] = {
        {"21360001", answer::kMismatchModel}, {"21350002", answer::kMismatchRevision},
        {"2135000A", answer::kFormatError},   {"213500011", answer::kFormatError},
        {"2A360001", answer::kFormatError},   {"", answer::kFormatError},
    };
    for (const auto& [header, expected] : cases) {
        WriteFileText(path, header + "\r\n" + body);
        CMemoryImage image = PatternImage(3);
        EXPECT_EQ(LoadCloneFile(path, image), expected) << header;
        EXPECT_TRUE(image.IsEqual(PatternImage(3))) << header;
    }
    WriteFileText(path, "");
    CMemoryImage image(2816);
    EXPECT_EQ(LoadCloneFile(path, image), answer::kFormatError) << "an empty file";
    EXPECT_EQ(LoadCloneFile(dir.File("missing.vlk"), image), answer::kCannotOpenFile);
    EXPECT_EQ(LoadCloneFile(dir.Path().string(), image), answer::kCannotOpenFile) << "a folder";
    EXPECT_EQ(LoadCloneFile("", image), answer::kCannotOpenFile);
}

TEST(CloneFileLoad, EveryFailureRestoresTheImage)
{
    CTempDir dir;
    const std::string path = dir.File("bad.vlk");
    using Edit = std::function<void(std::vector<std::string>&)>;
    const std::pair<Edit, std::string_view> cases[] = {
        {[](auto& l) { l.erase(l.begin() + 100); }, answer::kNotEnoughData},
        {[](auto& l) { l.insert(l.begin() + 50, "\r"); }, answer::kFormatError},
        {[](auto& l) { l.push_back("\r"); }, answer::kFormatError},
        {[](auto& l) { l.push_back("0AFF02FFFF"); }, answer::kDataOverflow},
        {[](auto& l) { l[170] = "0010100"; }, answer::kFormatError},
        {[](auto& l) { l[171] = std::string(600, 'A'); }, answer::kFormatError},
        {[](auto& l) { l[172] = std::string("00000100\0", 9); }, answer::kFormatError},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        WriteFileText(path, EditedFile(cases[i].first));
        CMemoryImage image = PatternImage(9);
        EXPECT_EQ(LoadCloneFile(path, image), cases[i].second) << "case " << i;
        EXPECT_TRUE(image.IsEqual(PatternImage(9)))
            << "case " << i << ": records applied before the failure are undone";
    }
}

TEST(CloneFileLoad, AcceptsLfLinesCommentsOfAnyLengthAnywhereAndRecordsInAnyOrder)
{
    CTempDir dir;
    const std::string path = dir.File("ok.vlk");
    WriteFileText(path, EditedFile([](std::vector<std::string>& lines) {
                      for (std::string& line : lines) {
                          line.pop_back(); // LF only
                      }
                      std::swap(lines[2], lines[177]);
                      lines.insert(lines.begin() + 90, "# a note in the middle");
                      lines.insert(lines.begin() + 120, "#" + std::string(100'000, '~'));
                      lines.push_back("000001"
                                      "FF"); // a later record overwrites an earlier one
                  }));
    CMemoryImage image(2816);
    ASSERT_EQ(LoadCloneFile(path, image), answer::kOk);
    CMemoryImage expected = PatternImage();
    expected.SetByte(0, 0xFF);
    EXPECT_TRUE(image.IsEqual(expected));
}

TEST(CloneFileLoad, HugeLineWithoutLineEndIsRefusedWithoutReadingItAll)
{
    CTempDir dir;
    const std::string path = dir.File("huge.vlk");
    {
        std::ofstream out(path, std::ios::binary);
        out << "21350001\r\n";
        const std::string chunk(1 << 20, '0');
        for (int i = 0; i < 64; ++i) {
            out << chunk;
        }
    }
    CMemoryImage image = PatternImage();
    EXPECT_EQ(LoadCloneFile(path, image), answer::kFormatError);
    EXPECT_TRUE(image.IsEqual(PatternImage()));
}

// ---- A save never destroys the previous file ----

void ExpectOldFileKept(const std::string& path, const std::string& old, std::string_view result)
{
    EXPECT_NE(result, answer::kOk);
    EXPECT_EQ(ReadFileText(path), old);
}

TEST(CloneFileSave, WriteFailureKeepsThePreviousFile)
{
    CTempDir dir;
    const std::string path = dir.File("kept.vlk");
    ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(1), kComment), answer::kOk);
    const std::string old = ReadFileText(path);

    // A file size limit makes every write past it fail, as on a full disk.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved;
    limit.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const std::string result = SaveCloneFile(path, NormalSaveRanges(), PatternImage(2), kComment);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, answer::kError);
    ExpectOldFileKept(path, old, result);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(CloneFileSave, NamesUpToTheLongestAFolderTakesAreSavedAgainAndAgain)
{
    CTempDir dir;
    for (const size_t length : {size_t{200}, size_t{248}, size_t{252}, size_t{255}}) {
        const std::string path = dir.File(std::string(length - 4, 'n') + ".vlk");
        for (int save = 1; save <= 2; ++save) {
            ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(save), kComment), answer::kOk)
                << length << " characters, save " << save;
            CMemoryImage loaded(2816);
            ASSERT_EQ(LoadCloneFile(path, loaded), answer::kOk);
            EXPECT_TRUE(loaded.IsEqual(PatternImage(save))) << length;
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 4)
        << "no temporary file is left behind";
}

TEST(CloneFileSave, KeepsPermissionsOwnerAndFollowsLinks)
{
    CTempDir dir;
    const std::string path = dir.File("mode.vlk");
    ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(), kComment), answer::kOk);
    ::chmod(path.c_str(), 0640);
    ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(5), kComment), answer::kOk);
    struct stat info
    {
    };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640U);

    const std::string link = dir.File("link.vlk");
    ASSERT_EQ(::symlink(path.c_str(), link.c_str()), 0);
    ASSERT_EQ(SaveCloneFile(link, NormalSaveRanges(), PatternImage(6), kComment), answer::kOk);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    CMemoryImage image(2816);
    ASSERT_EQ(LoadCloneFile(path, image), answer::kOk);
    EXPECT_TRUE(image.IsEqual(PatternImage(6)));

    if (::geteuid() == 0) {
        // Saving over another user's file keeps it theirs.
        constexpr uid_t kOther = 65534;
        ASSERT_EQ(::chown(path.c_str(), kOther, kOther), 0);
        ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(7), kComment), answer::kOk);
        ASSERT_EQ(::stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_uid, kOther);
        EXPECT_EQ(info.st_gid, kOther);
        EXPECT_EQ(info.st_mode & 0777, 0640U);
    }

    EXPECT_EQ(SaveCloneFile(dir.File("no/such/folder.vlk"), NormalSaveRanges(), image, kComment),
              answer::kCannotOpenFile);
    EXPECT_EQ(SaveCloneFile(dir.Path().string(), NormalSaveRanges(), image, kComment),
              answer::kCannotOpenFile);
}

// Only regular files are replaced; anything else at the path answers CANNOT_OPEN_FILE and stays
// what it was, and a dangling link gets its file created where it points.
TEST(CloneFileSave, ReplacesOnlyRegularFilesAndCreatesWhereADanglingLinkPoints)
{
    CTempDir dir;
    int pipeFds[2] = {-1, -1};
    ASSERT_EQ(::pipe(pipeFds), 0);
    const std::string fifo = dir.File("fifo.vlk");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A device node of the test's own (a null device), never the system's: a save that went wrong
    // would replace it.
    const std::string device = dir.File("null.vlk");
    const bool haveDevice = ::mknod(device.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) == 0;
    std::vector<std::pair<std::string, std::string>> links = {
        {"to-fifo.vlk", fifo},
        {"to-pipe.vlk", "/proc/self/fd/" + std::to_string(pipeFds[1])},
    };
    if (haveDevice) {
        links.emplace_back("to-device.vlk", device);
    }
    std::vector<std::string> targets = {fifo};
    for (const auto& [name, destination] : links) {
        ASSERT_EQ(::symlink(destination.c_str(), dir.File(name).c_str()), 0);
        targets.push_back(dir.File(name));
    }
    if (haveDevice) {
        targets.push_back(device);
    }
    for (const std::string& target : targets) {
        EXPECT_EQ(SaveCloneFile(target, NormalSaveRanges(), PatternImage(), kComment),
                  answer::kCannotOpenFile)
            << target;
    }
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(std::filesystem::is_character_file(device), haveDevice);
    for (const auto& [name, destination] : links) {
        EXPECT_EQ(std::filesystem::read_symlink(dir.File(name)), destination) << name;
    }
    int queued = -1;
    EXPECT_EQ(::ioctl(pipeFds[0], FIONREAD, &queued), 0);
    EXPECT_EQ(queued, 0) << "nothing written into the pipe";
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);

    // A chain of dangling links, the last one relative.
    ASSERT_EQ(::symlink(dir.File("second.vlk").c_str(), dir.File("first.vlk").c_str()), 0);
    ASSERT_EQ(::symlink("made.vlk", dir.File("second.vlk").c_str()), 0);
    ASSERT_EQ(SaveCloneFile(dir.File("first.vlk"), NormalSaveRanges(), PatternImage(4), kComment),
              answer::kOk);
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("first.vlk")));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.File("second.vlk")));
    CMemoryImage image(2816);
    ASSERT_EQ(LoadCloneFile(dir.File("made.vlk"), image), answer::kOk);
    EXPECT_TRUE(image.IsEqual(PatternImage(4)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 3U + targets.size())
        << "no temporary file is left behind";
}

// Opening never waits on what is not a regular file. Run in a child process with an alarm, so a
// blocking open fails the test instead of hanging it.
TEST(CloneFileLoad, AnythingButARegularFileCannotBeOpenedAndNothingWaits)
{
    CTempDir dir;
    const std::string fifo = dir.File("fifo.vlk");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = dir.File("link.vlk");
    ASSERT_EQ(::symlink(fifo.c_str(), link.c_str()), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::alarm(10);
        int failures = 0;
        for (const std::string& path : {fifo, link, std::string("/dev/null"), std::string("/dev/zero")}) {
            CMemoryImage image = PatternImage();
            if (LoadCloneFile(path, image) != answer::kCannotOpenFile || image.IsDifferent(PatternImage())) {
                ++failures;
            }
        }
        ::_exit(failures);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "the load blocked (killed by signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "loads that did not answer CANNOT_OPEN_FILE";
}

// Runs `body` in a child process with a private mount namespace and a small tmpfs at `mountPoint`,
// so a full or read-only file system can be made without touching the machine's own. Needs root.
bool RunInScratchMount(const std::string& mountPoint, const std::function<int()>& body, int& exitCode)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::unshare(CLONE_NEWNS) != 0 || ::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0) {
            ::_exit(77);
        }
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 99;
    return exitCode != 77;
}

TEST(CloneFileSave, FullOrReadOnlyFileSystemKeepsThePreviousFile)
{
    CTempDir dir;
    const std::string mountPoint = dir.File("mnt");
    std::filesystem::create_directory(mountPoint);
    const std::string path = mountPoint + "/data.vlk";

    if (::geteuid() != 0) {
        ASSERT_EQ(SaveCloneFile(path, NormalSaveRanges(), PatternImage(1), kComment), answer::kOk);
        const std::string old = ReadFileText(path);
        ::chmod(path.c_str(), 0444);
        ExpectOldFileKept(path, old, SaveCloneFile(path, NormalSaveRanges(), PatternImage(2), kComment));
        return;
    }

    int exitCode = 0;
    const bool ran = RunInScratchMount(
        mountPoint,
        [&] {
            if (SaveCloneFile(path, NormalSaveRanges(), PatternImage(1), kComment) != answer::kOk) {
                return 10;
            }
            const std::string old = ReadFileText(path);
            // Fill the file system to the last block.
            {
                std::ofstream filler(mountPoint + "/filler", std::ios::binary);
                const std::string block(4096, 'x');
                while (filler.write(block.data(), static_cast<std::streamsize>(block.size()))) {
                }
            }
            if (SaveCloneFile(path, NormalSaveRanges(), PatternImage(2), kComment) == answer::kOk ||
                ReadFileText(path) != old) {
                return 11;
            }
            std::filesystem::remove(mountPoint + "/filler");
            if (::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
                return 77;
            }
            if (SaveCloneFile(path, NormalSaveRanges(), PatternImage(2), kComment) !=
                    answer::kCannotOpenFile ||
                ReadFileText(path) != old) {
                return 12;
            }
            return 0;
        },
        exitCode);
    if (!ran) {
        GTEST_SKIP() << "no private mount namespace available";
    }
    EXPECT_EQ(exitCode, 0) << "10: first save, 11: full file system, 12: read-only file system";
}

// Saving a file the user may write into a folder that takes no new file writes the file in place;
// a failing write still answers ERROR.
TEST(CloneFileSave, FileInAFolderThatTakesNoNewFileIsWrittenInPlace)
{
    CTempDir dir;
    const std::string mountPoint = dir.File("mnt");
    std::filesystem::create_directory(mountPoint);
    const std::string path = mountPoint + "/data.vlk";
    // 0: saved in place; 20: first save, 21: in-place save, 22: its contents, 23: failing write.
    const auto body = [&](const std::function<void()>& closeFolder) {
        if (SaveCloneFile(path, NormalSaveRanges(), PatternImage(1), kComment) != answer::kOk) {
            return 20;
        }
        closeFolder();
        if (SaveCloneFile(path, NormalSaveRanges(), PatternImage(2), kComment) != answer::kOk) {
            return 21;
        }
        CMemoryImage image(2816);
        if (LoadCloneFile(path, image) != answer::kOk || !image.IsEqual(PatternImage(2))) {
            return 22;
        }
        rlimit limit{1000, 1000};
        const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        ::getrlimit(RLIMIT_FSIZE, &saved);
        limit.rlim_max = saved.rlim_max;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string result = SaveCloneFile(path, NormalSaveRanges(), PatternImage(3), kComment);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        ::signal(SIGXFSZ, oldHandler);
        return result == answer::kError ? 0 : 23;
    };

    if (::geteuid() != 0) {
        const int outcome = body([&] { ::chmod(mountPoint.c_str(), 0555); });
        ::chmod(mountPoint.c_str(), 0755);
        EXPECT_EQ(outcome, 0);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mountPoint), {}), 1);
        return;
    }
    // The superuser writes into any folder: make the folder's mount read-only and give the file a
    // writable mount of its own.
    int exitCode = 0;
    const bool ran = RunInScratchMount(
        mountPoint,
        [&] {
            return body([&] {
                if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0 ||
                    ::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                            nullptr) != 0) {
                    ::_exit(77);
                }
            });
        },
        exitCode);
    if (!ran) {
        GTEST_SKIP() << "no private mount namespace available";
    }
    EXPECT_EQ(exitCode, 0);
}

} // namespace
