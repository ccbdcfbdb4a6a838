#include "../core/test_files.h"
#include "../support/cli_runner.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// One memory channel as exec commands: in use, with its frequency, name and tone.
struct SChannel
{
    std::string frequency;
    std::string name;
    std::string toneMode = "OFF";
    std::string skip = "OFF";
    std::string mode = "FM";
};

// Saves a clone data file holding the channels at the given memory channel numbers.
std::string MakeFile(const CTempDir& home, const std::string& name,
                     const std::vector<std::pair<int, SChannel>>& channels)
{
    std::string file = home.File(name);
    std::string commands;
    for (int row = 0; row < 100; ++row) {
        commands += "CH.MCH." + std::to_string(row) + ".CLEAR\n";
    }
    for (const auto& [row, channel] : channels) {
        // A cleared channel keeps its other fields; give every one a value.
        const std::string prefix = "CH.MCH." + std::to_string(row) + ".";
        for (const std::string& field : std::vector<std::string>{
                 "APPEAR=ON", "FREQUENCY=" + channel.frequency,
                 "NAME=" + (channel.name.empty() ? " " : channel.name), "TONE_SELECTION=" + channel.toneMode,
                 "SKIP=" + channel.skip, "MODE=" + channel.mode, "DUPLEX_SELECTION=OFF",
                 "REPEATER_FREQUENCY=0", "REPEATER_TONE_FREQUENCY.ByNumber=0", "TSQL_FREQUENCY.ByNumber=0",
                 "HEAL"}) {
            commands += prefix + field + "\n";
        }
    }
    const SCliResult r =
        RunCli("exec --profile 5,0,2 --save " + ShellQuote(file), home.Path().string(), false, commands);
    EXPECT_EQ(r.status, 0);
    return file;
}

std::string Show(const CTempDir& home, const std::string& file)
{
    const SCliResult r = RunCli("show --profile 5,0,2 " + ShellQuote(file), home.Path().string());
    EXPECT_EQ(r.status, 0);
    return r.output;
}

const SChannel kLow{"144.8000", "LOW"};
const SChannel kMid{"145.5000", "MID", "TSQL"};
const SChannel kHigh{"433.5000", "HIGH"};
const SChannel kTop{"1295.0000", "ATOP"};

TEST(CliSort, ShuffledListGivesTheSortedList)
{
    CTempDir home;
    const std::string shuffled =
        MakeFile(home, "shuffled.vlk", {{3, kHigh}, {5, kTop}, {6, kLow}, {9, kMid}, {40, kLow}});
    const std::string sorted = home.File("sorted.vlk");
    const SCliResult r = RunCli("sort --profile 5,0,2 --range 0-30 " + ShellQuote(shuffled) + " --output " +
                                    ShellQuote(sorted),
                                home.Path().string(), true);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_EQ(Show(home, sorted),
              Show(home, MakeFile(home, "expected.vlk",
                                  {{0, kLow}, {1, kMid}, {2, kHigh}, {3, kTop}, {40, kLow}})));

    const std::string byName = home.File("name.vlk");
    ASSERT_EQ(
        RunCli("sort --profile 5,0,2 --by name " + ShellQuote(shuffled) + " --output " + ShellQuote(byName),
               home.Path().string())
            .status,
        0);
    EXPECT_EQ(Show(home, byName),
              Show(home, MakeFile(home, "expected-name.vlk",
                                  {{0, kTop}, {1, kHigh}, {2, kLow}, {3, kLow}, {4, kMid}})));
}

TEST(CliCompact, ClosesTheGapsOfTheRange)
{
    CTempDir home;
    const std::string gaps = MakeFile(home, "gaps.vlk", {{3, kHigh}, {5, kTop}, {6, kLow}, {9, kMid}});
    const std::string compacted = home.File("compacted.vlk");
    ASSERT_EQ(RunCli("compact --profile 5,0,2 --range 4-9 " + ShellQuote(gaps) + " --output " +
                         ShellQuote(compacted),
                     home.Path().string())
                  .status,
              0);
    EXPECT_EQ(Show(home, compacted),
              Show(home, MakeFile(home, "expected.vlk", {{3, kHigh}, {4, kTop}, {5, kLow}, {6, kMid}})));
}

TEST(CliFill, SetsTheFieldWhereItIsAllowedAndReportsTheRest)
{
    CTempDir home;
    const SChannel six{"51.0000", "SIX"};
    const std::string file = MakeFile(home, "fill.vlk", {{3, kLow}, {5, six}, {8, kMid}, {9, six}});
    const std::string filled = home.File("filled.vlk");
    const SCliResult r = RunCli("fill --profile 5,0,2 --range 0-8 " + ShellQuote(file) + " --output " +
                                    ShellQuote(filled) + " mode=am",
                                home.Path().string(), true);
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.output, "03 skipped: Mode AM is not allowed at 144.800000, left as it was\n"
                        "08 skipped: Mode AM is not allowed at 145.500000, left as it was\n"
                        "filled 00-08: 1 row changed\n");
    SChannel sixAm = six;
    sixAm.mode = "AM";
    EXPECT_EQ(Show(home, filled),
              Show(home, MakeFile(home, "expected.vlk", {{3, kLow}, {5, sixAm}, {8, kMid}, {9, six}})));

    const std::string skipped = home.File("skip.vlk");
    EXPECT_EQ(
        RunCli("fill --profile 5,0,2 " + ShellQuote(file) + " --output " + ShellQuote(skipped) + " Skip=S",
               home.Path().string())
            .status,
        0)
        << "every channel took the value as given";
}

TEST(CliOperations, ExitCodes)
{
    CTempDir home;
    const std::string file = MakeFile(home, "a.vlk", {{1, kLow}});
    const std::string in = ShellQuote(file);
    const std::string out = " --output " + ShellQuote(home.File("out.vlk"));
    const std::string missing = ShellQuote(home.File("none.vlk"));
    const std::string unwritable = " --output " + ShellQuote(home.File("no/dir.vlk"));
    const std::pair<std::string, int> cases[] = {
        {"sort --help", 0},
        {"compact --help", 0},
        {"fill --help", 0},
        {"fill " + in + out, 64},
        {"fill " + in + out + " Name=X", 64},
        {"fill " + in + out + " Colour=red", 64},
        {"fill " + in + out + " Mode", 64},
        {"fill " + in + out + " Mode=USB", 64},
        {"fill " + missing + out + " Skip=S", 2},
        {"sort " + in, 64},
        {"sort " + in + " " + in + out, 64},
        {"sort --by colour " + in + out, 64},
        {"sort --range 9-3 " + in + out, 64},
        {"compact --range 0-100 " + in + out, 64},
        {"compact --range 5 " + in + out, 64},
        {"compact --frobnicate " + in + out, 64},
        {"sort " + missing + out, 2},
        {"compact " + in + unwritable, 2},
        {"compact --range 00-09 " + in + out, 0},
    };
    for (const auto& [arguments, status] : cases) {
        EXPECT_EQ(RunCli(arguments, home.Path().string()).status, status) << arguments;
    }
}

} // namespace
