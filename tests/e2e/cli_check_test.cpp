#include "../core/test_files.h"
#include "../support/cli_runner.h"
#include "../support/sim_process.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// `zql52-cli check` ends with the code of the step that failed and lists every step. Each transceiver
// fault's own step and words are the check's (cable_check_test); here one of them, and the two that need
// the real system: a device that is not there and a user that may not open it.
TEST(CliCheck, EachFaultHasItsOwnDiagnosisAndExitCode)
{
    CTempDir home;
    struct SCase
    {
        const char* name;
        // The virtual transceiver's options; none for a device that does not exist.
        std::vector<std::string> sim;
        int status;
        std::string words;
        // The device may not be opened by the user the check runs as.
        bool refused = false;
    };
    const SCase cases[] = {
        {"no device", {}, 101, "does not exist. Serial devices there now:"},
        {"permission denied", {"--version", "5,0,2"}, 102, "sudo usermod -aG ", true},
        {"silent transceiver",
         {"--version", "5,0,2", "--fault", "off"},
         107,
         "The transceiver is off or not in clone mode."},
        {"all well", {"--version", "5,0,2"}, 0, "[OK]          The transceiver answers"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CSimProcess sim;
        std::string device = home.File("ttyUSB-gone");
        if (!c.sim.empty()) {
            ASSERT_TRUE(sim.Start(c.sim));
            device = sim.Device();
        }
        SCliRun run;
        run.arguments = "check --port " + ShellQuote(device) + " --profile 5,0,2";
        run.home = home.Path().string();
        if (c.refused) {
            // Root opens any device: the check then runs as nobody, whom the terminal's group leaves out.
            if (::geteuid() == 0) {
                run.environment = "setpriv --reuid=65534 --regid=65534 --clear-groups ";
            } else {
                ASSERT_EQ(::chmod(device.c_str(), 0), 0);
            }
        }
        const SCliResult result = RunCli(run);
        EXPECT_EQ(result.status, c.status) << result.output;
        EXPECT_NE(result.output.find(c.words), std::string::npos) << result.output;
        // Only the last step that ran failed, and every step is listed.
        const size_t failed = result.output.find("[FAILED]");
        EXPECT_EQ(failed == std::string::npos, c.status == 0) << result.output;
        if (failed != std::string::npos) {
            EXPECT_EQ(result.output.find("[OK]", failed), std::string::npos) << result.output;
        }
        EXPECT_NE(result.output.find("The transceiver answers"), std::string::npos) << result.output;
        if (!c.sim.empty()) {
            EXPECT_EQ(sim.Stop(), 0) << sim.Diagnostics();
        }
    }
}

} // namespace
