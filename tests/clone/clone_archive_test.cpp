#include "clone/clone_archive.h"
#include "clone_test_support.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/memory_map.h"
#include "core/rig/radio_data.h"
#include "core/rig/rig_core.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::tm At(int year, int month, int day, int hour, int minute, int second)
{
    std::tm when{};
    when.tm_year = year - 1900;
    when.tm_mon = month - 1;
    when.tm_mday = day;
    when.tm_hour = hour;
    when.tm_min = minute;
    when.tm_sec = second;
    return when;
}

// A clock the test sets.
struct SFixedClock
{
    std::tm now = At(2026, 12, 8, 14, 30, 12);
    CCloneArchive::Clock Clock()
    {
        return [this] { return now; };
    }
};

std::vector<std::string> FileNames(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

CMemoryImage LoadImage(const std::string& path)
{
    CMemoryImage image(memory_map::kImageSize);
    EXPECT_EQ(LoadCloneFile(path, image), answer::kOk) << path;
    return image;
}

// An archive file without meaningful contents, for naming and trimming.
void Touch(const std::string& path)
{
    WriteFileText(path, "");
}

struct SNameCase
{
    const char* comment;
    EArchiveKind kind;
    const char* expected;
};

TEST(CloneArchiveName, SaysTimeOperationAndComment)
{
    const std::tm when = At(2026, 12, 8, 14, 30, 12);
    const SNameCase cases[] = {
        {"                ", EArchiveKind::Read, "2026-12-08_143012_read.vlk"},
        {"", EArchiveKind::Write, "2026-12-08_143012_write.vlk"},
        {"Club net 2      ", EArchiveKind::Write, "2026-12-08_143012_write_Club_net_2.vlk"},
        {"  lead blanks", EArchiveKind::Read, "2026-12-08_143012_read_lead_blanks.vlk"},
        {"../etc/passwd", EArchiveKind::Read, "2026-12-08_143012_read____etc_passwd.vlk"},
        {"a~b*c\"d:e\\f", EArchiveKind::Read, "2026-12-08_143012_read_a_b_c_d_e_f.vlk"},
        {"RPT-7", EArchiveKind::Read, "2026-12-08_143012_read_RPT-7.vlk"},
    };
    for (const SNameCase& c : cases) {
        const std::string name = ArchiveFileName(when, c.kind, c.comment);
        EXPECT_EQ(name, c.expected) << c.comment;
        const auto parsed = ParseArchiveFileName(name);
        ASSERT_TRUE(parsed.has_value()) << name;
        EXPECT_EQ(parsed->stamp, "2026-12-08_143012");
        EXPECT_EQ(parsed->kind, c.kind);
        EXPECT_EQ(parsed->copy, 1U);
    }
    EXPECT_EQ(ArchiveFileName(At(2027, 1, 2, 3, 4, 5), EArchiveKind::Read, ""), "2027-01-02_030405_read.vlk");
}

TEST(CloneArchiveName, OnlyArchiveNamesCount)
{
    struct SCase
    {
        const char* name;
        bool archive;
        unsigned copy;
    };
    const SCase cases[] = {
        {"2026-12-08_143012_write~2.vlk", true, 2},
        {"2026-12-08_143012_read_Club_net~13.vlk", true, 13},
        {"2026-12-08_143012_read~1.vlk", false, 0},
        {"2026-12-08_143012_read~.vlk", false, 0},
        {"2026-12-08_143012_read~x.vlk", false, 0},
        {"2026-12-08_143012_reading.vlk", false, 0},
        {"2026-12-08_143012_erase.vlk", false, 0},
        {"2026-12-08_143012_read.VLK", false, 0},
        {"2026-12-08_143012_read.vlk.tmp", false, 0},
        {"2026-12-08-143012_read.vlk", false, 0},
        {"2026-12-8_143012_read.vlk", false, 0},
        {"mine.vlk", false, 0},
        {".vlk", false, 0},
    };
    for (const SCase& c : cases) {
        const auto parsed = ParseArchiveFileName(c.name);
        EXPECT_EQ(parsed.has_value(), c.archive) << c.name;
        if (parsed && c.archive) {
            EXPECT_EQ(parsed->copy, c.copy) << c.name;
        }
    }
}

class CloneArchiveStore : public ::testing::Test
{
protected:
    void SetUp() override { m_data.Initialize(); }

    CTempDir m_dir;
    std::string m_folder = m_dir.File("share/Velk/ZQ-L52/archive");
    SFixedClock m_clock;
    CCloneArchive m_archive{m_folder, m_clock.Clock()};
    CL52RadioData m_data;
};

TEST_F(CloneArchiveStore, KeepsTheWholeImageWithoutMarkingTheDocumentSaved)
{
    ASSERT_EQ(m_data.Execute("CH.MCH.17.FREQUENCY=145.5"), "145.5000");
    m_data.Execute("CH.MCH.17.APPEAR=ON");
    m_data.Execute("COMMON.CLONE_COMMENT=Club net 2");
    ASSERT_TRUE(m_data.IsEdited());

    const SArchiveResult result = m_archive.Store(m_data, EArchiveKind::Write);
    ASSERT_TRUE(result.stored) << result.error;
    EXPECT_EQ(result.path, m_folder + "/2026-12-08_143012_write_Club_net_2.vlk");
    EXPECT_EQ(FileNames(m_folder), std::vector<std::string>{"2026-12-08_143012_write_Club_net_2.vlk"})
        << "the folder is made, and nothing but the copy is left in it";
    EXPECT_TRUE(LoadImage(result.path).IsEqual(m_data.Rig().WorkingImage()));
    EXPECT_TRUE(m_data.IsEdited()) << "the copy is not the document's own file";
}

TEST_F(CloneArchiveStore, CopiesWithinOneSecondNeverReplaceEachOther)
{
    m_data.Execute("CH.MCH.1.FREQUENCY=146.52");
    const SArchiveResult first = m_archive.Store(m_data, EArchiveKind::Read);
    ASSERT_TRUE(first.stored) << first.error;
    const std::string firstText = ReadFileText(first.path);
    m_data.Execute("CH.MCH.1.FREQUENCY=147.0");
    const SArchiveResult second = m_archive.Store(m_data, EArchiveKind::Read);
    const SArchiveResult third = m_archive.Store(m_data, EArchiveKind::Read);
    ASSERT_TRUE(second.stored && third.stored);

    EXPECT_EQ(FileNames(m_folder),
              (std::vector<std::string>{"2026-12-08_143012_read.vlk", "2026-12-08_143012_read~2.vlk",
                                        "2026-12-08_143012_read~3.vlk"}));
    EXPECT_EQ(ReadFileText(first.path), firstText);
    EXPECT_NE(ReadFileText(second.path), firstText);
    const std::vector<SArchiveEntry> entries = m_archive.List();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries.front().path, third.path) << "the latest copy of the second lists first";
}

TEST_F(CloneArchiveStore, KeepsTheNewest200AndLeavesOtherFilesAlone)
{
    fs::create_directories(m_folder);
    // 205 older copies, one minute apart, some of them second copies of their second.
    std::vector<std::string> older;
    for (int i = 0; i < 205; ++i) {
        std::string name = ArchiveFileName(At(2026, 11, 1 + i / 60, 10, i % 60, 0),
                                           i % 2 ? EArchiveKind::Read : EArchiveKind::Write, "");
        if (i % 7 == 0) {
            name.insert(name.size() - 4, "~2");
        }
        Touch(m_folder + "/" + name);
        older.push_back(name);
    }
    const std::vector<std::string> others = {"notes.txt", "mine.vlk", "2026-12-08_143012_read.vlk.swp"};
    for (const std::string& name : others) {
        Touch(m_folder + "/" + name);
    }

    const SArchiveResult result = m_archive.Store(m_data, EArchiveKind::Read);
    ASSERT_TRUE(result.stored) << result.error;

    std::vector<std::string> expected(older.begin() + 6, older.end());
    expected.push_back("2026-12-08_143012_read.vlk");
    expected.insert(expected.end(), others.begin(), others.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FileNames(m_folder), expected) << "the six oldest copies go";

    m_archive.Trim(3);
    const std::vector<SArchiveEntry> left = m_archive.List();
    ASSERT_EQ(left.size(), 3U);
    EXPECT_EQ(left[0].fileName, "2026-12-08_143012_read.vlk");
    EXPECT_EQ(left[1].fileName, older[204]);
    EXPECT_EQ(left[2].fileName, older[203]);
}

TEST_F(CloneArchiveStore, NamesThisProgramCannotHaveMadeAreNeitherCountedNorRemoved)
{
    fs::create_directories(m_folder);
    // Two hundred copies from the future would push every real copy, the new one included, out.
    std::vector<std::string> foreign;
    for (int i = 0; i < 200; ++i) {
        foreign.push_back(ArchiveFileName(At(2099, 1, 1, 0, i / 60, i % 60), EArchiveKind::Read, ""));
    }
    foreign.push_back("2026-13-01_000000_read.vlk");
    foreign.push_back("2026-12-08_246000_write.vlk");
    // Tomorrow is no future: the time zone may have moved the clock back since.
    const std::string tomorrow = ArchiveFileName(At(2026, 12, 9, 14, 0, 0), EArchiveKind::Read, "");
    const std::string older = ArchiveFileName(At(2026, 12, 1, 8, 0, 0), EArchiveKind::Write, "");
    for (const std::string& name : foreign) {
        Touch(m_folder + "/" + name);
    }
    Touch(m_folder + "/" + tomorrow);
    Touch(m_folder + "/" + older);

    const SArchiveResult result = m_archive.Store(m_data, EArchiveKind::Read);
    ASSERT_TRUE(result.stored) << result.error;
    EXPECT_TRUE(fs::exists(result.path)) << "the copy just made is never trimmed";
    EXPECT_EQ(FileNames(m_folder).size(), foreign.size() + 3);

    m_archive.Trim(2, result.path);
    std::vector<std::string> expected = foreign;
    expected.push_back(tomorrow);
    expected.push_back(fs::path(result.path).filename().string());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FileNames(m_folder), expected) << "the oldest real copy goes, the foreign names stay";
}

TEST_F(CloneArchiveStore, FolderAndCopiesAreTheUsersAloneWhateverTheUmask)
{
    const mode_t before = ::umask(022);
    const SArchiveResult result = m_archive.Store(m_data, EArchiveKind::Read);
    ::umask(before);
    ASSERT_TRUE(result.stored) << result.error;
    for (const std::string& folder : {m_folder, m_dir.File("share/Velk/ZQ-L52"), m_dir.File("share/Velk")}) {
        EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all) << folder;
    }
    EXPECT_EQ(fs::status(result.path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CloneArchiveStore, AWriteKeepsTheImageSentNotTheDocument)
{
    // A channel the transceiver cannot hold goes out as the channel it gets instead.
    ASSERT_EQ(m_data.Execute("CH.MCH.3.FREQUENCY=222.5"), "222.5000");
    m_data.Execute("CH.MCH.3.APPEAR=ON");
    m_data.Execute("COMMON.CLONE_COMMENT=sent");
    const std::string sent = m_dir.File("exchange.vlk");
    ASSERT_EQ(m_data.SaveCloneFile(sent), answer::kOk);
    CMemoryImage sentImage = m_data.Rig().WorkingImage();
    ASSERT_EQ(LoadCloneFileCovering(sent, sentImage, SafetySaveRanges()), answer::kOk);
    ASSERT_FALSE(sentImage.IsEqual(m_data.Rig().WorkingImage())) << "the safety save changes channel 3";

    const SArchiveResult result = m_archive.StoreSent(m_data, sent);
    ASSERT_TRUE(result.stored) << result.error;
    EXPECT_EQ(fs::path(result.path).filename().string(), "2026-12-08_143012_write_sent.vlk");
    EXPECT_TRUE(LoadImage(result.path).IsEqual(sentImage));

    EXPECT_FALSE(m_archive.StoreSent(m_data, m_dir.File("no-such-file.vlk")).stored);
}

TEST_F(CloneArchiveStore, AFolderThatCannotBeReadIsReported)
{
    std::string error = "left over";
    EXPECT_TRUE(m_archive.List(&error).empty());
    EXPECT_EQ(error, "") << "a missing folder holds no copies";

    fs::create_directories(m_dir.File("share/Velk/ZQ-L52"));
    Touch(m_folder);
    EXPECT_TRUE(m_archive.List(&error).empty());
    EXPECT_NE(error.find("cannot read the folder " + m_folder), std::string::npos) << error;
}

TEST_F(CloneArchiveStore, ListsNewestFirstWithWhatEachCopyHolds)
{
    m_clock.now = At(2026, 12, 8, 9, 5, 1);
    m_data.Execute("COMMON.CLONE_COMMENT=morning");
    ASSERT_TRUE(m_archive.Store(m_data, EArchiveKind::Read).stored);

    m_clock.now = At(2026, 12, 8, 21, 0, 59);
    for (int channel : {20, 21, 55}) {
        const std::string prefix = "CH.MCH." + std::to_string(channel) + ".";
        m_data.Execute(prefix + "FREQUENCY=145.6");
        m_data.Execute(prefix + "APPEAR=ON");
    }
    m_data.Execute("COMMON.CLONE_COMMENT= ");
    ASSERT_TRUE(m_archive.Store(m_data, EArchiveKind::Write).stored);

    // A copy that does not load still shows, with what its name says.
    WriteFileText(m_folder + "/2026-12-07_235959_write_broken.vlk", "21350001\r\n#\r\n000010FF\r\n");

    const std::vector<SArchiveEntry> entries = m_archive.List();
    ASSERT_EQ(entries.size(), 3U);
    EXPECT_EQ(entries[0].fileName, "2026-12-08_210059_write.vlk");
    EXPECT_EQ(entries[0].path, m_folder + "/" + entries[0].fileName);
    EXPECT_EQ(entries[0].date, "2026-12-08");
    EXPECT_EQ(entries[0].time, "21:00:59");
    EXPECT_EQ(entries[0].kind, EArchiveKind::Write);
    EXPECT_EQ(entries[0].comment, "");
    EXPECT_EQ(entries[0].channelsInUse, entries[1].channelsInUse + 3);

    EXPECT_EQ(entries[1].fileName, "2026-12-08_090501_read_morning.vlk");
    EXPECT_EQ(entries[1].time, "09:05:01");
    EXPECT_EQ(entries[1].kind, EArchiveKind::Read);
    EXPECT_EQ(entries[1].comment, "morning");

    EXPECT_EQ(entries[2].date, "2026-12-07");
    EXPECT_EQ(entries[2].kind, EArchiveKind::Write);
    EXPECT_EQ(entries[2].channelsInUse, -1);

    EXPECT_TRUE(CCloneArchive(m_dir.File("nothing-here")).List().empty());
}

TEST(CloneArchiveList, OrdersCopiesOfOneSecondByNumber)
{
    CTempDir dir;
    const std::string folder = dir.File("archive");
    fs::create_directories(folder);
    for (const char* name : {"2026-12-08_143012_read.vlk", "2026-12-08_143012_read~2.vlk",
                             "2026-12-08_143012_read~10.vlk", "2026-12-08_143011_write~3.vlk"}) {
        Touch(folder + "/" + name);
    }
    std::vector<std::string> order;
    for (const SArchiveEntry& entry : CCloneArchive(folder).List()) {
        order.push_back(entry.fileName);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"2026-12-08_143012_read~10.vlk", "2026-12-08_143012_read~2.vlk",
                                        "2026-12-08_143012_read.vlk", "2026-12-08_143011_write~3.vlk"}));
}

} // namespace
