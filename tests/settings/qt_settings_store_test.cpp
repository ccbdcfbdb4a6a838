#include "settings/qt_settings_store.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// The default store must land in a folder of the test's own, not in the user's: the folder is set before
// any QSettings exists in the process.
class CConfigHome : public ::testing::Environment
{
public:
    void SetUp() override { qputenv("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit()); }

private:
    QTemporaryDir m_folder;
};

[[maybe_unused]] ::testing::Environment* const g_configHome =
    ::testing::AddGlobalTestEnvironment(new CConfigHome);

// A store in a fresh INI file of its own temporary folder.
struct SStoreFile
{
    QString IniPath() const { return QDir(folder.path()).filePath(QStringLiteral("settings.ini")); }
    std::unique_ptr<CQtSettingsStore> Open() const { return std::make_unique<CQtSettingsStore>(IniPath()); }

    QTemporaryDir folder;
};

TEST(QtSettingsStore, ValuesSurviveInTheIniFile)
{
    const SStoreFile file;
    const auto store = file.Open();
    EXPECT_TRUE(store->SetInt("CommPort", "PortNumber", 3));
    EXPECT_TRUE(store->SetInt("SetupInfo", "0000", 1));
    EXPECT_TRUE(store->SetInt("Window Position", "Left", -120));
    EXPECT_TRUE(store->SetString("CommPort", "Device1", "/dev/ttyUSB0"));
    EXPECT_TRUE(QFile::exists(file.IniPath()));
    EXPECT_EQ(store->FileName(), file.IniPath());

    const auto reopened = file.Open();
    EXPECT_EQ(reopened->GetInt("CommPort", "PortNumber", 1), 3);
    EXPECT_EQ(reopened->GetInt("SetupInfo", "0000", 0), 1);
    EXPECT_EQ(reopened->GetInt("Window Position", "Left", 5), -120);
    EXPECT_EQ(reopened->GetString("CommPort", "Device1", "/dev/ttyS0"), "/dev/ttyUSB0");
    EXPECT_TRUE(reopened->Contains("SetupInfo", "0000"));
    EXPECT_FALSE(reopened->Contains("SetupInfo", "0001"));
    EXPECT_FALSE(reopened->Contains("Setup", "0000"));

    // A value written by another process (the command-line tool) is seen without reopening.
    EXPECT_TRUE(reopened->SetInt("CommPort", "PortNumber", 4));
    EXPECT_EQ(store->GetInt("CommPort", "PortNumber", 1), 4);
}

TEST(QtSettingsStore, MissingOrMalformedValuesGiveTheFallback)
{
    const SStoreFile file;
    const auto store = file.Open();
    EXPECT_EQ(store->GetInt("SetupInfo", "0001", 5), 5);
    EXPECT_EQ(store->GetString("SetupInfo", "CallSign", ""), "");
    EXPECT_TRUE(store->SetString("Column", "Width3", "wide"));
    EXPECT_EQ(store->GetInt("Column", "Width3", 70), 70);
    EXPECT_TRUE(store->SetString("Column", "Width4", " 55 "));
    EXPECT_EQ(store->GetInt("Column", "Width4", 0), 55);
}

TEST(QtSettingsStore, BlanksAndOtherTextsAreKeptExactly)
{
    const SStoreFile file;
    const std::string sixBlanks(6, ' ');
    const std::string trailing = "JA1ZZZ  ";
    const std::string special = "a=b; c,d \"q\" \xc3\xa4";
    {
        const auto store = file.Open();
        EXPECT_TRUE(store->SetString("SetupInfo", "CallSign", sixBlanks));
        EXPECT_TRUE(store->SetString("SetupInfo", "Other", trailing));
        EXPECT_TRUE(store->SetString("SetupInfo", "Special", special));
        EXPECT_TRUE(store->SetString("SetupInfo", "Empty", ""));
    }
    const auto reopened = file.Open();
    EXPECT_EQ(reopened->GetString("SetupInfo", "CallSign", "x"), sixBlanks);
    EXPECT_EQ(reopened->GetString("SetupInfo", "Other", "x"), trailing);
    EXPECT_EQ(reopened->GetString("SetupInfo", "Special", "x"), special);
    EXPECT_EQ(reopened->GetString("SetupInfo", "Empty", "x"), "");
    EXPECT_TRUE(reopened->Contains("SetupInfo", "Empty"));
}

TEST(QtSettingsStore, DefaultStoreLivesInTheUsersConfigFolder)
{
    CQtSettingsStore store;
    EXPECT_EQ(store.FileName(),
              QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath(QStringLiteral("Velk/ZQ-L52.conf")));
    EXPECT_TRUE(store.SetInt("CommPort", "PortNumber", 2));
    EXPECT_EQ(CQtSettingsStore().GetInt("CommPort", "PortNumber", 1), 2);
}

TEST(QtSettingsStore, UnwritableFileReportsFailure)
{
    const QTemporaryDir dir;
    const QString blocked = QDir(dir.path()).filePath(QStringLiteral("blocked"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    // The settings file is a folder: nothing can be written there.
    CQtSettingsStore store(blocked);
    EXPECT_FALSE(store.SetInt("CommPort", "PortNumber", 2));
}

} // namespace
