#pragma once

#include <memory>
#include <string>
#include <string_view>

class CCloneArchive;
class CCloneSession;
class CRadioData;
struct STransceiverInformation;
struct STransceiverProfile;

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

// The version check of the clone commands: 0 when the transceiver's information block matches the
// profile, 85 for another model or revision, 90 for other version bytes.
int CompareWithProfile(const STransceiverProfile& profile, const STransceiverInformation& information);

// The exchange file the commands are given lives in the temporary folder under this prefix.
inline constexpr std::string_view kExchangeFilePrefix = "cl";

class CCloneCommands
{
public:
    // The clone file is the exchange file between the session and the radio data.
    // Successful reads and writes keep a copy in the user's clone archive.
    CCloneCommands(CRadioData& data, CCloneSession& session, std::string cloneFile);
    ~CCloneCommands();
    CCloneCommands(const CCloneCommands&) = delete;
    CCloneCommands& operator=(const CCloneCommands&) = delete;

    // Another archive for the copies, or none to keep no copy. It must outlive the commands' use.
    void SetArchive(const CCloneArchive* archive) { m_archive = archive; }

    // 0, 77, 85, 90 or 91. On success the session holds the transceiver's information block.
    int Information();
    // 0, 1, 77, 85, 90 or 91. On 0 the radio data holds the received image; on anything else
    // nothing in it has changed.
    int Read();
    // 0, 1, 77, 80, 85, 90 or 91. The working image is left as it was.
    int Write();

    // Why the copy of the latest successful read or write could not be kept, as shown in the
    // status; empty when it was kept or none was due. The outcome never depends on it.
    const std::string& ArchiveFailure() const { return m_archiveFailure; }

private:
    int ReadAndCheckInformation();
    int CheckVersion();
    void UseProfileBytes();
    void KeepArchiveCopy(bool written);

    CRadioData& m_data;
    CCloneSession& m_session;
    std::string m_cloneFile;
    std::unique_ptr<CCloneArchive> m_userArchive;
    const CCloneArchive* m_archive = nullptr;
    std::string m_archiveFailure;
};
