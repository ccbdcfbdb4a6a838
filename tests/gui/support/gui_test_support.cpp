#include "gui_test_support.h"

#include "ui/widgets/file_dialogs.h"
#include "ui/widgets/message_box.h"

#include <QDir>

CTestSettings::CTestSettings() : m_store(std::make_unique<CQtSettingsStore>(IniPath())) {}

QString CTestSettings::IniPath() const
{
    return QDir(m_dir.path()).filePath(QStringLiteral("settings.ini"));
}

std::unique_ptr<CQtSettingsStore> CTestSettings::Reopen() const
{
    return std::make_unique<CQtSettingsStore>(IniPath());
}

CFailingSettingsStore::CFailingSettingsStore(std::set<std::string> failingNames)
    : m_failingNames(std::move(failingNames))
{
}

bool CFailingSettingsStore::SetInt(std::string_view section, std::string_view name, int value)
{
    ++m_writes;
    if (m_failingNames.count(std::string(name)) != 0) {
        return false;
    }
    return CMemorySettingsStore::SetInt(section, name, value);
}

void AnswerDialogsAutomatically()
{
    MessageBox::Reset();
    MessageBox::SetDefaultAnswer(MessageBox::Answer::Cancel);
    FileDialogs::Reset();
    FileDialogs::SetDefaultFileName(QString());
}
