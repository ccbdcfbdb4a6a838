#include "clone/clone_commands.h"

#include "clone/clone_archive.h"
#include "clone/clone_protocol.h"
#include "clone/clone_session.h"
#include "clone/clone_ui.h"
#include "core/command_text.h"
#include "core/rig/radio_data.h"
#include "core/string_table.h"

#include <utility>

namespace {

SCloneOutcomeTexts Texts(int statusId, int messageId, bool icon)
{
    return {statusId, CloneText(statusId), messageId, CloneText(messageId), icon};
}

} // namespace

std::string_view CloneText(int id)
{
    return StringText(id);
}

SCloneOutcomeTexts CloneOutcomeTexts(ECloneCommand command, int outcome)
{
    switch (outcome) {
    case clone_outcome::kSuccess:
        if (command == ECloneCommand::Write) {
            return Texts(ids::kCloneCompleted, ids::kCloneWriteSucceeded, false);
        }
        return command == ECloneCommand::Read ? Texts(ids::kCloneCompleted, 0, false) : SCloneOutcomeTexts{};
    case clone_outcome::kCancelled:
        return Texts(ids::kCloneTerminated, 0, false);
    case clone_outcome::kModelMismatch:
        return Texts(ids::kIllegalInformation, ids::kCannotBeProgrammed, true);
    case clone_outcome::kVersionMismatch:
        return Texts(ids::kVersionMismatch, ids::kVersionNotSetUp, true);
    case clone_outcome::kPortFailure:
        return Texts(ids::kCannotAccessPort, ids::kCheckPortCablePower, true);
    default:
        switch (command) {
        case ECloneCommand::Read:
            return Texts(ids::kCannotReadCloneData, ids::kCheckPortCableSoftware, true);
        case ECloneCommand::Write:
            return Texts(ids::kCannotWriteCloneData, ids::kCheckPortCableSoftware, true);
        default:
            return Texts(ids::kIllegalInformation, ids::kCheckPortCableSoftware, true);
        }
    }
}

CCloneCommands::CCloneCommands(CRadioData& data, CCloneSession& session, std::string cloneFile)
    : m_data(data), m_session(session), m_cloneFile(std::move(cloneFile)),
      m_userArchive(std::make_unique<CCloneArchive>(DefaultArchiveFolder())), m_archive(m_userArchive.get())
{
}

CCloneCommands::~CCloneCommands() = default;

void CCloneCommands::KeepArchiveCopy(bool written)
{
    if (m_archive == nullptr) {
        return;
    }
    // A write keeps what the transceiver received: the exchange file just sent.
    const SArchiveResult result =
        written ? m_archive->StoreSent(m_data, m_cloneFile) : m_archive->Store(m_data, EArchiveKind::Read);
    if (result.stored) {
        return;
    }
    std::string text(CloneText(ids::kArchiveCopyFailed));
    if (const size_t place = text.find("%1"); place != std::string::npos) {
        text.replace(place, 2, result.error);
    }
    m_archiveFailure = text;
    if (ICloneHost* host = m_session.GetHost(); host != nullptr) {
        host->ShowStatus(m_archiveFailure);
    }
}

void CCloneCommands::UseProfileBytes()
{
    m_session.SetModelBytes(m_data.GetProfile().model);
    m_session.SetRevisionBytes(m_data.GetProfile().revision);
}

int CompareWithProfile(const STransceiverProfile& profile, const STransceiverInformation& information)
{
    if (information.model != profile.model || information.revision != profile.revision) {
        return clone_outcome::kModelMismatch;
    }
    for (size_t i = 0; i < clone_protocol::kVersionByteCount; ++i) {
        if (information.bytes.at(i) != profile.version.at(i)) {
            return clone_outcome::kVersionMismatch;
        }
    }
    return clone_outcome::kSuccess;
}

int CCloneCommands::CheckVersion()
{
    const int outcome = CompareWithProfile(m_data.GetProfile(), m_session.GetInformation());
    if (outcome == clone_outcome::kSuccess) {
        UseProfileBytes();
    }
    return outcome;
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
    m_archiveFailure.clear();
    int outcome = ReadAndCheckInformation();
    if (outcome == clone_outcome::kSuccess) {
        outcome = m_session.ReadFromTransceiver();
    }
    // Data that arrived but does not load never counts as a completed read.
    if (outcome == clone_outcome::kSuccess && m_data.LoadCloneFile(m_cloneFile) != answer::kOk) {
        outcome = clone_outcome::kCommunicationFailure;
    }
    if (outcome == clone_outcome::kSuccess) {
        KeepArchiveCopy(false);
    }
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    return outcome;
}

int CCloneCommands::Write()
{
    m_archiveFailure.clear();
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
    if (outcome == clone_outcome::kSuccess) {
        KeepArchiveCopy(true);
    }
    m_session.BeepResult(outcome == clone_outcome::kSuccess);
    return outcome;
}
