#include "../core/test_files.h"
#include "../support/sim_process.h"
#include "core/clone_file.h"
#include "core/command_text.h"
#include "core/memory_image.h"
#include "core/memory_map.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The clone archive of zql52-cli read and write against `zql52-cli sim`, and the archive
// subcommand.

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kProfile = "5,0,0";
// The byte a write never sends: the transceiver keeps its own.
using memory_map::kKeptByte;
constexpr std::string_view kArchiveFailed = " The clone archive copy could not be saved: ";

struct SRun
{
    int status = -1;
    std::string out;
    std::string err;
};

std::vector<uint32_t> Differences(const CMemoryImage& a, const CMemoryImage& b)
{
    std::vector<uint32_t> addresses;
    for (uint32_t address = 0; address < memory_map::kImageSize; ++address) {
        if (a.GetByte(address) != b.GetByte(address)) {
            addresses.push_back(address);
        }
    }
    return addresses;
}

class CliArchive : public ::testing::Test
{
protected:
    SRun Cli(const std::vector<std::string>& arguments, const std::string& dataHome) const
    {
        std::vector<std::string> command = {ZQ_CLI_PATH};
        command.insert(command.end(), arguments.begin(), arguments.end());
        CChildProcess process;
        SRun run;
        if (!process.Start(command,
                           {"XDG_CONFIG_HOME=" + m_home.Path().string(), "XDG_DATA_HOME=" + dataHome})) {
            ADD_FAILURE() << "cannot start " << ZQ_CLI_PATH;
            return run;
        }
        run.status = process.Finish();
        run.out = process.Out();
        run.err = process.Err();
        return run;
    }
    SRun Cli(const std::vector<std::string>& arguments) const { return Cli(arguments, m_dataHome); }

    std::string MakeCloneFile(const std::string& name, const std::vector<std::string>& commands) const
    {
        std::string path = m_home.File(name);
        std::vector<std::string> arguments = {"exec", "--profile", std::string(kProfile), "--save", path};
        arguments.insert(arguments.end(), commands.begin(), commands.end());
        EXPECT_EQ(Cli(arguments).status, 0);
        return path;
    }

    std::vector<std::string> Read(const std::string& port, const std::string& output,
                                  std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> arguments = {"read",     "--port", port, "--profile", std::string(kProfile),
                                              "--output", output};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        return arguments;
    }
    std::vector<std::string> Write(const std::string& port, const std::string& file,
                                   std::vector<std::string> extra = {}) const
    {
        std::vector<std::string> arguments = {"write", "--port", port, "--profile", std::string(kProfile)};
        arguments.insert(arguments.end(), extra.begin(), extra.end());
        arguments.push_back(file);
        return arguments;
    }

    std::set<std::string> ArchiveFiles() const
    {
        std::set<std::string> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(m_folder, error)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    // The one file that is in the archive now and was not in `before`.
    std::string NewFile(const std::set<std::string>& before) const
    {
        std::vector<std::string> added;
        for (const std::string& name : ArchiveFiles()) {
            if (before.count(name) == 0) {
                added.push_back(name);
            }
        }
        EXPECT_EQ(added.size(), 1U) << "exactly one new copy";
        return added.empty() ? std::string() : added.front();
    }

    static CMemoryImage Load(const std::string& path)
    {
        CMemoryImage image(memory_map::kImageSize);
        EXPECT_EQ(LoadCloneFile(path, image), answer::kOk) << path;
        return image;
    }

    CTempDir m_home;
    std::string m_dataHome = m_home.File("data");
    std::string m_folder = m_dataHome + "/Velk/ZQ-L52/archive";
};

TEST_F(CliArchive, ReadAndWriteEachKeepOneCopyOfTheirImage)
{
    const std::string image = MakeCloneFile(
        "rig.vlk", {"CH.MCH.12.FREQUENCY=145.25", "CH.MCH.12.APPEAR=ON", "COMMON.CLONE_COMMENT=Club rig/7"});
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--image", image, "--save-written", written}));

    const std::string received = m_home.File("received.vlk");
    SRun run = Cli(Read(sim.Device(), received));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string readCopy = NewFile({});
    EXPECT_NE(readCopy.find("_read_Club_rig_7.vlk"), std::string::npos) << readCopy;
    EXPECT_EQ(Differences(Load(m_folder + "/" + readCopy), Load(received)), std::vector<uint32_t>{});

    const std::string mine = MakeCloneFile("mine.vlk", {"CH.MCH.40.FREQUENCY=433.5", "CH.MCH.40.APPEAR=ON"});
    std::set<std::string> before = ArchiveFiles();
    run = Cli(Write(sim.Device(), mine));
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string writeCopy = NewFile(before);
    EXPECT_NE(writeCopy.find("_write.vlk"), std::string::npos) << writeCopy << ": the file has no comment";
    const CMemoryImage sent = Load(m_folder + "/" + writeCopy);
    EXPECT_EQ(Differences(sent, Load(mine)), std::vector<uint32_t>{});
    std::vector<uint32_t> held = Differences(sent, Load(written));
    std::erase(held, kKeptByte);
    EXPECT_EQ(held, std::vector<uint32_t>{}) << "the transceiver holds the copy, but for the byte it keeps";

    const std::vector<std::string> listed = TextLines(Cli({"archive", "list"}).out);
    ASSERT_EQ(listed.size(), 2U);
    EXPECT_NE(listed[0].find(" write "), std::string::npos) << listed[0];
    EXPECT_NE(listed[0].find(writeCopy), std::string::npos) << "newest first";
    EXPECT_NE(listed[1].find(" read "), std::string::npos) << listed[1];
    EXPECT_NE(listed[1].find("Club rig/7"), std::string::npos) << listed[1];
    EXPECT_EQ(Cli({"archive", "path"}).out, m_folder + "\n");

    before = ArchiveFiles();
    EXPECT_EQ(Cli(Read(sim.Device(), received, {"--no-archive"})).status, 0);
    EXPECT_EQ(Cli(Write(sim.Device(), mine, {"--no-archive"})).status, 0);
    EXPECT_EQ(ArchiveFiles(), before) << "--no-archive keeps no copy";
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliArchive, AnArchiveThatCannotBeWrittenDoesNotFailTheClone)
{
    // A plain file where the data folder should be: no user, not even root, can make the archive.
    const std::string blocker = m_home.File("not-a-folder");
    WriteFileText(blocker, "");
    const std::string written = m_home.File("transceiver.vlk");
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({"--save-written", written}));

    const std::string received = m_home.File("received.vlk");
    const SRun read = Cli(Read(sim.Device(), received), blocker);
    EXPECT_EQ(read.status, 0) << read.err;
    EXPECT_NE(read.err.find(std::string(kArchiveFailed) + "cannot make the folder " + blocker),
              std::string::npos)
        << read.err;
    EXPECT_NE(read.err.find(" Cloning completed.\n"), std::string::npos) << read.err;
    EXPECT_TRUE(fs::exists(received));

    const SRun write = Cli(Write(sim.Device(), received), blocker);
    EXPECT_EQ(write.status, 0) << write.err;
    EXPECT_NE(write.err.find(kArchiveFailed), std::string::npos) << write.err;
    EXPECT_TRUE(fs::exists(written));
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
}

TEST_F(CliArchive, VerifyComparesTheTransceiverWithAFile)
{
    const std::string mine = MakeCloneFile("mine.vlk", {"CH.MCH.3.FREQUENCY=145.5", "CH.MCH.3.APPEAR=ON"});
    CSimProcess sim;
    ASSERT_TRUE(sim.Start({}));
    ASSERT_EQ(Cli(Write(sim.Device(), mine, {"--no-archive"})).status, 0);

    const std::vector<std::string> verifyMine = {
        "verify", "--port", sim.Device(), "--profile", std::string(kProfile), mine};
    SRun run = Cli(verifyMine);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("No differences\n"), std::string::npos) << run.err;

    const std::string other =
        MakeCloneFile("other.vlk", {"CH.MCH.3.FREQUENCY=146.52", "CH.MCH.3.APPEAR=ON", "CH.MCH.3.NAME=rpt",
                                    "COMMON.BEEP=OFF", "DTMF.2=5551234"});
    run = Cli({"verify", "--port", sim.Device(), "--profile", std::string(kProfile), other});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(TextLines(run.out), (std::vector<std::string>{
                                      "MCH 03  Frequency 146.5200 -> 145.5000", "MCH 03  Name RPT -> (blank)",
                                      "COMMON  Beep OFF -> ON", "DTMF 2  5551234 -> (empty)"}))
        << "the file's value, then the transceiver's";
    EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
    EXPECT_EQ(ArchiveFiles(), std::set<std::string>{}) << "a verify is no read to keep";

    // A read that fails ends the verify with its outcome.
    CSimProcess otherVersion;
    ASSERT_TRUE(otherVersion.Start({"--version", "3,0,0"}));
    EXPECT_EQ(
        Cli({"verify", "--port", otherVersion.Device(), "--profile", std::string(kProfile), mine}).status,
        90);
    EXPECT_EQ(Cli({"verify", "--port", m_home.File("no-such-port"), "--profile", std::string(kProfile), mine})
                  .status,
              91);
    EXPECT_EQ(Cli({"verify", "--port", otherVersion.Device(), m_home.File("missing.vlk")}).status, 2);
}

TEST_F(CliArchive, ListOfAnArchiveNotYetMadeIsEmpty)
{
    const SRun run = Cli({"archive", "list"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    // Where the data folder is a file, the archive cannot be read: that is no empty archive.
    const std::string blocker = m_home.File("not-a-folder");
    WriteFileText(blocker, "");
    const SRun unreadable = Cli({"archive", "list"}, blocker);
    EXPECT_EQ(unreadable.status, 2) << unreadable.err;
    EXPECT_NE(unreadable.err.find("cannot read the folder " + blocker), std::string::npos) << unreadable.err;
    EXPECT_EQ(Cli({"archive", "clear"}).status, 64);
    EXPECT_EQ(Cli({"archive"}).status, 64);
}

} // namespace
