#include "../core/test_files.h"
#include "../support/cli_runner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr const char* kProfile = "--profile 5,0,2 ";
// 2024-05-01 00:00 UTC: the date the sheet's heading shows.
constexpr const char* kFixedDate = "SOURCE_DATE_EPOCH=1714521600 ";

// "export" with the environment given (a locale, the date), the settings in `home`.
SCliResult Export(const CTempDir& home, const std::string& environment, const std::string& arguments)
{
    return RunCli(
        SCliRun{"export " + std::string(kProfile) + arguments, home.Path().string(), {}, environment, "&1"});
}

// A document whose memory channels in use are exactly those the commands put in use (the default image
// has some in use; they are made blank first).
std::string MakeFile(const CTempDir& home, const std::string& name, const std::string& commands)
{
    std::string blank;
    for (int n = 0; n < 100; ++n) {
        blank += " CH.MCH." + std::to_string(n) + ".APPEAR=OFF";
    }
    std::string file = home.File(name);
    const SCliResult made =
        RunCli("exec " + std::string(kProfile) + "--save " + ShellQuote(file) + blank + " " + commands,
               home.Path().string());
    EXPECT_EQ(made.status, 0);
    return file;
}

std::string ChannelsInUse(int count)
{
    std::string commands;
    for (int n = 0; n < count; ++n) {
        const std::string prefix = " CH.MCH." + std::to_string(n) + ".";
        commands += prefix + "FREQUENCY=145.5" + prefix + "APPEAR=ON";
    }
    return commands;
}

// The first line at or after `from` that holds every one of `words`; lines.size() when there is none.
size_t FindLine(const std::vector<std::string>& lines, size_t from, const std::vector<std::string>& words)
{
    for (size_t i = from; i < lines.size(); ++i) {
        bool all = true;
        for (const std::string& word : words) {
            all = all && lines[i].find(word) != std::string::npos;
        }
        if (all) {
            return i;
        }
    }
    return lines.size();
}

int PageCount(const std::string& pdf)
{
    const SCliResult info = RunShell("pdfinfo " + ShellQuote(pdf) + " 2>&1");
    const size_t pages = info.output.find("Pages:");
    return info.status == 0 && pages != std::string::npos ? std::stoi(info.output.substr(pages + 6)) : -1;
}

TEST(CliExportPdf, SheetShowsTheHeadingThenEachChannelInOrder)
{
    CTempDir home;
    const std::string file = MakeFile(
        home, "club.vlk",
        "COMMON.CLONE_COMMENT='Club net 2' "
        "CH.MCH.0.FREQUENCY=145.5 CH.MCH.0.APPEAR=ON CH.MCH.0.NAME=CALLNG CH.MCH.0.TONE_SELECTION=TONE "
        "CH.MCH.0.REPEATER_TONE_FREQUENCY=100.0 "
        "CH.MCH.10.FREQUENCY=146.52 CH.MCH.10.APPEAR=ON CH.MCH.10.NAME=SIMPLX CH.MCH.10.TONE_SELECTION=TSQL "
        "CH.MCH.10.TSQL_FREQUENCY=123.0 "
        "CH.MCH.99.FREQUENCY=433.5 CH.MCH.99.APPEAR=ON CH.MCH.99.NAME=UHF CH.MCH.99.TONE_SELECTION=TSQL "
        "CH.MCH.99.TSQL_FREQUENCY=88.5");
    const std::string pdf = home.File("club.pdf");
    const SCliResult exported = Export(home, kFixedDate, ShellQuote(file) + " --output " + ShellQuote(pdf));
    ASSERT_EQ(exported.status, 0) << exported.output;
    EXPECT_EQ(exported.output, "") << "nothing on the terminal, not even Qt's notes";

    const SCliResult text = RunShell("pdftotext -layout " + ShellQuote(pdf) + " - 2>&1");
    ASSERT_EQ(text.status, 0) << text.output;
    const std::vector<std::string> lines = TextLines(text.output);
    const size_t heading = FindLine(lines, 0, {"club.vlk", "Printed 2024-05-01"});
    const size_t comment = FindLine(lines, heading, {"Comment: Club net 2", "destination USA"});
    const size_t header = FindLine(lines, comment, {"CH", "Frequency", "Name", "CTCSS freq.", "Mode"});
    const size_t ch00 = FindLine(lines, header, {"00", "145.5000", "CALLNG", "TONE", "100.0"});
    const size_t ch10 = FindLine(lines, ch00 + 1, {"10", "146.5200", "SIMPLX", "TSQL", "123.0"});
    const size_t ch99 = FindLine(lines, ch10 + 1, {"99", "433.5000", "UHF", "TSQL", "88.5"});
    const size_t footer = FindLine(lines, ch99 + 1, {"Page 1 of 1"});
    EXPECT_LT(footer, lines.size()) << text.output;
    EXPECT_EQ(FindLine(lines, 0, {"01 "}), lines.size()) << "blank channels are left out";

    // The format follows the extension; --all adds the blank channels, the settings and the DTMF memories.
    const std::string all = home.File("all.PDF");
    ASSERT_EQ(Export(home, kFixedDate, "--all " + ShellQuote(file) + " --output " + ShellQuote(all)).status,
              0);
    const std::vector<std::string> allLines =
        TextLines(RunShell("pdftotext -layout " + ShellQuote(all) + " - 2>&1").output);
    // A blank channel shows only its label.
    const auto blankLine = std::find_if(allLines.begin(), allLines.end(), [](const std::string& line) {
        return line.find_first_not_of(' ') != std::string::npos &&
               line.substr(line.find_first_not_of(' ')) == "01";
    });
    ASSERT_NE(blankLine, allLines.end());
    const auto blank = static_cast<size_t>(blankLine - allLines.begin());
    const size_t settings = FindLine(allLines, blank, {"Common settings"});
    EXPECT_LT(FindLine(allLines, settings, {"Operation Beep", "On"}), allLines.size());
    EXPECT_LT(FindLine(allLines, settings, {"DTMF memories"}), allLines.size());
    EXPECT_LT(FindLine(allLines, settings, {"Page 3 of 3"}), allLines.size());
}

TEST(CliExportPdf, PageCountFollowsTheChannelsInUseAndThePaper)
{
    CTempDir home;
    struct SCase
    {
        int channels;
        const char* locale;
        int pages;
    };
    // 62 rows fill the first page of A4; the edges and call channels follow the memory channels.
    for (const SCase& c : {SCase{0, "C", 1}, SCase{1, "C", 1}, SCase{60, "C", 2}, SCase{100, "C", 2},
                           SCase{100, "en_US.UTF-8", 2}}) {
        const std::string name = std::to_string(c.channels) + c.locale;
        const std::string file = MakeFile(home, name + ".vlk", ChannelsInUse(c.channels));
        const std::string pdf = home.File(name + ".pdf");
        const SCliResult exported =
            Export(home, "LC_ALL=" + std::string(c.locale) + " ",
                   "--format pdf " + ShellQuote(file) + " --output " + ShellQuote(pdf));
        ASSERT_EQ(exported.status, 0) << exported.output;
        EXPECT_EQ(PageCount(pdf), c.pages) << c.channels << " channels, " << c.locale;
        const std::string paper = c.locale == std::string("C") ? "(A4)" : "(letter)";
        EXPECT_NE(RunShell("pdfinfo " + ShellQuote(pdf) + " 2>&1").output.find(paper), std::string::npos)
            << name;
    }
}

TEST(CliExportPdf, FilesThatCannotBeReadOrWrittenExitTwo)
{
    CTempDir home;
    const std::string file = MakeFile(home, "a.vlk", ChannelsInUse(1));
    const SCliResult missing = Export(home, "", ShellQuote(home.File("none.vlk")) + " --format pdf");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "CANNOT_OPEN_FILE\n");
    const SCliResult unwritable =
        Export(home, "", ShellQuote(file) + " --output " + ShellQuote(home.File("no/such/folder/a.pdf")));
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.output.find("cannot write"), std::string::npos) << unwritable.output;
}

} // namespace
