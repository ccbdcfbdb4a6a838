#include "core/rig/radio_data.h"

#include "channels/command_keys.h"
#include "core/private_file.h"
#include "core/rig/rig_core.h"
#include "core/settings_store.h"
#include "core/temporary_file.h"

#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// "FILE.SAVE.", "FILE.SAVE.WithSafety." and "FILE.LOAD.", each followed by the quoted path.
const std::string kFileSave = keys::Path(keys::kFile, keys::kSave) + ".";
const std::string kFileSaveWithSafety = kFileSave + std::string(keys::kWithSafety) + ".";
const std::string kFileLoad = keys::Path(keys::kFile, keys::kLoad) + ".";
constexpr std::string_view kMachineName = "VL-L52";
constexpr std::string_view kTemporaryFilePrefix = "cw";

// The exchange files are the program's own: opened again only as such (see ReopenPrivateFile).
bool CanReopen(const std::string& path, int access)
{
    const int fd = ReopenPrivateFile(path, access);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

} // namespace

CRadioData::CRadioData(ISettingsStore* settings)
    : m_settings(settings), m_rig(std::make_unique<CRigCore>()),
      m_temporaryPath(MakeTemporaryFile(kTemporaryFilePrefix))
{
}

CRadioData::~CRadioData()
{
    if (!m_temporaryPath.empty()) {
        ::unlink(m_temporaryPath.c_str());
    }
}

void CRadioData::Initialize()
{
    ResetProfile();
    ApplyProfile(m_profile);
    Execute(keys::kInitialize);
    if (CanReopen(m_temporaryPath, O_RDWR)) {
        Execute(kFileSave + Quoted(m_temporaryPath));
    }
    SetEdited(false);
}

std::string CRadioData::Execute(std::string_view command)
{
    return m_rig->Execute(command);
}

bool CRadioData::IsEdited()
{
    return EqualsNoCase(Execute(keys::kEditFlag), answer::kOn);
}

void CRadioData::SetEdited(bool edited)
{
    Execute(std::string(keys::kEditFlag) + "=" + std::string(edited ? answer::kOn : answer::kOff));
}

bool CRadioData::ApplyProfile(const STransceiverProfile& /*profile*/)
{
    return true;
}

std::string CRadioData::GetMachineName() const
{
    return "Model Machine";
}

std::string CRadioData::GetModelComment() const
{
    return "Model Comment";
}

bool CRadioData::MatchProfile(const STransceiverProfile& /*profile*/, bool /*checkOnly*/)
{
    return true;
}

void CRadioData::ResetProfile()
{
    m_profile = STransceiverProfile{};
    m_profile.version.fill(' ');
}

std::string CRadioData::OpenDocument(const std::string& path)
{
    std::string result = Execute(kFileLoad + Quoted(path));
    if (result == answer::kOk) {
        Execute(keys::kHeal);
        SetEdited(false);
    }
    return result;
}

std::string CRadioData::SaveDocument(const std::string& path)
{
    std::string result = Execute(kFileSave + Quoted(path));
    if (result == answer::kOk) {
        SetEdited(false);
    }
    return result;
}

std::string CRadioData::SaveCopy(const std::string& path)
{
    return Execute(std::string(kFileSave) + Quoted(path));
}

std::string CRadioData::LoadCloneFile(const std::string& path)
{
    if (!CanReopen(path, O_RDONLY)) {
        return std::string(answer::kCannotOpenFile);
    }
    std::string result = Execute(kFileLoad + Quoted(path));
    if (result == answer::kOk) {
        Execute(keys::kHeal);
        SetEdited(false);
    }
    return result;
}

std::string CRadioData::SaveCloneFile(const std::string& path)
{
    if (!CanReopen(path, O_RDWR)) {
        return std::string(answer::kCannotOpenFile);
    }
    return Execute(kFileSaveWithSafety + Quoted(path));
}

// ---- CL52RadioData ----

CL52RadioData::CL52RadioData(ISettingsStore* settings) : CRadioData(settings)
{
    // A document opened straight from a file needs the stored version too, not only a new one.
    ResetProfile();
    ApplyProfile(m_profile);
    SetEdited(false);
}

CL52RadioData::~CL52RadioData()
{
    if (m_settings != nullptr && m_settings->GetInt(settings::kSetupInfo, settings::kSetupDone, 0) == 1) {
        m_settings->SetInt(settings::kSetupInfo, settings::kDestination, m_profile.version[0]);
        m_settings->SetInt(settings::kSetupInfo, settings::kExpandLevel, m_profile.version[1]);
        m_settings->SetInt(settings::kSetupInfo, settings::kOptionFlags, m_profile.version[2]);
    }
}

bool CL52RadioData::ApplyProfile(const STransceiverProfile& profile)
{
    Execute(keys::Path(keys::Model(keys::kCountry), keys::kByNumber) + "=" +
            std::to_string(profile.version[0]));
    Execute(keys::Model(keys::kExpand) + "=" + std::to_string(profile.version[1]));
    Execute(keys::Model(keys::kMatrix50) + "=" + std::to_string(profile.version[2] & 2));
    return true;
}

std::string CL52RadioData::GetMachineName() const
{
    return std::string(kMachineName);
}

std::string CL52RadioData::GetModelComment() const
{
    const auto* comment = m_profile.version.data() + STransceiverProfile::kCommentOffset;
    return {reinterpret_cast<const char*>(comment), STransceiverProfile::kCommentLength};
}

bool CL52RadioData::MatchProfile(const STransceiverProfile& profile, bool checkOnly)
{
    if (profile.model != kModel || profile.revision != kRevision) {
        return false;
    }
    if (profile.version[0] == m_profile.version[0] && profile.version[1] == m_profile.version[1] &&
        profile.version[2] == m_profile.version[2]) {
        return true;
    }
    if (!checkOnly) {
        ApplyProfile(profile);
        const size_t count = std::min<size_t>(profile.count, STransceiverProfile::kVersionBytes);
        std::copy_n(profile.version.begin(), count, m_profile.version.begin());
    }
    return false;
}

void CL52RadioData::ResetProfile()
{
    m_profile.model = kModel;
    m_profile.revision = kRevision;
    m_profile.count = STransceiverProfile::kVersionBytes;
    m_profile.version.fill(' ');
    m_profile.version[0] = 5;
    m_profile.version[1] = 0;
    m_profile.version[2] = 0;
    if (m_settings != nullptr && m_settings->GetInt(settings::kSetupInfo, settings::kSetupDone, 0) != 0) {
        m_profile.version[0] =
            static_cast<uint8_t>(m_settings->GetInt(settings::kSetupInfo, settings::kDestination, 5));
        m_profile.version[1] =
            static_cast<uint8_t>(m_settings->GetInt(settings::kSetupInfo, settings::kExpandLevel, 0));
        m_profile.version[2] =
            static_cast<uint8_t>(m_settings->GetInt(settings::kSetupInfo, settings::kOptionFlags, 0));
    }
}
