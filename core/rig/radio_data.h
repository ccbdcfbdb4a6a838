#pragma once

#include "core/command_text.h"
#include "core/memory_map.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

class CRigCore;
class ISettingsStore;

// The version of the transceiver being programmed. The information block the transceiver reports
// has the same layout, so the two compare field by field.
struct STransceiverProfile
{
    static constexpr size_t kVersionBytes = 19;
    static constexpr size_t kCommentOffset = 3;
    static constexpr size_t kCommentLength = memory_map::kCloneCommentLength;

    uint16_t model = 0;
    uint16_t revision = 0;
    uint16_t count = kVersionBytes;
    std::array<uint8_t, kVersionBytes> version{};
};

// The document's whole data model: the rig core behind the command language, a temporary clone data
// file, and the transceiver profile.
class CRadioData : public ICommandTarget
{
public:
    explicit CRadioData(ISettingsStore* settings = nullptr);
    ~CRadioData() override;
    CRadioData(const CRadioData&) = delete;
    CRadioData& operator=(const CRadioData&) = delete;

    // A new document: the stored profile applied, the default image, not edited.
    virtual void Initialize();
    std::string Execute(std::string_view command) override;
    virtual bool IsEdited();
    virtual void SetEdited(bool edited);
    virtual bool ApplyProfile(const STransceiverProfile& profile);
    virtual std::string GetMachineName() const;
    virtual std::string GetModelComment() const;
    const STransceiverProfile& GetProfile() const { return m_profile; }
    virtual bool MatchProfile(const STransceiverProfile& profile, bool checkOnly);
    virtual void ResetProfile();

    // The document's own file format is the clone data file. Both answer the file layer's word and
    // leave the document unedited on "OK"; a failed open leaves the data as it was.
    std::string OpenDocument(const std::string& path);
    std::string SaveDocument(const std::string& path);
    // The same save, for a copy kept elsewhere: the document does not count as saved afterwards.
    std::string SaveCopy(const std::string& path);

    // The path of both is the program's own private exchange file, reopened only as such (see
    // ReopenPrivateFile); anything else at the path answers "CANNOT_OPEN_FILE".
    // After a clone read: load what arrived. Answers the load's word, or "CANNOT_OPEN_FILE".
    std::string LoadCloneFile(const std::string& path);
    // Before a clone write: every byte but the kept byte, leaving the working image as it was.
    std::string SaveCloneFile(const std::string& path);

    const std::string& TemporaryPath() const { return m_temporaryPath; }
    const CRigCore& Rig() const { return *m_rig; }

protected:
    static std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

    ISettingsStore* m_settings;
    STransceiverProfile m_profile;

private:
    std::unique_ptr<CRigCore> m_rig;
    std::string m_temporaryPath;
};

// The VL-L52's own profile handling: the stored version bytes and the three "MODEL." commands.
class CL52RadioData : public CRadioData
{
public:
    static constexpr uint16_t kModel = memory_map::kModelCode;
    static constexpr uint16_t kRevision = memory_map::kModelRevision;

    explicit CL52RadioData(ISettingsStore* settings = nullptr);
    ~CL52RadioData() override;
    CL52RadioData(const CL52RadioData&) = delete;
    CL52RadioData& operator=(const CL52RadioData&) = delete;

    bool ApplyProfile(const STransceiverProfile& profile) override;
    std::string GetMachineName() const override;
    std::string GetModelComment() const override;
    bool MatchProfile(const STransceiverProfile& profile, bool checkOnly) override;
    void ResetProfile() override;
};
