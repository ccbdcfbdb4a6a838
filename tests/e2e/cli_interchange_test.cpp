#include "../core/test_files.h"
#include "../support/cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Standard output and standard error apart, for the subcommands that report on standard error.
struct SSplitResult
{
    int status = -1;
    std::string output;
    std::string errors;
};

SSplitResult RunSplit(const std::string& arguments, const CTempDir& home)
{
    const std::string errors = home.File("stderr.txt");
    const SCliResult run = RunCli(SCliRun{arguments, home.Path().string(), {}, {}, ShellQuote(errors)});
    return {run.status, run.output, ReadFileText(errors)};
}

constexpr const char* kProfile = "--profile 5,0,2 ";

// A document with memory channel 10 in use, made through "exec".
std::string MakeFile(const CTempDir& home, const std::string& name)
{
    std::string file = home.File(name);
    RunCli("exec " + std::string(kProfile) + "--save " + ShellQuote(file) +
               " CH.MCH.10.FREQUENCY=145.5 CH.MCH.10.APPEAR=ON CH.MCH.10.NAME=accept",
           home.Path().string());
    return file;
}

TEST(CliExport, WritesTheChannelsInUseAsCsv)
{
    CTempDir home;
    const std::string file = MakeFile(home, "a.vlk");
    const SCliResult toOutput =
        RunCli("export " + std::string(kProfile) + ShellQuote(file), home.Path().string());
    EXPECT_EQ(toOutput.status, 0);
    EXPECT_EQ(
        toOutput.output.substr(0, toOutput.output.find('\n')),
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,"
        "CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE");
    EXPECT_NE(toOutput.output.find("\n10,ACCEPT,145.500000,"), std::string::npos) << toOutput.output;
    EXPECT_EQ(toOutput.output.find("CALL_144"), std::string::npos);

    const std::string csv = home.File("all.csv");
    const SCliResult all = RunCli("export --all " + std::string(kProfile) + ShellQuote(file) + " --output " +
                                      ShellQuote(csv) + " --format CSV",
                                  home.Path().string());
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.output, "");
    EXPECT_NE(ReadFileText(csv).find("\nCALL_144,"), std::string::npos);

    const SCliResult missing =
        RunCli("export " + ShellQuote(home.File("none.vlk")), home.Path().string(), true);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.output, "CANNOT_OPEN_FILE\n");
    EXPECT_EQ(RunCli("export --format xls " + ShellQuote(file), home.Path().string()).status, 64);
}

TEST(CliImport, ReportsEveryRowNotStoredExactly)
{
    CTempDir home;
    const std::string csv = home.File("club.csv");
    WriteFileText(csv, "\xEF\xBB\xBF"
                       "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Club\r\n"
                       "20,\"Club, net\",146.940000,-,0.600000,Tone,100.0,FM,yes\r\n"
                       "21,SPLIT,145.000000,split,446.000000,,88.5,FM,\r\n"
                       "22,LINK,147.000000,+,0.600000,Tone,69.4,FM,\r\n");
    const std::string out = home.File("out.vlk");
    const SSplitResult r =
        RunSplit("import " + std::string(kProfile) + ShellQuote(csv) + " --output " + ShellQuote(out), home);
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.errors, "line 2: Name 'Club, net' stored as 'CLUB'\n"
                        "line 3: Duplex 'split' transmits on 446.000000, 301.000000 MHz from the receive "
                        "frequency, more than the largest offset (60.000000), row skipped\n"
                        "line 4: 69.4 is not a tone, stored 69.3\n");
    const SCliResult rows = RunCli(
        "exec " + std::string(kProfile) + "--open " + ShellQuote(out) +
            " CH.MCH.20.DUPLEX_SELECTION CH.MCH.21.APPEAR CH.MCH.22.REPEATER_TONE_FREQUENCY CH.MCH.0.APPEAR",
        home.Path().string());
    EXPECT_EQ(rows.output, "Dup-\nOFF\n69.3\nON\n")
        << "the rows onto a new document, which keeps its channel 0";

    const std::string strict = home.File("strict.vlk");
    EXPECT_EQ(RunSplit("import --strict " + std::string(kProfile) + ShellQuote(csv) + " --output " +
                           ShellQuote(strict),
                       home)
                  .status,
              65);
    EXPECT_FALSE(std::filesystem::exists(strict)) << "--strict writes nothing when rows were changed";

    // Onto a base file; a list that goes in exactly.
    const std::string base = MakeFile(home, "base.vlk");
    WriteFileText(csv, "Frequency,Location\n147.5,11\n");
    const SSplitResult exact =
        RunSplit("import --strict " + std::string(kProfile) + "--base " + ShellQuote(base) + " " +
                     ShellQuote(csv) + " --output " + ShellQuote(out),
                 home);
    EXPECT_EQ(exact.status, 0);
    EXPECT_EQ(exact.errors, "");
    EXPECT_EQ(RunCli("exec " + std::string(kProfile) + "--open " + ShellQuote(out) +
                         " CH.MCH.10.NAME CH.MCH.11.FREQUENCY",
                     home.Path().string())
                  .output,
              "ACCEPT\n147.5000\n");

    WriteFileText(csv, "Name,Mode\nX,FM\n");
    const SSplitResult unusable =
        RunSplit("import " + ShellQuote(csv) + " --output " + ShellQuote(out), home);
    EXPECT_EQ(unusable.status, 2);
    EXPECT_EQ(unusable.errors, "line 1: no Location column, nothing imported\n"
                               "line 1: no Frequency column, nothing imported\n");
    EXPECT_EQ(
        RunSplit("import " + ShellQuote(home.File("none.csv")) + " --output " + ShellQuote(out), home).status,
        2);
    EXPECT_EQ(RunSplit("import " + ShellQuote(csv), home).status, 64) << "--output is required";
}

// The channels' names in an exported list, in channel order.
std::vector<std::string> ExportedNames(const std::string& file, const CTempDir& home)
{
    const std::string csv =
        RunCli("export " + std::string(kProfile) + ShellQuote(file), home.Path().string()).output;
    std::vector<std::string> names;
    for (size_t line = csv.find('\n'); line != std::string::npos && line + 1 < csv.size();
         line = csv.find('\n', line + 1)) {
        const size_t name = csv.find(',', line) + 1;
        names.push_back(csv.substr(name, csv.find(',', name) - name));
    }
    return names;
}

// The placements themselves are the import's (channel_csv_test); here the options reach it, and wrong ones
// are usage errors.
TEST(CliImport, PlacementOptions)
{
    CTempDir home;
    const std::string base = MakeFile(home, "base.vlk"); // 00-03 and 10 in use
    const std::string csv = home.File("list.csv");
    WriteFileText(csv, "Location,Name,Frequency\n1,ONE,146.52\n1,TWO,146.55\n7,WIDE,223.5\n");
    const std::string out = home.File("out.vlk");
    const SSplitResult r =
        RunSplit("import " + std::string(kProfile) + "--place order --from 9 --base " + ShellQuote(base) +
                     " " + ShellQuote(csv) + " --output " + ShellQuote(out),
                 home);
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.errors, "line 4: 223.500000 is outside the transceiver's bands, stored and marked ?\n");
    EXPECT_EQ(ExportedNames(out, home), (std::vector<std::string>{"", "", "", "", "ONE", "TWO", "WIDE"}));
    for (const char* wrong : {"--place first", "--from 100", "--from P1A", "--place location --from 5"}) {
        EXPECT_EQ(RunSplit("import " + std::string(wrong) + " " + ShellQuote(csv) + " --output " +
                               ShellQuote(home.File("x.vlk")),
                           home)
                      .status,
                  64)
            << wrong;
    }
}

// A 2 m, a 70 cm and a 6 m list as clubs publish them, each numbered from 1, merged onto one radio.
TEST(CliImport, ListsMergedIntoTheFreeChannelsUntilTheRadioIsFull)
{
    CTempDir home;
    const auto list = [](const std::vector<std::string>& rows) {
        std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n";
        for (size_t i = 0; i < rows.size(); ++i) {
            text += std::to_string(i + 1) + "," + rows[i] + "\r\n";
        }
        return text;
    };
    const auto mhz = [](int khz) { return std::to_string(khz / 1000) + "." + std::to_string(khz % 1000); };
    std::vector<std::string> usable;
    std::vector<std::string> rows2m;
    for (int i = 0; i < 36; ++i) {
        usable.push_back("2M" + std::to_string(i));
        rows2m.push_back(usable.back() + "," + mhz(145110 + 30 * i) + ",-,0.6,Tone,100.0");
    }
    rows2m.push_back("220A,223.500,-,1.6,Tone,100.0"); // 1.25 m, line 38
    rows2m.push_back("220B,224.100,-,1.6,,");
    rows2m.push_back("SPLIT,147.330,split,147.930,Tone,103.5"); // line 40
    usable.push_back("SPLIT");
    rows2m.push_back("XBAND,146.000,split,446.000,,");
    std::vector<std::string> rows70;
    for (int i = 0; i < 37; ++i) {
        usable.push_back("70C" + std::to_string(i));
        rows70.push_back(usable.back() + "," + mhz(442000 + 25 * i) + ",+,5.0,Tone,131.8");
    }
    rows70.push_back("33A,927.100,-,25.0,,"); // 33 cm, line 39
    rows70.push_back("33B,927.200,-,25.0,,");
    rows70.push_back("33C,903.000,,,,");
    std::vector<std::string> rows6m;
    for (int i = 0; i < 29; ++i) {
        rows6m.push_back("6M" + std::to_string(i) + "," + mhz(51620 + 20 * i) + ",-,0.5,Tone,100.0");
    }
    rows6m.push_back("TOP,54.000,,,,"); // above 53.995, line 31
    const std::string csv2m = home.File("2m.csv");
    const std::string csv70 = home.File("70cm.csv");
    const std::string csv6m = home.File("6m.csv");
    WriteFileText(csv2m, list(rows2m));
    WriteFileText(csv70, list(rows70));
    WriteFileText(csv6m, list(rows6m));

    const std::string radio = home.File("radio.vlk");
    const auto import = [&](const std::string& csv, bool onBase) {
        return RunSplit("import " + std::string(kProfile) + "--place free --fitting " +
                            (onBase ? "--base " + ShellQuote(radio) + " " : std::string()) + ShellQuote(csv) +
                            " --output " + ShellQuote(radio),
                        home);
    };
    const std::string outside = " is outside the transceiver's bands, row skipped\n";
    const SSplitResult first = import(csv2m, false);
    EXPECT_EQ(first.status, 65);
    EXPECT_EQ(first.errors,
              "line 38: 223.500000" + outside + "line 39: 224.100000" + outside +
                  "line 40: Duplex 'split' transmitting on 147.930000 stored as Duplex + Offset "
                  "0.600000\n"
                  "line 41: Duplex 'split' transmits on 446.000000, 300.000000 MHz from the receive "
                  "frequency, more than the largest offset (60.000000), row skipped\n");
    const SSplitResult second = import(csv70, true);
    EXPECT_EQ(second.status, 65);
    EXPECT_EQ(second.errors, "line 39: 927.100000" + outside + "line 40: 927.200000" + outside +
                                 "line 41: 903.000000" + outside);
    // 4 channels of the new document and 74 rows are in use: 22 rows of the 6 m list find a channel.
    const SSplitResult third = import(csv6m, true);
    EXPECT_EQ(third.status, 65);
    std::string full;
    for (int line = 24; line <= 30; ++line) {
        full += "line " + std::to_string(line) + ": no free channel left, row skipped\n";
    }
    EXPECT_EQ(third.errors, full + "line 31: 54.000000" + outside);
    for (int i = 0; i < 22; ++i) {
        usable.push_back("6M" + std::to_string(i));
    }

    std::vector<std::string> names = ExportedNames(radio, home);
    ASSERT_EQ(names.size(), 100U);
    names.erase(names.begin(), names.begin() + 4);
    EXPECT_EQ(names, usable);
}

TEST(CliDiffAndSet, ADiffShowsExactlyTheChangeASetMade)
{
    CTempDir home;
    const std::string a = MakeFile(home, "a.vlk");
    const SCliResult same =
        RunCli("diff " + std::string(kProfile) + ShellQuote(a) + " " + ShellQuote(a), home.Path().string());
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.output, "");

    const std::string b = home.File("b.vlk");
    const SSplitResult set = RunSplit("set " + std::string(kProfile) + ShellQuote(a) + " --output " +
                                          ShellQuote(b) + " 10 Frequency=146.52",
                                      home);
    EXPECT_EQ(set.status, 0);
    EXPECT_EQ(set.errors, "");
    const SCliResult changed =
        RunCli("diff " + std::string(kProfile) + ShellQuote(a) + " " + ShellQuote(b), home.Path().string());
    EXPECT_EQ(changed.status, 1);
    EXPECT_EQ(changed.output, "MCH 10  Frequency 145.5000 -> 146.5200\n");

    // A blank channel becomes a sound one: the dialog's defaults, not the slot's leftover bytes.
    const std::string c = home.File("c.vlk");
    const SSplitResult blank = RunSplit("set " + std::string(kProfile) + ShellQuote(b) + " --output " +
                                            ShellQuote(c) + " 40 Frequency=145.5 Name=a=b Mode=AM",
                                        home);
    EXPECT_EQ(blank.status, 65);
    EXPECT_EQ(blank.errors,
              "40: Name 'a=b' stored as 'A=B'\n40: Mode AM is not allowed at 145.500000, stored FM\n");
    EXPECT_EQ(
        RunCli("diff " + std::string(kProfile) + ShellQuote(b) + " " + ShellQuote(c), home.Path().string())
            .output,
        "MCH 40  Frequency (blank) -> 145.5000\nMCH 40  Offset freq. (blank) -> 0.0000\n"
        "MCH 40  Name (blank) -> A=B\nMCH 40  Repeater Tone (blank) -> 88.5\n"
        "MCH 40  CTCSS freq. (blank) -> 88.5\nMCH 40  Mode (blank) -> FM\n");

    const SSplitResult missing =
        RunSplit("diff " + ShellQuote(a) + " " + ShellQuote(home.File("none.vlk")), home);
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.errors.find("none.vlk: CANNOT_OPEN_FILE"), std::string::npos);
    EXPECT_EQ(
        RunSplit("set " + ShellQuote(a) + " --output " + ShellQuote(c) + " P10A Frequency=1", home).status,
        64);
    EXPECT_EQ(RunSplit("set " + ShellQuote(a) + " --output " + ShellQuote(c) + " 10 Power=high", home).status,
              64);
    EXPECT_EQ(RunSplit("set " + ShellQuote(home.File("none.vlk")) + " --output " + ShellQuote(c) +
                           " 10 Frequency=1",
                       home)
                  .status,
              2);
}

} // namespace
