#pragma once

#include <string>
#include <string_view>

class CCloneSession;
class CRadioData;

// The document's three clone commands without their user interface: information read with the
// version check, read then load, save with safety then write. The desktop program adds the
// confirmations, the status bar and the message boxes; the command-line tool prints the texts.
enum class ECloneCommand
{
    Read,
    Write,
    Information,
};

// What the user is told about an outcome: the status-bar text and the message box text (empty when
// there is no box), with the numbered string each comes from.
struct SCloneOutcomeTexts
{
    int statusId = 0;
    std::string_view status;
    int messageId = 0;
    std::string_view message;
    bool warningIcon = false;
};

SCloneOutcomeTexts CloneOutcomeTexts(ECloneCommand command, int outcome);
// The numbered texts the clone commands show; empty for an unknown id.
std::string_view CloneText(int id);

class CCloneCommands
{
public:
    // The clone file is the exchange file between the session and the radio data.
    CCloneCommands(CRadioData& data, CCloneSession& session, std::string cloneFile);

    // 0, 77, 85, 90 or 91. On success the session holds the transceiver's information block.
    int Information();
    // 0, 1, 77, 85, 90 or 91. On 0 the radio data holds the received image; on anything else
    // nothing in it has changed.
    int Read();
    // 0, 1, 77, 80, 85, 90 or 91. The working image is left as it was.
    int Write();

private:
    int ReadAndCheckInformation();
    int CheckVersion();
    void UseProfileBytes();

    CRadioData& m_data;
    CCloneSession& m_session;
    std::string m_cloneFile;
};
