#pragma once

#include "core/settings_store.h"

#include <QSettings>
#include <QString>

// The per-user settings store on QSettings: organization "Velk", application "ZQ-L52", kept as an INI
// file under the user's configuration folder (~/.config/Velk/ZQ-L52.conf on Linux). Every write is
// flushed at once, so the desktop program and the command-line tool always see each other's values and a
// failed write is reported by the call that made it.
class CQtSettingsStore : public ISettingsStore
{
public:
    CQtSettingsStore();
    // A store in the given INI file, for tests and throw-away settings.
    explicit CQtSettingsStore(const QString& iniPath);

    int GetInt(std::string_view section, std::string_view name, int fallback) const override;
    bool SetInt(std::string_view section, std::string_view name, int value) override;
    std::string GetString(std::string_view section, std::string_view name,
                          std::string_view fallback) const override;
    bool SetString(std::string_view section, std::string_view name, std::string_view value) override;
    bool Contains(std::string_view section, std::string_view name) const override;

    QString FileName() const;

private:
    bool Commit();

    // QSettings reads lazily and caches; the getters are logically const.
    mutable QSettings m_settings;
};
