#include "../core/test_files.h"
#include "../support/cli_runner.h"
#include "../support/sim_process.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>
#include <vector>

namespace {

TEST(CliExec, AnswersEachCommandOnALine)
{
    CTempDir home;
    const SCliResult r = RunCli("exec CH.PCH.3B.FREQUENCY COMMON.RF_POWER.ByNumber=2 Model.50M_EXIST NOSUCH "
                                "COMMON.BEEP",
                                home.Path().string());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.output, "1300.0000\n0\nNG\n\nON\n") << "an unknown command prints an empty line";

    const SCliResult fromInput = RunCli("exec --profile 5,0,2", home.Path().string(), false,
                                        "Model.50M_EXIST\r\nCH.MCH.0.FREQUENCY\n");
    EXPECT_EQ(fromInput.output, "OK\n51.0000\n") << "one command per line of standard input";
}

TEST(CliExec, OpenAndSaveRoundTripByteForByte)
{
    CTempDir home;
    const std::string a = home.File("a.vlk");
    const std::string b = home.File("b.vlk");
    ASSERT_EQ(RunCli("exec --profile 0,1,2 --save " + ShellQuote(a) +
                         " CH.MCH.9.FREQUENCY=145.5 CH.MCH.9.APPEAR=ON "
                         "CH.MCH.9.NAME=test",
                     home.Path().string())
                  .status,
              0);
    ASSERT_EQ(RunCli("exec --profile 0,1,2 --open " + ShellQuote(a) + " --save " + ShellQuote(b),
                     home.Path().string())
                  .status,
              0);
    EXPECT_EQ(ReadFileText(a), ReadFileText(b));
    const SCliResult r =
        RunCli("exec --profile 0,1,2 --open " + ShellQuote(b) + " CH.MCH.9.NAME", home.Path().string());
    EXPECT_EQ(r.output, "TEST  \n");
}

TEST(CliExec, FailuresAndUsage)
{
    CTempDir home;
    const SCliResult missing =
        RunCli("exec --open " + ShellQuote(home.File("none.vlk")), home.Path().string(), true);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "CANNOT_OPEN_FILE\n");
    const SCliResult badSave =
        RunCli("exec --save " + ShellQuote(home.File("no/dir.vlk")), home.Path().string(), true);
    EXPECT_EQ(badSave.status, 2);
    EXPECT_EQ(RunCli("exec --profile 12,0,0", home.Path().string()).status, 64);
    EXPECT_EQ(RunCli("exec --frobnicate", home.Path().string()).status, 64);
    EXPECT_EQ(RunCli("", home.Path().string()).status, 64);
    EXPECT_EQ(RunCli("show", home.Path().string()).status, 64);
}

TEST(CliShow, PrintsTheListViewRows)
{
    CTempDir home;
    const std::string file = home.File("list.vlk");
    ASSERT_EQ(
        RunCli("exec --profile 5,0,2 --save " + ShellQuote(file) +
                   " CH.MCH.5.FREQUENCY=250 CH.MCH.5.APPEAR=ON CH.MCH.6.FREQUENCY=145.5 CH.MCH.6.APPEAR=ON"
                   " CH.MCH.6.DUPLEX_SELECTION=Dup- CH.MCH.6.SKIP=ON CH.MCH.6.TONE_SELECTION=TSQL"
                   " CH.MCH.6.NAME=rpt",
               home.Path().string())
            .status,
        0);
    const SCliResult r = RunCli("show --profile 5,0,2 " + ShellQuote(file), home.Path().string());
    ASSERT_EQ(r.status, 0);
    const std::vector<std::string> lines = TextLines(r.output);
    ASSERT_EQ(lines.size(), 125U);
    EXPECT_EQ(lines[0],
              "CH\tFrequency\tDuplex\tOffset freq.\tName\tTone\tRepeater Tone\tCTCSS freq.\tSkip\tMode  \t");
    EXPECT_EQ(lines[1], "00\t51.0000\t\t0.5000\t\t\t88.5\t88.5\t\tFM\t");
    EXPECT_EQ(lines[5], "04\t\t\t\t\t\t\t\t\t\t") << "a blank channel shows only its label";
    EXPECT_EQ(lines[6].substr(0, 14), "05\t250.0000 ?\t") << "an illegal channel is marked";
    // A blank slot's leftover 0xFF bytes read as the largest offset and the first tone.
    EXPECT_EQ(lines[7], "06\t145.5000\t-Dup\t60.0000\tRPT\tTSQL\t67.0\t67.0\tSKIP\tFM\t");
    EXPECT_EQ(lines[101].substr(0, 4), "P0A\t");
    EXPECT_EQ(lines[121], "CALL_50M\t51.0000\t\t0.0000\t------\t\t88.5\t88.5\t----\tFM\t");
    EXPECT_EQ(lines[124].substr(0, 10), "CALL_1200\t");

    const SCliResult without = RunCli("show --profile 5,0,0 " + ShellQuote(file), home.Path().string());
    EXPECT_EQ(TextLines(without.output)[121].substr(0, 9), "CALL_WFM\t");
}

TEST(CliUsage, HelpPrintsTheUsageAndSucceeds)
{
    CTempDir home;
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {"--help", {"usage: zql52-cli COMMAND", "exec ", "show ", "info ", "read ", "write ", "sim "}},
        {"info --help", {"usage: zql52-cli info --port PORT [--profile D,L,F]", "check its version", "90"}},
        {"exec --help", {"usage: zql52-cli exec "}},
        {"show --help", {"usage: zql52-cli show "}},
        {"read --port COM1 --help", {"usage: zql52-cli read "}},
        {"write --help", {"usage: zql52-cli write "}},
        {"sim --help", {"usage: zql52-cli sim ", "--fault NAME"}},
        {"sort --help", {"usage: zql52-cli sort ", "--range A-B"}},
    };
    for (const auto& [arguments, texts] : cases) {
        const SCliResult r = RunCli(arguments, home.Path().string());
        EXPECT_EQ(r.status, 0) << arguments;
        for (const std::string& text : texts) {
            EXPECT_NE(r.output.find(text), std::string::npos) << arguments << ": " << text << "\n"
                                                              << r.output;
        }
    }
    EXPECT_EQ(RunCli("frobnicate --help", home.Path().string()).status, 64);
}

// A signal ends exec like any other subcommand: its temporary file goes with it.
TEST(CliExec, SignalsLeaveNoTemporaryFileBehind)
{
    for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
        CTempDir home;
        const std::filesystem::path temporary = home.Path() / "tmp";
        std::filesystem::create_directory(temporary);
        CChildProcess cli;
        // Waiting for commands on standard input, which stays open.
        ASSERT_TRUE(cli.Start({ZQ_CLI_PATH, "exec"},
                              {"TMPDIR=" + temporary.string(), "XDG_CONFIG_HOME=" + home.Path().string()},
                              true));
        // The limit only keeps a broken run from hanging the test.
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (std::filesystem::is_empty(temporary) && std::chrono::steady_clock::now() < end) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ASSERT_FALSE(std::filesystem::is_empty(temporary)) << "the document's file was never made";
        ASSERT_TRUE(cli.Signal(number));
        EXPECT_EQ(cli.Finish(), 128 + number) << cli.Err();
        EXPECT_TRUE(std::filesystem::is_empty(temporary)) << "signal " << number;
    }
}

} // namespace
