#include "ui/recent_file_list.h"

#include "core/settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace {

constexpr std::string_view kSection = "Recent File List";

std::string EntryName(int index)
{
    return "File" + std::to_string(index + 1);
}

QString Normalised(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

CRecentFileList::CRecentFileList(ISettingsStore& settings, int size) : m_settings(settings), m_size(size)
{
    Load();
}

void CRecentFileList::Add(const QString& path)
{
    const QString file = Normalised(path);
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > m_size) {
        m_files.removeLast();
    }
    Store();
}

void CRecentFileList::Remove(const QString& path)
{
    if (m_files.removeAll(Normalised(path)) > 0) {
        Store();
    }
}

void CRecentFileList::Load()
{
    m_files.clear();
    for (int i = 0; i < m_size; ++i) {
        const QString file = QString::fromStdString(m_settings.GetString(kSection, EntryName(i), ""));
        if (!file.isEmpty() && !m_files.contains(file)) {
            m_files.append(file);
        }
    }
}

void CRecentFileList::Store()
{
    for (int i = 0; i < m_size; ++i) {
        const std::string file = i < m_files.size() ? m_files.at(i).toStdString() : std::string();
        if (!m_settings.SetString(kSection, EntryName(i), file)) {
            return;
        }
    }
}
