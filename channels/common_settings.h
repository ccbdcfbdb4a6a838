#pragma once

#include "core/typed_fields.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CCommandCursor;
class CMemoryImage;
class CModelProfile;

// The radio-wide settings and the clone comment, each a setting field at a fixed place of the
// image. The list of values of "AUTO_REPEATER" depends on the country, so the table is built for
// one profile and rebuilt by its owner when the profile changes.
class CCommonSettings
{
public:
    explicit CCommonSettings(const CModelProfile* profile);
    CCommonSettings(const CCommonSettings&) = delete;
    CCommonSettings& operator=(const CCommonSettings&) = delete;

    // Takes a whole "COMMON.<key>[.<selector>][=value]" command; answers "" when the key is none of
    // the settings. The value ends at a second "=".
    std::string Execute(CCommandCursor& cursor);

    // Reads every field from the image while not loaded, writes them otherwise; loaded after.
    void Transfer(CMemoryImage& image);
    void MarkUnloaded() { m_loaded = false; }
    bool IsLoaded() const { return m_loaded; }

    int FieldCount() const { return static_cast<int>(m_fields.size()); }
    CSettingField& Field(int index) { return *m_fields[static_cast<size_t>(index)]; }
    // Case-insensitive; null when no setting has that key.
    CSettingField* Find(std::string_view key);

private:
    const CModelProfile* m_profile;
    bool m_loaded = false;
    std::vector<std::unique_ptr<CSettingField>> m_fields;
};
