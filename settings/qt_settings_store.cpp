#include "settings/qt_settings_store.h"

namespace {

const char* const kOrganization = "Velk";
const char* const kApplication = "ZQ-L52";

QString KeyOf(std::string_view section, std::string_view name)
{
    QString key = QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size()));
    key += QLatin1Char('/');
    key += QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    return key;
}

} // namespace

CQtSettingsStore::CQtSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, QString::fromLatin1(kOrganization),
                 QString::fromLatin1(kApplication))
{
}

CQtSettingsStore::CQtSettingsStore(const QString& iniPath) : m_settings(iniPath, QSettings::IniFormat) {}

int CQtSettingsStore::GetInt(std::string_view section, std::string_view name, int fallback) const
{
    const QVariant value = m_settings.value(KeyOf(section, name));
    if (!value.isValid()) {
        return fallback;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : fallback;
}

bool CQtSettingsStore::SetInt(std::string_view section, std::string_view name, int value)
{
    m_settings.setValue(KeyOf(section, name), value);
    return Commit();
}

std::string CQtSettingsStore::GetString(std::string_view section, std::string_view name,
                                        std::string_view fallback) const
{
    const QVariant value = m_settings.value(KeyOf(section, name));
    if (!value.isValid()) {
        return std::string(fallback);
    }
    return value.toString().toStdString();
}

bool CQtSettingsStore::SetString(std::string_view section, std::string_view name, std::string_view value)
{
    m_settings.setValue(KeyOf(section, name),
                        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
    return Commit();
}

bool CQtSettingsStore::Contains(std::string_view section, std::string_view name) const
{
    return m_settings.contains(KeyOf(section, name));
}

QString CQtSettingsStore::FileName() const
{
    return m_settings.fileName();
}

bool CQtSettingsStore::Commit()
{
    m_settings.sync();
    return m_settings.status() == QSettings::NoError && m_settings.isWritable();
}
