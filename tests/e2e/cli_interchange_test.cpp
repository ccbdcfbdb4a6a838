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
                       "21,SPLIT,145.000000,split,146.000000,,88.5,FM,\r\n"
                       "22,LINK,147.000000,+,0.600000,Tone,69.4,FM,\r\n");
    const std::string out = home.File("out.vlk");
    const SSplitResult r =
        RunSplit("import " + std::string(kProfile) + ShellQuote(csv) + " --output " + ShellQuote(out), home);
    EXPECT_EQ(r.status, 65);
    EXPECT_EQ(r.errors, "line 2: Name 'Club, net' stored as 'CLUB'\n"
                        "line 3: Duplex 'split' cannot be stored, row skipped\n"
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
