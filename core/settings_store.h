#pragma once

#include <map>
#include <string>
#include <string_view>

// The per-user settings store: integer and text values by section and name. The desktop program
// keeps them with QSettings; tests use the in-memory store.
class ISettingsStore
{
public:
    virtual ~ISettingsStore() = default;
    virtual int GetInt(std::string_view section, std::string_view name, int fallback) const = 0;
    virtual bool SetInt(std::string_view section, std::string_view name, int value) = 0;
    virtual std::string GetString(std::string_view section, std::string_view name,
                                  std::string_view fallback) const = 0;
    virtual bool SetString(std::string_view section, std::string_view name, std::string_view value) = 0;
    virtual bool Contains(std::string_view section, std::string_view name) const = 0;
};

class CMemorySettingsStore : public ISettingsStore
{
public:
    int GetInt(std::string_view section, std::string_view name, int fallback) const override;
    bool SetInt(std::string_view section, std::string_view name, int value) override;
    std::string GetString(std::string_view section, std::string_view name,
                          std::string_view fallback) const override;
    bool SetString(std::string_view section, std::string_view name, std::string_view value) override;
    bool Contains(std::string_view section, std::string_view name) const override;

private:
    static std::string KeyOf(std::string_view section, std::string_view name);
    std::map<std::string, std::string> m_values;
};

// Names of the stored settings shared by the data layer, the command-line tool and the GUI.
namespace settings {
inline constexpr std::string_view kCommPort = "CommPort";
inline constexpr std::string_view kPortNumber = "PortNumber";
inline constexpr std::string_view kSetupInfo = "SetupInfo";
inline constexpr std::string_view kSetupDone = "0000";
inline constexpr std::string_view kDestination = "0001";
inline constexpr std::string_view kExpandLevel = "0002";
inline constexpr std::string_view kOptionFlags = "0003";
inline constexpr std::string_view kCallSign = "CallSign";
// Not 0 (the default): successful reads and writes of the desktop program keep a copy in the clone archive.
inline constexpr std::string_view kArchive = "Archive";
inline constexpr std::string_view kArchiveEnabled = "Enabled";
} // namespace settings
