#include "core/settings_store.h"

#include "core/command_text.h"

std::string CMemorySettingsStore::KeyOf(std::string_view section, std::string_view name)
{
    std::string key(section);
    key += '/';
    key += name;
    return key;
}

int CMemorySettingsStore::GetInt(std::string_view section, std::string_view name, int fallback) const
{
    const auto it = m_values.find(KeyOf(section, name));
    long long value = 0;
    if (it == m_values.end() || !ParseDecimal(it->second, value)) {
        return fallback;
    }
    return static_cast<int>(value);
}

bool CMemorySettingsStore::SetInt(std::string_view section, std::string_view name, int value)
{
    m_values[KeyOf(section, name)] = std::to_string(value);
    return true;
}

std::string CMemorySettingsStore::GetString(std::string_view section, std::string_view name,
                                            std::string_view fallback) const
{
    const auto it = m_values.find(KeyOf(section, name));
    return it == m_values.end() ? std::string(fallback) : it->second;
}

bool CMemorySettingsStore::SetString(std::string_view section, std::string_view name, std::string_view value)
{
    m_values[KeyOf(section, name)] = std::string(value);
    return true;
}

bool CMemorySettingsStore::Contains(std::string_view section, std::string_view name) const
{
    return m_values.count(KeyOf(section, name)) != 0;
}
