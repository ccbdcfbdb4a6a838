#pragma once

#include <QString>
#include <QStringList>

class ISettingsStore;

// The list of recently used files, newest first, kept in the settings store (section "Recent File List",
// values "File1" to "File4").
class CRecentFileList
{
public:
    static constexpr int kDefaultSize = 4;

    explicit CRecentFileList(ISettingsStore& settings, int size = kDefaultSize);

    QStringList Files() const { return m_files; }
    int Size() const { return m_size; }
    // Puts the file at the top, removing an older entry of the same file; the list is stored at once.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    void Load();
    void Store();

    ISettingsStore& m_settings;
    int m_size;
    QStringList m_files;
};
