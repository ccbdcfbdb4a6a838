#pragma once

#include "core/settings_store.h"
#include "settings/qt_settings_store.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <set>
#include <string>

// A settings store in a fresh INI file of its own temporary folder.
class CTestSettings
{
public:
    CTestSettings();

    CQtSettingsStore& Store() { return *m_store; }
    QString IniPath() const;
    QString Folder() const { return m_dir.path(); }
    // A second store on the same file, as the next start of the program would see it.
    std::unique_ptr<CQtSettingsStore> Reopen() const;

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CQtSettingsStore> m_store;
};

// An in-memory store whose writes of the named values fail.
class CFailingSettingsStore : public CMemorySettingsStore
{
public:
    explicit CFailingSettingsStore(std::set<std::string> failingNames);

    bool SetInt(std::string_view section, std::string_view name, int value) override;
    int Writes() const { return m_writes; }

private:
    std::set<std::string> m_failingNames;
    int m_writes = 0;
};

// Message boxes and file dialogs of the program answer at once, so no test waits for a window.
void AnswerDialogsAutomatically();
