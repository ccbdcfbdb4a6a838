#include "../core/test_files.h"
#include "../support/cli_runner.h"

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A home with a settings folder of its own, a temporary folder of its own and one clone file.
class CliOutput : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fs::create_directories(m_tmp);
        ASSERT_EQ(
            RunCli("exec --save " + ShellQuote(m_radio) + " CH.MCH.1.FREQUENCY=145.5 CH.MCH.1.APPEAR=ON",
                   m_home.Path().string())
                .status,
            0);
    }

    // The tool with standard output on `out`; its exit status.
    int Cli(const std::string& arguments, const std::string& out)
    {
        return RunCli(SCliRun{arguments + " >" + out,
                              m_home.Path().string(),
                              {},
                              "TMPDIR=" + ShellQuote(m_tmp) + " "})
            .status;
    }

    bool TemporaryFolderEmpty() const { return fs::is_empty(m_tmp); }

    CTempDir m_home;
    std::string m_tmp = m_home.File("tmp");
    std::string m_radio = m_home.File("radio.vlk");
};

TEST_F(CliOutput, OutputThatCannotBeWrittenIsAFailure)
{
    const std::string radio = ShellQuote(m_radio);
    for (const std::string& arguments :
         {"export " + radio, "show " + radio, "exec --open " + radio + " CH.MCH.1.FREQUENCY"}) {
        EXPECT_EQ(Cli(arguments, "/dev/null"), 0) << arguments;
        EXPECT_EQ(Cli(arguments, "/dev/full"), 2) << arguments << ": a full disk";
    }
    EXPECT_TRUE(TemporaryFolderEmpty());
}

TEST_F(CliOutput, AClosedPipeEndsNothingHalfWayAndLeavesNoTemporaryFile)
{
    // A pipe whose reader has gone before the first byte: without care the first write kills the tool.
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ::close(ends[0]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string tmp = "TMPDIR=" + m_tmp;
    const std::string config = "XDG_CONFIG_HOME=" + m_home.Path().string();
    std::vector<char*> environment = {const_cast<char*>(tmp.c_str()), const_cast<char*>(config.c_str()),
                                      nullptr};
    std::vector<std::string> words = {ZQ_CLI_PATH, "show", m_radio};
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, ZQ_CLI_PATH, &actions, nullptr, argv.data(), environment.data()), 0);
    posix_spawn_file_actions_destroy(&actions);
    ::close(ends[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 2);
    EXPECT_TRUE(TemporaryFolderEmpty());
}

TEST_F(CliOutput, AnOutputIsNeverTheInputOfAnotherKind)
{
    const std::string before = ReadFileText(m_radio);
    EXPECT_EQ(Cli("export " + ShellQuote(m_radio) + " --output " + ShellQuote(m_radio), "/dev/null"), 2);
    EXPECT_EQ(ReadFileText(m_radio), before);

    const std::string list = m_home.File("list.csv");
    WriteFileText(list, "Location,Frequency\n2,146.52\n");
    EXPECT_EQ(Cli("import " + ShellQuote(list) + " --output " + ShellQuote(list), "/dev/null"), 2);
    EXPECT_EQ(ReadFileText(list), "Location,Frequency\n2,146.52\n");

    // Writing over a file of the same kind goes through a temporary file beside it.
    EXPECT_EQ(Cli("export " + ShellQuote(m_radio) + " --output " + ShellQuote(list), "/dev/null"), 0);
    EXPECT_NE(ReadFileText(list).find("\n1,,145.500000,"), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_home.Path()), {}), 3) << "tmp, radio.vlk and list.csv";
}

TEST_F(CliOutput, ALinkAnotherUserPlantedInASharedFolderIsNotFollowed)
{
    // A folder like /tmp, and in it a link that belongs to someone else, pointing at one of our files.
    const std::string shared = m_home.File("shared");
    fs::create_directories(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string link = shared + "/out.vlk";
    fs::create_symlink(m_radio, link);
    constexpr uid_t kOtherUser = 54321;
    if (::lchown(link.c_str(), kOtherUser, kOtherUser) != 0) {
        GTEST_SKIP() << "only root can give a link to another user";
    }
    const std::string before = ReadFileText(m_radio);
    const std::string list = m_home.File("list.csv");
    WriteFileText(list, "Location,Frequency\n2,146.52\n");
    EXPECT_EQ(Cli("import " + ShellQuote(list) + " --output " + ShellQuote(link), "/dev/null"), 2);
    EXPECT_EQ(ReadFileText(m_radio), before);

    // Our own link in the same folder is followed.
    ASSERT_EQ(::lchown(link.c_str(), ::geteuid(), ::getegid()), 0);
    EXPECT_EQ(Cli("import " + ShellQuote(list) + " --output " + ShellQuote(link), "/dev/null"), 0);
    EXPECT_NE(ReadFileText(m_radio), before);
}

} // namespace
