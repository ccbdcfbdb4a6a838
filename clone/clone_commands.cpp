#include "clone/clone_commands.h"

#include "clone/clone_session.h"
#include "core/command_text.h"
#include "core/radio_data.h"

#include <array>
#include <utility>

namespace {

struct SText
{
    int id;
    std::string_view text;
};

constexpr std::array<SText, 14> kTexts = {{
    {5026, " Cloning completed."},
    {5027, " Err: Cannot read cloning data."},
    {5028, " Err: Cannot write cloning data."},
    {5029, " Err: Illegal information."},
    {5030,
     " The transceiver cannot be programmed. The cause may be:\n\n 1) The transceiver has not been cloned.\n"
     " 2) The transceiver's EEPROM is damaged.\n 3) The transceiver's revision number is not compatible\n"
     "    with the programming software.\n\n In cases 1 or 2, the transceiver requires factory\n"
     " maintenance. In case 3, the transceiver cannot be\n programmed using this program.\n\n"},
    {5031, " Terminated cloning.  "},
    {5032, " Err: Cannot access RS-232C port."},
    {5034, " Clone writing succeeded. \n\n Turn the transceiver power off and on to use \n"
           " the transceiver under its new conditions.\n"},
    {5035, " Check the following:\n\n - The RS-232C port settings.\n - Cloning cable connections.\n"
           " - Transceiver power is ON."},
    {5054, " Read from transceiver"},
    {5055, " Data has been edited."},
    {5056, " Write to transceiver"},
    {5058, " Err: Version number does not match."},
    {5061, " Check the following:\r\n\r\n - The RS-232C port settings.\r\n - Cloning cable connections.\r\n"
           " - Appropriate cloning software for the transceiver is being used.\r\n"
           " - The revision number of the transceiver.\n"},
}};
constexpr SText kVersionMessage = {5066, " The transceiver cannot be programmed with the\ncurrent setting. "
                                         "The transceiver's version \ndoes not match the initial setup.\n"};

SCloneOutcomeTexts Texts(int statusId, int messageId, bool icon)
{
    return {statusId, CloneText(statusId), messageId, CloneText(messageId), icon};
}

} // namespace

std::string_view CloneText(int id)
{
    if (id == kVersionMessage.id) {
        return kVersionMessage.text;
    }
    for (const SText& text : kTexts) {
        if (text.id == id) {
            return text.text;
        }
    }
    return {};
}

SCloneOutcomeTexts CloneOutcomeTexts(ECloneCommand command, int outcome)
{
    switch (outcome) {
    case clone_outcome::kSuccess:
        if (command == ECloneCommand::Write) {
            return Texts(5026, 5034, false);
        }
        return command == ECloneCommand::Read ? Texts(5026, 0, false) : SCloneOutcomeTexts{};
    case clone_outcome::kCancelled:
        return Texts(5031, 0, false);
    case clone_outcome::kModelMismatch:
        return Texts(5029, 5030, true);
    case clone_outcome::kVersionMismatch:
        return Texts(5058, 5066, true);
    case clone_outcome::kPortFailure:
        return Texts(5032, 5035, true);
    default:
        switch (command) {
        case ECloneCommand::Read:
            return Texts(5027, 5061, true);
        case ECloneCommand::Write:
            return Texts(5028, 5061, true);
        default:
            return Texts(5029, 5061, true);
        }
    }
}

CCloneCommands::CCloneCommands(CRadioData& data, CCloneSession& session, std::string cloneFile)
    : m_data(data), m_session(session), m_cloneFile(std::move(cloneFile))
{
}

void CCloneCommands::UseProfileBytes()
{
    m_session.SetModelBytes(m_data.GetProfile().model);
    m_session.SetRevisionBytes(m_data.GetProfile().revision);
}

int CCloneCommands::CheckVersion()
{
    const STransceiverProfile& profile = m_data.GetProfile();
    const STransceiverInformation& information = m_session.GetInformation();
    if (information.model != profile.model || information.revision != profile.revision) {
        return clone_outcome::kModelMismatch;
    }
    for (size_t i = 0; i < 3; ++i) {
        if (information.bytes[i] != profile.version[i]) {
            return clone_outcome::kVersionMismatch;
        }
    }
    UseProfileBytes();
    return clone_outcome::kSuccess;
}

int CCloneCommands::ReadAndCheckInformation()
{
    m_session.SetCloneFile(m_cloneFile);
    const int outcome = m_session.ReadInformation();
    return outcome == clone_outcome::kSuccess ? CheckVersion() : outcome;
}

int CCloneCommands::Information()
{
    const int outcome = ReadAndCheckInformation();
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    UseProfileBytes();
    return outcome;
}

int CCloneCommands::Read()
{
    int outcome = ReadAndCheckInformation();
    if (outcome == clone_outcome::kSuccess) {
        outcome = m_session.ReadFromTransceiver();
    }
    // Data that arrived but does not load never counts as a completed read.
    if (outcome == clone_outcome::kSuccess && m_data.LoadCloneFile(m_cloneFile) != answer::kOk) {
        outcome = clone_outcome::kCommunicationFailure;
    }
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    return outcome;
}

int CCloneCommands::Write()
{
    int outcome = ReadAndCheckInformation();
    if (outcome == clone_outcome::kSuccess) {
        // Never send an older exchange file when the current image could not be written to it.
        if (m_data.SaveCloneFile(m_cloneFile) != answer::kOk) {
            outcome = clone_outcome::kUnusableFile;
        } else {
            m_session.SetCloneFile(m_cloneFile);
            outcome = m_session.WriteToTransceiver();
        }
    }
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    return outcome;
}
